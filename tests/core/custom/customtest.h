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

// Counts the progress calls of an operation.
class CountingProgress : public Progress {
  public:
    void start(int maximum) override { calls.append(QStringLiteral("start %1").arg(maximum)); }
    void step() override { calls.append(QStringLiteral("step")); }
    void finish() override { calls.append(QStringLiteral("finish")); }
    void pumpEvents() override {}
    QStringList calls;
};

// A fresh data directory and engine for each test, with the default databases written and
// the controlled one current; the tests replace the two files with the content they need.
class CustomTest : public ::testing::Test {
  public:
    static QByteArray read(const QString& path);
    static void write(const QString& path, const QByteArray& bytes);
    static QByteArray fixture(const QString& name);

  protected:
    void SetUp() override;
    void TearDown() override;

    Engine& engine() { return *m_engine; }
    CustomEntriesPage& page() { return m_engine->customPage(); }
    QString controlledPath() const;
    QString uncontrolledPath() const;
    void writeControlled(const QByteArray& bytes) { write(controlledPath(), bytes); }
    void writeUncontrolled(const QByteArray& bytes) { write(uncontrolledPath(), bytes); }
    // The message texts shown so far; forgets them.
    QStringList takeMessages();
    // Fills the fields and ticks the boxes given by their captions.
    void fill(const QString& name, const QString& version, const QStringList& boxes,
              const QString& other = QString(), const QString& fileSet = QString());

    QTemporaryDir m_home;
    RecordingDialogs m_dialogs;
    CountingProgress m_progress;
    std::unique_ptr<Engine> m_engine;
};
