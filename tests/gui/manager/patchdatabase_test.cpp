// The "Patch Database" page: reading, editing, saving, deleting and recreating the current
// database, and the close question about unsaved edits.
#include "managerwindowtest.h"

#include "gui/windows/patchdb/patchdatabasepage.h"
#include "ini/inifile.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

const QString SaveQuestion =
    QStringLiteral("Contents of the Patch Database have changed.  Save changes?");

}  // namespace

TEST_F(ManagerWindowTest, ControlledDatabaseIsShownReadOnly) {
    open(false, ManagerWindowState::PatchDatabase);
    PatchDatabasePage* page = m_form->databasePage();
    click(page->readButton());
    EXPECT_EQ(page->locationLabel()->text(), controlledPath());
    EXPECT_TRUE(page->textView()->toPlainText().startsWith("[Preferences]\nDBType=Controlled"));
    EXPECT_TRUE(page->textView()->isReadOnly());
    EXPECT_FALSE(page->createDefaultButton()->isEnabled());
    EXPECT_FALSE(page->saveButton()->isEnabled());
    EXPECT_EQ(page->typeLabel()->text(), QStringLiteral("Quarix-controlled DB"));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(ManagerWindowTest, TypedEditIsSavedAndReadBack) {
    open(true, ManagerWindowState::PatchDatabase);
    PatchDatabasePage* page = m_form->databasePage();
    click(page->readButton());
    EXPECT_EQ(page->typeLabel()->text(), QStringLiteral("Uncontrolled DB"));
    EXPECT_FALSE(page->saveButton()->isEnabled());
    QPlainTextEdit* text = page->textView();
    text->moveCursor(QTextCursor::End);
    for (const char* line : {"[Notes]", "1=KEPT.DXP"}) {
        QTest::keyClicks(text, line);
        QTest::keyClick(text, Qt::Key_Return);
    }
    EXPECT_TRUE(page->saveButton()->isEnabled());
    EXPECT_TRUE(m_engine->manager().isModified());

    click(page->saveButton());
    EXPECT_FALSE(page->saveButton()->isEnabled());
    EXPECT_FALSE(m_engine->manager().isModified());
    EXPECT_TRUE(read(uncontrolledPath())
                    .endsWith("[Core DXPs]\r\n4.11:CLIB.DXP=4.11b\r\n"
                              "4.11:DSLOADER.DXP=4.11a\r\n3.12:+NE2000.LAN="
                              "3.10\r\n[Notes]\r\n1=KEPT.DXP\r\n\r\n"));
    // Read again after the save: the new section counts as a patch set.
    EXPECT_EQ(m_engine->manager().PatchSetCount(), 2);
    EXPECT_TRUE(m_engine->manager().patchSetNames().contains("Notes"));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(ManagerWindowTest, CloseAsksAboutUnsavedEditsAndHonoursEachAnswer) {
    open(true, ManagerWindowState::PatchDatabase);
    PatchDatabasePage* page = m_form->databasePage();
    click(page->readButton());
    const QByteArray before = read(uncontrolledPath());
    page->textView()->moveCursor(QTextCursor::End);
    QTest::keyClicks(page->textView(), "EDIT");

    // Cancel: the window stays open with the edit.
    m_dialogs.queueAnswer(Answer::Cancel);
    click(m_form->closeButton());
    EXPECT_EQ(takeMessages(), QStringList{SaveQuestion});
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_TRUE(page->textView()->toPlainText().endsWith("EDIT"));

    // No: the edit is dropped, the file stays, the window closes.
    m_dialogs.queueAnswer(Answer::No);
    m_form->close();
    EXPECT_EQ(takeMessages(), QStringList{SaveQuestion});
    EXPECT_FALSE(m_form->isVisible());
    EXPECT_EQ(read(uncontrolledPath()), before);
    EXPECT_FALSE(page->textView()->toPlainText().contains("EDIT"));

    // Yes: the edit is saved and the window closes; Escape asks the same question.
    m_form->show();
    showPage(ManagerWindowState::PatchDatabase);
    page->textView()->moveCursor(QTextCursor::End);
    QTest::keyClicks(page->textView(), "SAVED");
    m_dialogs.queueAnswer(Answer::Yes);
    QTest::keyClick(m_form.get(), Qt::Key_Escape);
    EXPECT_EQ(takeMessages(), QStringList{SaveQuestion});
    EXPECT_FALSE(m_form->isVisible());
    EXPECT_TRUE(read(uncontrolledPath()).endsWith("SAVED\r\n"));

    // Nothing modified: no question.
    m_form->show();
    m_form->close();
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_FALSE(m_form->isVisible());
}

TEST_F(ManagerWindowTest, DeleteAndCreateDefaultDatabase) {
    m_form->currentRootDir = [] { return QStringLiteral("/srv/reports/"); };
    open(true, ManagerWindowState::PatchDatabase);
    PatchDatabasePage* page = m_form->databasePage();
    click(page->readButton());

    m_dialogs.queueAnswer(Answer::Cancel);
    click(page->deleteButton());
    EXPECT_TRUE(QFile::exists(uncontrolledPath()));
    m_dialogs.queueAnswer(Answer::Ok);
    click(page->deleteButton());
    EXPECT_EQ(takeMessages(),
              QStringList(2,
                          "Are you sure you want to delete the Patch Database?\r\n"
                          "It will have to be recreated to verify patch information!"));
    EXPECT_FALSE(QFile::exists(uncontrolledPath()));
    EXPECT_TRUE(page->textView()->toPlainText().isEmpty());
    EXPECT_TRUE(page->locationLabel()->text().isEmpty());
    EXPECT_FALSE(page->saveButton()->isEnabled());
    click(page->deleteButton());
    EXPECT_EQ(takeMessages(),
              QStringList{"No Patch Database exists!\r\n(" + uncontrolledPath() + ")"});

    // Without a file no question is asked.
    click(page->createDefaultButton());
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_TRUE(page->textView()->toPlainText().startsWith("[410pt6.txt : 70 native patches]"));
    EXPECT_EQ(page->locationLabel()->text(), uncontrolledPath());
    EXPECT_EQ(IniFile(uncontrolledPath()).readString("Preferences", "RootDir", ""),
              "/srv/reports/");

    m_dialogs.queueAnswer(Answer::Cancel);
    click(page->createDefaultButton());
    EXPECT_EQ(takeMessages(), QStringList{"A Patch Database already exists.\r\n"
                                          "Are you sure you want to recreate the Patch Database?"});
    EXPECT_FALSE(page->saveButton()->isEnabled());
}

TEST_F(ManagerWindowTest, SwitchingDatabasesNeverLeavesAnEmptiedTextSavable) {
    open(true, ManagerWindowState::PatchDatabase);
    PatchDatabasePage* page = m_form->databasePage();
    click(page->readButton());
    QTest::keyClicks(page->textView(), "x");
    EXPECT_TRUE(page->saveButton()->isEnabled());
    m_engine->databases().SelectControlledDatabase();
    m_engine->databases().SelectUncontrolledDatabase();
    m_form->refresh();
    EXPECT_TRUE(page->textView()->toPlainText().isEmpty());
    EXPECT_FALSE(page->saveButton()->isEnabled());
    const QByteArray before = read(uncontrolledPath());
    m_form->close();
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(read(uncontrolledPath()), before);
}
