#pragma once

#include "engine/engine.h"
#include "gui/windows/patchdbform.h"
#include "ui/progress.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

class QAbstractButton;
class QWidget;

// A data directory with the two databases of tests/data/guimanager, an engine over it with
// scripted message boxes, and the manager window, shown offscreen.
class ManagerWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Selects a database and opens the window on the page.
    void open(bool uncontrolled, ManagerWindowState::Page page);
    void showPage(ManagerWindowState::Page page);
    static void click(QAbstractButton* button);
    // The message texts shown so far; forgets them.
    QStringList takeMessages();
    static QByteArray read(const QString& path);
    QString controlledPath() const { return m_home.filePath(QStringLiteral("quarixdb.ini")); }
    QString uncontrolledPath() const { return m_home.filePath(QStringLiteral("CARTOVEX.INI")); }
    static QString fixture(const QString& name);

    QTemporaryDir m_home;
    RecordingDialogs m_dialogs;
    NullProgress m_progress;
    std::unique_ptr<Engine> m_engine;
    std::unique_ptr<PatchDBForm> m_form;
};
