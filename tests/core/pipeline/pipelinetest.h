#pragma once

#include "engine/engine.h"
#include "ui/progress.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <QTemporaryDir>
#include <memory>

// A fresh data directory (a temporary folder) and a fresh engine for each test, with the
// database files created as the main window's creation does. Reports are written into a
// folder of their own.
class PipelineTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Builds a new engine on the same data directory (a restart of the program).
    void restartEngine();
    Engine& engine() { return *m_engine; }

    // Writes a report file below the reports folder and returns its absolute path.
    QString writeReport(const QString& name, const QByteArray& bytes) const;
    // Copies a fixture of tests/data/pipeline into the reports folder.
    QString copyFixture(const QString& name) const;
    QString controlledPath() const;
    // The message texts shown so far, and forgets them.
    QStringList takeMessages();

    QTemporaryDir m_home;
    QTemporaryDir m_reports;
    RecordingDialogs m_dialogs;
    NullProgress m_progress;
    std::unique_ptr<Engine> m_engine;
};

namespace reports {

// A small report in the format the parser reads: one header and `listings` module listings,
// with the given engine type and total memory text. Lines end with CR LF.
QByteArray build(const QString& engineType = QStringLiteral("NATIVE"), int listings = 1,
                 const QString& memory = QStringLiteral("134217728"));
// Exactly `lines` lines (CR LF each) whose first line holds `firstLine`.
QByteArray lines(int lines, const QByteArray& firstLine = "plain text");
// Exactly `size` bytes of report-like text.
QByteArray ofSize(int size);

}  // namespace reports
