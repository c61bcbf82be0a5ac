// The pages a double click on the button panel reveals: the kit import, from a file and from a
// selection, and the legacy core module page; the menus and the context menu.
#include "managerwindowtest.h"

#include "gui/windows/patchdb/coredxpspage.h"
#include "gui/windows/patchdb/importpatchespage.h"
#include "ini/inifile.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

namespace {

QStringList rows(QListView* view) {
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        texts << view->model()->index(row, 0).data().toString();
    }
    return texts;
}

}  // namespace

TEST_F(ManagerWindowTest, DoubleClickOnTheButtonPanelRevealsTheHiddenPages) {
    open(true, ManagerWindowState::CustomizeDatabase);
    QTabWidget* tabs = m_form->tabs();
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Customize Database"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Patch Database"));
    EXPECT_FALSE(tabs->isTabVisible(2));
    EXPECT_FALSE(tabs->isTabVisible(3));
    EXPECT_FALSE(m_form->addPatchSetButton()->isEnabled());
    QTest::mouseDClick(m_form->buttonPanel(), Qt::LeftButton);
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Import Patches"));
    EXPECT_EQ(tabs->tabText(3), QStringLiteral("Core DXP's"));
    EXPECT_TRUE(tabs->isTabVisible(2));
    EXPECT_TRUE(tabs->isTabVisible(3));

    // "Add Patch Set to DB" only while the import page shows, and only uncontrolled.
    showPage(ManagerWindowState::ImportPatches);
    EXPECT_TRUE(m_form->addPatchSetButton()->isEnabled());
    EXPECT_EQ(m_form->addPatchSetButton()->text(), QStringLiteral("Add Patch Set to DB"));
    showPage(ManagerWindowState::CoreDxps);
    EXPECT_FALSE(m_form->addPatchSetButton()->isEnabled());
    m_engine->databases().SelectControlledDatabase();
    showPage(ManagerWindowState::ImportPatches);
    EXPECT_FALSE(m_form->addPatchSetButton()->isEnabled());

    // The menus and the context menu.
    QStringList menus;
    for (QAction* menu : m_form->findChild<QMenuBar*>()->actions()) {
        menus << menu->text();
        for (QAction* item : menu->menu()->actions()) {
            menus << item->text();
        }
    }
    EXPECT_EQ(menus, QStringList({"&File", "&Close Manager", "&Help", "&Help", "DB &Type?"}));
    ASSERT_EQ(m_form->actions().size(), 1);
    EXPECT_EQ(m_form->actions().first()->text(), QStringLiteral("Close"));
    EXPECT_EQ(m_form->contextMenuPolicy(), Qt::ActionsContextMenu);
}

TEST_F(ManagerWindowTest, KitFileIsImportedAsAPatchSet) {
    open(true, ManagerWindowState::CustomizeDatabase);
    QTest::mouseDClick(m_form->buttonPanel(), Qt::LeftButton);
    showPage(ManagerWindowState::ImportPatches);
    m_form->chooseKitFile = [] { return fixture("411pt3.txt"); };
    m_dialogs.queueAnswer(Answer::Yes);
    click(m_form->addPatchSetButton());
    EXPECT_EQ(takeMessages(),
              QStringList({"3 patches found.  Add these to the Patch Database?\r\n"
                           "(If this is not the correct number then choose NO and manually\r\n"
                           " highlight the area in the patch text file to import patches.)",
                           "3 patches added to the Patch Database."}));
    ImportPatchesPage* page = m_form->importPage();
    EXPECT_EQ(page->fileLabel()->text(), QStringLiteral("411pt3.txt"));
    EXPECT_EQ(page->countLabel()->text(), QStringLiteral("3 patches"));
    EXPECT_EQ(rows(page->patchList()),
              QStringList({"LOADERFX.DXP", "NDSTFIX2.DXP", "TIMESYFX.DXP"}));
    EXPECT_TRUE(page->kitView()->toPlainText().startsWith("DALTRIX QUARIX 4.11 PATCH KIT 3"));
    EXPECT_TRUE(page->kitView()->isReadOnly());
    const IniFile database(uncontrolledPath());
    EXPECT_EQ(database.readString("411pt3.txt : 3 native patches", "2", ""), "NDSTFIX2.DXP");

    // A cancelled open dialog changes nothing.
    m_form->chooseKitFile = [] { return QString(); };
    click(m_form->addPatchSetButton());
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(page->countLabel()->text(), QStringLiteral("3 patches"));

    // Selecting two lines of the kit text and releasing the mouse imports them instead.
    QPlainTextEdit* kit = page->kitView();
    QTextCursor cursor(kit->document()->findBlockByNumber(8));
    cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 2);
    kit->setTextCursor(cursor);
    m_dialogs.queueAnswer(Answer::Yes);
    QTest::mouseRelease(kit->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(takeMessages(), QStringList({"Import patches from selected text?",
                                           "2 patches added to the Patch Database."}));
    EXPECT_EQ(rows(page->patchList()), QStringList({"LOADERFX.DXP", "NDSTFIX2.DXP"}));
    EXPECT_EQ(page->countLabel()->text(), QStringLiteral("2 patches"));
    const QByteArray written = read(uncontrolledPath());
    EXPECT_FALSE(written.contains("[411pt3.txt : 3 native patches]"));
    EXPECT_TRUE(
        written.contains("[411pt3.txt : 2 native patches]\r\n1=LOADERFX.DXP\r\n"
                         "2=NDSTFIX2.DXP\r\n"));
}

TEST_F(ManagerWindowTest, CoreModulesAreReadAddedAndRemoved) {
    open(true, ManagerWindowState::CustomizeDatabase);
    QTest::mouseDClick(m_form->buttonPanel(), Qt::LeftButton);
    showPage(ManagerWindowState::CoreDxps);
    CoreDxpsPage* page = m_form->corePage();
    click(page->readButton());
    EXPECT_EQ(rows(page->moduleList()),
              QStringList({"4.11:CLIB.DXP", "4.11:DSLOADER.DXP", "3.12:+NE2000.LAN"}));
    EXPECT_EQ(page->versionEdit()->toolTip(), QStringLiteral("Enter latest version (ie: 4.10h)"));

    QListView* list = page->moduleList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(1, 0)).center());
    EXPECT_EQ(page->nameEdit()->text(), QStringLiteral("4.11:DSLOADER.DXP"));
    EXPECT_EQ(page->versionEdit()->text(), QStringLiteral("4.11a"));

    // Entering the name field empties the version; Enter without a version asks for one.
    page->nameEdit()->setFocus();
    EXPECT_TRUE(page->versionEdit()->text().isEmpty());
    page->nameEdit()->setText("4.10:clib");
    QTest::keyClick(page->nameEdit(), Qt::Key_Return);
    EXPECT_EQ(takeMessages(), QStringList{"DXP Version must be entered!"});
    QTest::keyClicks(page->versionEdit(), "4.10h");
    QTest::keyClick(page->versionEdit(), Qt::Key_Return);
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(IniFile(uncontrolledPath()).readString("Core DXPs", "4.10:CLIB.DXP", ""), "4.10h");
    EXPECT_EQ(rows(list).last(), QStringLiteral("4.10:CLIB.DXP"));
    EXPECT_TRUE(page->nameEdit()->text().isEmpty());

    // Delete in the list removes the selected key's line from the file.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_FALSE(read(uncontrolledPath()).contains("4.11:CLIB.DXP=4.11b"));
    EXPECT_TRUE(read(uncontrolledPath()).contains("4.10:CLIB.DXP=4.10h"));
    EXPECT_EQ(rows(list).first(), QStringLiteral("4.11:DSLOADER.DXP"));

    // The controlled database: the keys do nothing, the buttons are disabled.
    m_engine->databases().SelectControlledDatabase();
    m_form->refresh();
    click(page->readButton());
    EXPECT_FALSE(page->addChangeButton()->isEnabled());
    EXPECT_FALSE(page->removeButton()->isEnabled());
    EXPECT_TRUE(page->nameEdit()->isReadOnly());
    const QByteArray before = read(controlledPath());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(read(controlledPath()), before);
}
