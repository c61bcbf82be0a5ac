#pragma once

#include "gui/mainwindow.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

// A main window over a data directory of its own, with a scripted message box answerer.
class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the window (and the windows that follow it); the data directory comes first.
    MainWindow& makeWindow(const QStringList& arguments = {});
    QString example() const;
    // A copy of the example report with its text changed, in the data directory.
    QString variant(const QString& name, const QString& from, const QString& to) const;
    void writePreference(const QString& key, const QString& value) const;
    QString readPreference(const QString& key) const;
    // Closes every modal window that opens from now on, recording its caption; the first-run
    // window is closed with its OK once its steps have run.
    void closeModalsAsTheyOpen();

    QTemporaryDir m_home;
    RecordingDialogs m_dialogs;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_modalsClosed;
    std::unique_ptr<QTimer> m_modalCloser;
};
