// Adding, reading, showing and deleting custom entries.
#include "customtest.h"

#include "ini/inifile.h"
#include "ui/operationerror.h"

#include <unistd.h>
#include <QFile>

namespace {

const QByteArray CustomDb =
    "[Preferences]\r\nDBType=Controlled\r\n\r\n"
    "[Custom Entries]\r\n"
    "4.11:+ZETA.DXP=2.10\r\n"
    "*** my drivers ***\r\n"
    "3.12:+ALPHA.LAN=1.05b\r\n"
    "6.5:+BETA.DXP=7.00\r\n"
    "\r\n"
    "[Custom FileSets]\r\n"
    "4.11:+ZETA.DXP=ZETAUP.ZIP\r\n"
    "3.12:+ALPHA.LAN=ALPHA.EXE\r\n"
    "\r\n"
    "[Core DXPs]\r\n4.10:CLIB.DXP=4.11\r\n\r\n";

QString existingMessage(const QString& key) {
    return "An existing version of the module \"" + key +
           "\" was found in the Custom Database.\r\n"
           "This module's information has been updated with the information you've just "
           "entered.\r\n\r\nCartovex must be restarted before all changes can take effect.";
}

}  // namespace

TEST_F(CustomTest, TwoBoxesWriteTwoKeysInOrderIntoBothFilesAndAddTwoRows) {
    writeUncontrolled("[Custom Entries]\r\n");  // a section that ends at the end of the file
    page().activate();
    fill("clib", "4.12", {"4.10", "4.11"}, QString(), "LIBUP12.EXE");
    page().addModule();
    EXPECT_TRUE(takeMessages().isEmpty());
    EXPECT_EQ(page().edtModuleName, "CLIB.DXP");
    EXPECT_EQ(page().lstCustomDBEntries(),
              QStringList({"4.10:+CLIB.DXP=4.12", "4.11:+CLIB.DXP=4.12"}));
    EXPECT_EQ(read(uncontrolledPath()),
              "[Custom Entries]\r\n4.11:+CLIB.DXP=4.12\r\n4.10:+CLIB.DXP=4.12\r\n\r\n"
              "[Custom FileSets]\r\n4.11:+CLIB.DXP=LIBUP12.EXE\r\n4.10:+CLIB.DXP=LIBUP12.EXE\r\n");
    const QByteArray controlled = read(controlledPath());
    EXPECT_TRUE(
        controlled.contains("4.10:CLIB.DXP=4.11\r\n4.11:+CLIB.DXP=4.12\r\n"
                            "4.10:+CLIB.DXP=4.12\r\n"))
        << controlled.toStdString();
    EXPECT_TRUE(
        controlled.endsWith("[File Sets]\r\n4.11:+CLIB.DXP=LIBUP12.EXE\r\n"
                            "4.10:+CLIB.DXP=LIBUP12.EXE\r\n"));
    // The label counts only what was read.
    EXPECT_EQ(page().lblCustomDBEntries(), "Custom Database Entries:  0");
}

TEST_F(CustomTest, OtherAndANameWithExtensionKeepTheirText) {
    fill("ne2000.lan", "3.10", {"Other"}, "6.5");
    page().addModule();
    EXPECT_EQ(page().lstCustomDBEntries(), QStringList({"6.5:+NE2000.LAN=3.10"}));
    EXPECT_EQ(IniFile(uncontrolledPath()).readString("Custom FileSets", "6.5:+NE2000.LAN", "-"),
              "");
    EXPECT_EQ(IniFile(controlledPath()).readString("Core DXPs", "6.5:+NE2000.LAN", ""), "3.10");
}

TEST_F(CustomTest, ReAddingKeepsTheOldRowUntilTheNextReadWhileBothFilesHoldTheNewVersion) {
    writeUncontrolled(CustomDb);
    page().activate();
    fill("zeta", "2.20", {"4.11"}, QString(), "ZETA22.ZIP");
    page().addModule();
    EXPECT_EQ(takeMessages(), QStringList({existingMessage("4.11:+ZETA.DXP")}));
    EXPECT_TRUE(page().lstCustomDBEntries().contains("4.11:+ZETA.DXP=2.10"));
    EXPECT_EQ(IniFile(uncontrolledPath()).readString("Custom Entries", "4.11:+ZETA.DXP", ""),
              "2.20");
    EXPECT_EQ(IniFile(uncontrolledPath()).readString("Custom FileSets", "4.11:+ZETA.DXP", ""),
              "ZETA22.ZIP");
    EXPECT_EQ(IniFile(controlledPath()).readString("Core DXPs", "4.11:+ZETA.DXP", ""), "2.20");
    EXPECT_EQ(IniFile(controlledPath()).readString("File Sets", "4.11:+ZETA.DXP", ""),
              "ZETA22.ZIP");

    // Without the restart prompt the update is silent.
    page().chkPromptToRestartOnUpdate = false;
    fill("zeta", "2.30", {"4.11"});
    page().addModule();
    EXPECT_TRUE(takeMessages().isEmpty());

    page().ReadCustomEntries();
    EXPECT_EQ(page().lstCustomDBEntries(),
              QStringList({"3.12:+ALPHA.LAN=1.05b", "4.11:+ZETA.DXP=2.30", "6.5:+BETA.DXP=7.00"}));
}

TEST_F(CustomTest, ReadListsEntriesWithoutCommentsAndEmptiesTheFieldsAndTheManagerText) {
    writeUncontrolled(CustomDb);
    engine().manager().ReadPatchDatabase();
    ASSERT_FALSE(engine().manager().databaseText().isEmpty());
    fill("X", "1", {"Other"}, "9");
    page().ReadCustomEntries();
    EXPECT_EQ(page().lstCustomDBEntries(),
              QStringList({"3.12:+ALPHA.LAN=1.05b", "4.11:+ZETA.DXP=2.10", "6.5:+BETA.DXP=7.00"}));
    EXPECT_EQ(page().lblCustomDBEntries(), "Custom Database Entries:  3");
    EXPECT_TRUE(page().edtModuleName.isEmpty());
    EXPECT_FALSE(page().osBoxes[CustomEntriesPage::BoxOther]);
    EXPECT_FALSE(page().edtOtherVerEnabled());
    EXPECT_TRUE(engine().manager().databaseText().isEmpty());
    EXPECT_TRUE(engine().manager().locationLabel().isEmpty());

    // A header that directly ends the section is not read as the start of another.
    writeUncontrolled(
        "[Custom Entries]\r\n4.10:+A.DXP=1\r\n[Custom Entries Old]\r\n"
        "4.10:+B.DXP=2\r\n\r\n[Custom Entries 2]\r\n3.11:+C.DXP=3");
    page().ReadCustomEntries();
    EXPECT_EQ(page().lstCustomDBEntries(), QStringList({"3.11:+C.DXP=3", "4.10:+A.DXP=1"}));

    QFile::remove(uncontrolledPath());
    page().ReadCustomEntries();
    EXPECT_EQ(takeMessages(),
              QStringList({"No Customizable Database exists!\r\n(" + uncontrolledPath() + ")"}));
    EXPECT_EQ(page().lblCustomDBEntries(), "Custom Database Entries:  0");
}

TEST_F(CustomTest, ActivationReadsOnlyAnEmptyListAndResetsTheSelection) {
    writeUncontrolled(CustomDb);
    page().activate();
    ASSERT_EQ(page().lstCustomDBEntries().size(), 3);
    page().clickRow(1);
    writeUncontrolled("[Custom Entries]\r\n4.10:+NEW.DXP=1\r\n\r\n");
    page().activate();
    EXPECT_EQ(page().lstCustomDBEntries().size(), 3);
    EXPECT_TRUE(page().selectedRows().isEmpty());
    EXPECT_TRUE(page().edtModuleName.isEmpty());
}

TEST_F(CustomTest, ShowingARowFillsTheFieldsFromItAndItsFileSet) {
    writeUncontrolled(CustomDb + "[Custom Entries]\r\n");
    page().activate();
    page().clickRow(1);  // 4.11:+ZETA.DXP=2.10
    EXPECT_EQ(page().edtModuleName, "ZETA.DXP");
    EXPECT_EQ(page().edtModuleVer, "2.10");
    EXPECT_EQ(page().osBoxes, (std::array<bool, 6>{false, true, false, false, false, false}));
    EXPECT_FALSE(page().edtOtherVerEnabled());
    EXPECT_EQ(page().cbxCustomFileSet, "ZETAUP.ZIP");
    EXPECT_EQ(page().selectedRows(), QList<int>({1}));

    page().clickRow(2);  // 6.5:+BETA.DXP=7.00, no file set
    EXPECT_EQ(page().edtModuleName, "BETA.DXP");
    EXPECT_EQ(page().osBoxes, (std::array<bool, 6>{false, false, false, false, false, true}));
    EXPECT_TRUE(page().edtOtherVerEnabled());
    EXPECT_EQ(page().edtOtherVer, "6.5");
    EXPECT_EQ(page().cbxCustomFileSet, "");

    // A long version is shown cut to 40 characters; a row without "+" names the module after
    // the ":".
    writeUncontrolled("[Custom Entries]\r\n4.10:CLIB.DXP=" + QByteArray(45, 'x') + "\r\n\r\n");
    page().ReadCustomEntries();
    page().clickRow(0);
    EXPECT_EQ(page().edtModuleName, "CLIB.DXP");
    EXPECT_EQ(page().edtModuleVer, QString(40, u'x'));
    EXPECT_TRUE(page().osBoxes[CustomEntriesPage::Box410]);
}

TEST_F(CustomTest, SelectionModesAndTheInputFieldCommands) {
    writeUncontrolled(CustomDb);
    page().activate();
    page().setSelectionMode(CustomEntriesPage::SelectionMode::MultiSelectToDelete);
    page().clickRow(2);
    page().clickRow(0);
    EXPECT_EQ(page().selectedRows(), QList<int>({0, 2}));
    EXPECT_TRUE(page().edtModuleName.isEmpty());  // the multi-select mode shows nothing
    page().clickRow(2);
    EXPECT_EQ(page().selectedRows(), QList<int>({0}));
    page().setSelectionMode(CustomEntriesPage::SelectionMode::SingleSelectToView);
    EXPECT_TRUE(page().selectedRows().isEmpty());

    page().clickRow(1);
    page().edtModuleName = "NEW";
    page().enterNameField();
    EXPECT_EQ(page().edtModuleName, "NEW");
    EXPECT_TRUE(page().edtModuleVer.isEmpty());
    EXPECT_TRUE(page().cbxCustomFileSet.isEmpty());
    EXPECT_EQ(page().osBoxes, (std::array<bool, 6>{}));

    fill("A", "1", {"Other"}, "7", "F.ZIP");
    page().clearEntries();
    EXPECT_TRUE(page().edtModuleName.isEmpty());
    EXPECT_TRUE(page().edtOtherVer.isEmpty());
    EXPECT_FALSE(page().edtOtherVerEnabled());
    EXPECT_EQ(page().lstCustomDBEntries().size(), 3);

    page().setOtherChecked(true);
    EXPECT_TRUE(page().edtOtherVerEnabled());
    page().setOtherChecked(false);
    EXPECT_FALSE(page().edtOtherVerEnabled());

    for (const char* text : {"upd.zip", "UPD.ZIP", "", "new.exe"}) {
        page().cbxCustomFileSet = text;
        page().leaveFileSetBox();
    }
    EXPECT_EQ(page().cbxCustomFileSetItems(), QStringList({"upd.zip", "new.exe"}));
}

TEST_F(CustomTest, DeleteWritesTheRemainingRowsBackWithoutComments) {
    writeUncontrolled(CustomDb);
    page().activate();
    page().deleteModule();  // nothing selected: nothing asked
    EXPECT_TRUE(takeMessages().isEmpty());

    page().setSelectionMode(CustomEntriesPage::SelectionMode::MultiSelectToDelete);
    page().selectRows({0, 2});
    m_dialogs.queueAnswer(Answer::Cancel);
    page().deleteModule();
    EXPECT_EQ(takeMessages(), QStringList({"Delete selected items?"}));
    EXPECT_EQ(read(uncontrolledPath()), CustomDb);

    page().clickRow(0);
    page().clickRow(2);
    page().clickRow(1);
    page().selectRows({1});
    m_dialogs.queueAnswer(Answer::Yes);
    page().deleteModule();
    ASSERT_EQ(m_dialogs.messages().size(), 2);
    EXPECT_EQ(m_dialogs.messages()[0].buttons, MessageButtons::YesCancel);
    EXPECT_EQ(m_dialogs.messages()[0].text, "Delete selected item?");
    EXPECT_EQ(m_dialogs.messages()[1].text,
              "Deletion completed successfully.\r\n\r\nClose down and restart Cartovex\r\n"
              "for changes to take effect.");
    // The section is rewritten at the end of the file in list order, the comment line gone;
    // the file sets and the controlled file keep the deleted key.
    EXPECT_EQ(read(uncontrolledPath()),
              "[Preferences]\r\nDBType=Controlled\r\n\r\n"
              "[Custom FileSets]\r\n4.11:+ZETA.DXP=ZETAUP.ZIP\r\n3.12:+ALPHA.LAN=ALPHA.EXE\r\n"
              "\r\n[Core DXPs]\r\n4.10:CLIB.DXP=4.11\r\n\r\n"
              "[Custom Entries]\r\n3.12:+ALPHA.LAN=1.05b\r\n6.5:+BETA.DXP=7.00\r\n");
    EXPECT_EQ(page().lstCustomDBEntries(),
              QStringList({"3.12:+ALPHA.LAN=1.05b", "6.5:+BETA.DXP=7.00"}));
    EXPECT_EQ(page().lblCustomDBEntries(), "Custom Database Entries:  2");
}

TEST_F(CustomTest, DeleteKeepsLongValuesWholeAndAFailedWriteLosesNothing) {
    const QByteArray longVersion = "4.12 build " + QByteArray(40, '7');
    const QByteArray db = "[Custom Entries]\r\n4.10:+A.DXP=" + longVersion +
                          "\r\n4.10:+B.DXP=1\r\n\r\n[Custom FileSets]\r\n4.10:+A.DXP=A.ZIP\r\n";
    writeUncontrolled(db);
    page().activate();
    page().selectRows({1});
    m_dialogs.setDefaultAnswer(true);
    QFile::setPermissions(uncontrolledPath(), QFileDevice::ReadOwner);
    if (access(QFile::encodeName(uncontrolledPath()).constData(), W_OK) != 0) {
        EXPECT_THROW(page().deleteModule(), OperationError);
        EXPECT_EQ(read(uncontrolledPath()), db);
    }
    QFile::setPermissions(uncontrolledPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    page().deleteModule();
    EXPECT_EQ(read(uncontrolledPath()),
              "[Custom FileSets]\r\n4.10:+A.DXP=A.ZIP\r\n\r\n"
              "[Custom Entries]\r\n4.10:+A.DXP=" +
                  longVersion + "\r\n");
}
