#pragma once

#include "model/mainviews.h"
#include "model/servermodel.h"
#include "report/parsehooks.h"
#include "report/reportparser.h"
#include "testsupport.h"
#include "text/caserules.h"
#include "text/codepage.h"
#include "ui/operationerror.h"
#include "ui/progress.h"

#include <gtest/gtest.h>
#include <QString>
#include <QStringList>
#include <memory>

// Records the calls the parser makes into the rest of the program.
class RecordingHooks : public ParseHooks {
  public:
    QStringList calls;
    bool baseline = false;
    void ReadCoreModuleList() override { calls << QStringLiteral("ReadCoreModuleList"); }
    void RefreshBaselineControls() override { calls << QStringLiteral("RefreshBaselineControls"); }
    bool baselineServerSet() const override { return baseline; }
    void CheckModuleCurrency() override { calls << QStringLiteral("CheckModuleCurrency"); }
};

// One load: the model, its views and hooks, and the conversion error that ended it, if any.
struct Parsed {
    ServerModel model;
    MainViews views;
    RecordingHooks hooks;
    QString error;

    // Loads lines the way the pipeline does: reset, then parse; an error is kept, not thrown.
    void load(const QStringList& lines, bool startedByCompare = false) {
        model.reset();
        model.ReportLines = ReportText::fromLines(lines);
        NullProgress progress;
        try {
            ReportParser(model, views, hooks, progress).ParseReport(startedByCompare);
        } catch (const OperationError& e) {
            error = e.message();
        }
    }

    // The suggestion texts without their bullet prefix and closing blank lines.
    QStringList suggestions() const {
        QStringList out;
        for (const QString& s : model.Suggestions) {
            if (s.startsWith(QStringLiteral(" \u2022 "))) {
                out << s.mid(3);
            }
        }
        return out;
    }
};

// Parses report text given with "\n" breaks.
inline std::unique_ptr<Parsed> parseText(const QString& text) {
    auto p = std::make_unique<Parsed>();
    p->load(testsupport::lines(text));
    return p;
}

inline std::unique_ptr<Parsed> parseText(const char* text) {
    return parseText(QString::fromUtf8(text));
}

inline std::unique_ptr<Parsed> parseFixture(const QString& name) {
    QStringList lines;
    if (!codepage::readLines(testsupport::dataPath(QStringLiteral("reports/") + name), lines)) {
        ADD_FAILURE() << "cannot read fixture " << name.toStdString();
    }
    auto p = std::make_unique<Parsed>();
    p->load(lines);
    return p;
}

inline QString pad(const QString& text, int n) {
    return caserules::padRight(text, n);
}
