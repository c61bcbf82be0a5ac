#include "clidialogs.h"
#include "commands.h"
#include "reportjson.h"

#include "report/reportparser.h"
#include "text/codepage.h"
#include "ui/operationerror.h"

#include <QJsonDocument>
#include <cstdio>

namespace commands {

namespace {

void print(const QString& text) {
    const QByteArray out = text.toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
}

}  // namespace

int analyze(const CliOptions& options) {
    CliDialogs dialogs;
    dialogs.setEcho(!options.json);
    ServerModel model;
    MainViews views;
    ParseHooks hooks;
    NullProgress progress;
    QString error;

    const QString path = options.args.at(1);
    model.ConfigFileName = path;
    try {
        if (!codepage::readLines(path, model.ReportLines)) {
            throw OperationError(QStringLiteral("File '") + path.toUpper() +
                                 QStringLiteral("' not found!"));
        }
        ReportParser(model, views, hooks, progress).ParseReport(false);
    } catch (const OperationError& e) {
        error = e.message();
        dialogs.error(error);
    }

    if (options.json) {
        QJsonObject root = reportjson::model(model);
        root.insert("views", reportjson::views(views));
        root.insert("messages", reportjson::messages(dialogs.messages()));
        root.insert("error", error.isNull() ? QJsonValue() : QJsonValue(error));
        print(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
    } else {
        for (const QString& line : std::as_const(model.Suggestions)) {
            print(line + u'\n');
        }
    }
    return error.isNull() ? 0 : 1;
}

}  // namespace commands
