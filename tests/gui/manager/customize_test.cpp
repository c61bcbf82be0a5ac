// The "Customize Database" page: entries read on activation, shown, added, deleted in the
// multi-select mode, synchronised with the progress window, and the sync status.
#include "managerwindowtest.h"

#include "gui/windows/patchdb/customizedbpage.h"
#include "gui/windows/patchdb/patchdatabasepage.h"
#include "gui/windows/syncprogressform.h"
#include "ini/inifile.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {

const QString SyncComplete =
    QStringLiteral("Database Sync Complete.\r\n\r\nRestart Cartovex for changes to take effect.");

QStringList rows(QListView* view) {
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        texts << view->model()->index(row, 0).data().toString();
    }
    return texts;
}

void clickRow(QListView* view, int row) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(row, 0)).center());
}

// Records, at every move of the progress window's bar, whether the window was showing.
struct ProgressWatch {
    explicit ProgressWatch(SyncProgressForm* form) {
        QObject::connect(form->progressBar(), &QProgressBar::valueChanged, form,
                         [this, form](int value) {
                             steps << QStringLiteral("%1/%2 %3")
                                          .arg(value)
                                          .arg(form->progressBar()->maximum())
                                          .arg(form->isVisible() ? "shown" : "hidden");
                         });
    }
    QStringList steps;
};

const QStringList SixShownSteps = {"0/6 shown", "1/6 shown", "2/6 shown", "3/6 shown",
                                   "4/6 shown", "5/6 shown", "6/6 shown"};

}  // namespace

TEST_F(ManagerWindowTest, ActivationReadsTheEntriesAndARowShowsItsFields) {
    open(false, ManagerWindowState::CustomizeDatabase);
    CustomizeDbPage* page = m_form->customizePage();
    EXPECT_EQ(page->entriesLabel()->text(), QStringLiteral("Custom Database Entries:  2"));
    EXPECT_EQ(rows(page->entryList()),
              QStringList({"3.12:+NE2000.LAN=3.10", "4.11:+ARCSERVE.DXP=6.10"}));
    EXPECT_FALSE(page->otherVersionEdit()->isEnabled());

    clickRow(page->entryList(), 1);
    EXPECT_EQ(page->moduleNameEdit()->text(), QStringLiteral("ARCSERVE.DXP"));
    EXPECT_EQ(page->moduleVersionEdit()->text(), QStringLiteral("6.10"));
    EXPECT_TRUE(page->osBox(CustomEntriesPage::Box411)->isChecked());
    EXPECT_FALSE(page->osBox(CustomEntriesPage::Box312)->isChecked());
    EXPECT_EQ(page->fileSetBox()->currentText(), QStringLiteral("ASPATCH.EXE"));

    // Coming back to the window with the focus in the name field keeps the fields; entering
    // the field empties all but the name.
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(page->moduleNameEdit(), &back);
    EXPECT_EQ(page->moduleVersionEdit()->text(), QStringLiteral("6.10"));
    page->moduleNameEdit()->setFocus();
    EXPECT_TRUE(page->moduleVersionEdit()->text().isEmpty());
    EXPECT_FALSE(page->osBox(CustomEntriesPage::Box411)->isChecked());
    EXPECT_EQ(page->moduleNameEdit()->text(), QStringLiteral("ARCSERVE.DXP"));

    // "Other" enables its version field; Clear Entries empties the fields, not the list.
    page->osBox(CustomEntriesPage::BoxOther)->click();
    EXPECT_TRUE(page->otherVersionEdit()->isEnabled());
    click(page->button("Clear Entries"));
    EXPECT_TRUE(page->moduleNameEdit()->text().isEmpty());
    EXPECT_FALSE(page->osBox(CustomEntriesPage::BoxOther)->isChecked());
    EXPECT_FALSE(page->otherVersionEdit()->isEnabled());
    EXPECT_EQ(page->entryList()->model()->rowCount(), 2);
    EXPECT_TRUE(takeMessages().isEmpty());

    // The list is not read again at the next opening while it has rows.
    QFile::remove(uncontrolledPath());
    m_form->hide();
    m_form->show();
    EXPECT_EQ(page->entryList()->model()->rowCount(), 2);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(ManagerWindowTest, AddedModuleIsWrittenForEachTickedVersion) {
    open(false, ManagerWindowState::CustomizeDatabase);
    CustomizeDbPage* page = m_form->customizePage();
    click(page->button("Add/Update Module"));
    const QStringList refused = takeMessages();
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(
        refused.first().startsWith("Invalid input. Cannot add module:\r\n\r\n"
                                   "- Module Name required\r\n"));

    QTest::keyClicks(page->moduleNameEdit(), "tsa");
    EXPECT_EQ(page->moduleNameEdit()->text(), QStringLiteral("TSA"));
    QTest::keyClicks(page->moduleVersionEdit(), "5.01");
    page->osBox(CustomEntriesPage::Box410)->click();
    page->osBox(CustomEntriesPage::Box411)->click();
    page->fileSetBox()->setFocus();
    QTest::keyClicks(page->fileSetBox(), "TSAUP.ZIP");
    click(page->button("Add/Update Module"));  // leaving the box keeps its text as an item
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(page->moduleNameEdit()->text(), QStringLiteral("TSA.DXP"));
    EXPECT_EQ(page->fileSetBox()->count(), 1);
    EXPECT_EQ(page->fileSetBox()->itemText(0), QStringLiteral("TSAUP.ZIP"));
    EXPECT_EQ(rows(page->entryList()),
              QStringList({"3.12:+NE2000.LAN=3.10", "4.10:+TSA.DXP=5.01", "4.11:+ARCSERVE.DXP=6.10",
                           "4.11:+TSA.DXP=5.01"}));
    const IniFile custom(uncontrolledPath());
    const IniFile controlled(controlledPath());
    for (const char* key : {"4.10:+TSA.DXP", "4.11:+TSA.DXP"}) {
        EXPECT_EQ(custom.readString("Custom Entries", key, ""), "5.01");
        EXPECT_EQ(custom.readString("Custom FileSets", key, ""), "TSAUP.ZIP");
        EXPECT_EQ(controlled.readString("Core DXPs", key, ""), "5.01");
        EXPECT_EQ(controlled.readString("File Sets", key, ""), "TSAUP.ZIP");
    }

    // Adding it again tells that it was updated, unless the prompt is switched off.
    click(page->button("Add/Update Module"));
    EXPECT_EQ(takeMessages().size(), 2);
    page->promptToRestartBox()->click();
    click(page->button("Add/Update Module"));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(ManagerWindowTest, MultiSelectModeDeletesTheSelectedRows) {
    open(false, ManagerWindowState::CustomizeDatabase);
    CustomizeDbPage* page = m_form->customizePage();
    QListView* list = page->entryList();
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);

    // One row in the single-select mode; Cancel keeps it.
    clickRow(list, 0);
    m_dialogs.queueAnswer(Answer::Cancel);
    click(page->button("Delete Module"));
    EXPECT_EQ(takeMessages(), QStringList{"Delete selected item?"});
    EXPECT_EQ(list->model()->rowCount(), 2);

    page->selectionGroup()->button(1)->click();
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::MultiSelection);
    EXPECT_TRUE(list->selectionModel()->selectedRows().isEmpty());
    EXPECT_TRUE(page->moduleNameEdit()->text().isEmpty());
    clickRow(list, 0);
    clickRow(list, 1);
    EXPECT_EQ(list->selectionModel()->selectedRows().size(), 2);
    EXPECT_TRUE(page->moduleNameEdit()->text().isEmpty());  // nothing is shown while selecting
    m_dialogs.queueAnswer(Answer::Yes);
    click(page->button("Delete Module"));
    EXPECT_EQ(takeMessages(),
              QStringList({"Delete selected items?",
                           "Deletion completed successfully.\r\n\r\nClose down and restart "
                           "Cartovex\r\nfor changes to take effect."}));
    EXPECT_EQ(list->model()->rowCount(), 0);
    EXPECT_EQ(page->entriesLabel()->text(), QStringLiteral("Custom Database Entries:  0"));
    EXPECT_TRUE(IniFile(uncontrolledPath()).readSectionEntries("Custom Entries").isEmpty());

    // Nothing selected: nothing asked.
    click(page->button("Delete Module"));
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(ManagerWindowTest, SyncShowsItsProgressWindowAndTheStatusFollows) {
    open(false, ManagerWindowState::CustomizeDatabase);
    CustomizeDbPage* page = m_form->customizePage();
    click(page->button("Check Sync Status"));
    EXPECT_EQ(takeMessages(), QStringList{"Databases ARE NOT synchronized.\r\n"
                                          "Click the 'Sync Databases' button to sync databases."});
    EXPECT_EQ(page->button("Sync Databases")->toolTip(),
              QStringLiteral("Sync Your Custom DB Entries with Quarix-Controlled DB"));

    SyncProgressForm* progress = m_form->syncProgressWindow();
    EXPECT_EQ(progress->windowTitle(), QStringLiteral("Syncing Databases..."));
    EXPECT_FALSE(progress->isModal());
    ProgressWatch watch(progress);
    click(page->button("Sync Databases"));
    EXPECT_EQ(watch.steps, SixShownSteps);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(takeMessages(), QStringList{SyncComplete});
    const IniFile controlled(controlledPath());
    EXPECT_EQ(controlled.readString("Core DXPs", "4.11:+ARCSERVE.DXP", ""), "6.10");
    EXPECT_EQ(controlled.readString("File Sets", "3.12:+NE2000.LAN", ""), "NE2K.ZIP");
    EXPECT_FALSE(read(controlledPath()).contains("entered by hand"));
    // The manager shows the synchronised file.
    EXPECT_TRUE(m_form->databasePage()->textView()->toPlainText().contains("4.11:+ARCSERVE.DXP"));

    click(page->button("Check Sync Status"));
    EXPECT_EQ(takeMessages(), QStringList{"Databases appear synchronized."});
}

TEST_F(ManagerWindowTest, ManualUpdateSynchronisesThroughTheProgressWindow) {
    ProgressWatch watch(m_form->syncProgressWindow());
    m_dialogs.queueAnswer(Answer::Yes);
    ASSERT_TRUE(m_engine->manualUpdate(fixture("controlled.ini")));
    EXPECT_EQ(takeMessages(),
              QStringList({"Sync Custom Database with Quarix-controlled Database?", SyncComplete,
                           "Manual update of Quarix-controlled database complete."}));
    EXPECT_EQ(watch.steps, SixShownSteps);
    EXPECT_EQ(IniFile(controlledPath()).readString("Core DXPs", "3.12:+NE2000.LAN", ""), "3.10");

    // Once the window is gone the engine synchronises without it.
    m_form.reset();
    m_dialogs.queueAnswer(Answer::Yes);
    ASSERT_TRUE(m_engine->manualUpdate(fixture("controlled.ini")));
    EXPECT_EQ(takeMessages().at(1), SyncComplete);
}
