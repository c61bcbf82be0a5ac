#pragma once

#include "engine/engine.h"
#include "ui/progress.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// A fresh data directory and engine per test, created and activated as the main window does.
// Logs and reports are written to a work folder of their own.
class AbendTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    Engine& engine() { return *m_engine; }
    AbendLog& abend() { return m_engine->abendLog(); }
    const AbendView& view() { return m_engine->abendLog().view(); }

    // Writes bytes below the work folder and returns the absolute path.
    QString writeWork(const QString& name, const QByteArray& bytes) const;
    // Opens a log given as lines joined by CR LF (with a final CR LF).
    QString openLog(const QStringList& lines);
    // Replaces both database files: Core DXPs and File Sets entries as "key=value" lines.
    void writeDatabases(const QStringList& controlledCore, const QStringList& uncontrolledCore,
                        const QStringList& controlledSets = {},
                        const QStringList& uncontrolledSets = {});
    QStringList takeMessages();

    QTemporaryDir m_home;
    QTemporaryDir m_work;
    RecordingDialogs m_dialogs;
    NullProgress m_progress;
    std::unique_ptr<Engine> m_engine;
};

// One log entry: the halted line of FS1 at `when`, a message line, and a module block of the
// given "NAME" / "  Version ..." lines closed by a line of asterisks.
QStringList abendEntry(const QString& when, const QStringList& moduleLines);
// The text of lines joined by CR LF, with a final CR LF.
QByteArray crlf(const QStringList& lines);
