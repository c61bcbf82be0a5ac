// The patch database manager's operations on the whole database: read, the patch
// set names, the file set keys, save, delete, create default, close and delete a patch set.
#include "managertest.h"

#include "ini/inifile.h"
#include "patchdb/defaultdatabase.h"
#include "settings/preferences.h"

#include <QFile>

namespace {

const QStringList FixtureSets = {"411pt2.txt : 5 native patches", "410pt6.txt : 3 native patches",
                                 "312pt9.txt : 2 native patches"};
const QStringList DefaultSets = {"410pt6.txt : 70 native patches",
                                 "312pt9.txt : 61 native patches"};
const QString DeleteQuestion = QStringLiteral(
    "Are you sure you want to delete the Patch Database?\r\n"
    "It will have to be recreated to verify patch information!");
const QString RecreateQuestion = QStringLiteral(
    "A Patch Database already exists.\r\n"
    "Are you sure you want to recreate the Patch Database?");
const QString CloseQuestion =
    QStringLiteral("Contents of the Patch Database have changed.  Save changes?");
const QString DeleteSetQuestion =
    QStringLiteral("Delete selected patch set from the Patch Database?");

QByteArray defaultBytes() {
    QByteArray out;
    for (const QString& line : DefaultDatabase::lines()) {
        out += line.toLatin1() + "\r\n";
    }
    return out;
}

QStringList fileLines(const QByteArray& bytes) {
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// ReadPatchDatabase and the set names

TEST_F(ManagerTest, ReadingAMissingControlledDatabaseWarnsAndEmptiesTheText) {
    manager().ReadPatchDatabase();
    ASSERT_FALSE(manager().databaseText().isEmpty());
    QFile::remove(controlledPath());
    manager().ReadPatchDatabase();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(m_dialogs.messages()[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(m_dialogs.messages()[0].text,
              "No Quarix-controlled Database exists!\r\n(" + controlledPath() + ")");
    EXPECT_TRUE(manager().databaseText().isEmpty());
    EXPECT_EQ(manager().locationLabel(), "");
    EXPECT_FALSE(QFile::exists(controlledPath()));  // reading never creates it
}

TEST_F(ManagerTest, ReadingAMissingUncontrolledDatabaseWarnsWithItsOwnText) {
    useUncontrolled();
    QFile::remove(uncontrolledPath());
    manager().ReadPatchDatabase();
    EXPECT_EQ(takeMessages(),
              QStringList({"No Uncontrolled Database exists!\r\n(" + uncontrolledPath() + ")"}));
    EXPECT_TRUE(manager().databaseText().isEmpty());
    EXPECT_EQ(manager().locationLabel(), "");
    EXPECT_TRUE(QFile::exists(controlledPath()));
}

TEST_F(ManagerTest, EveryLoadWithAMissingDatabaseWarnsOnceAndChecksNoModule) {
    // The uncontrolled database: quarixdb.ini is also the settings store, which the recent
    // file list writes to when a report is opened.
    useUncontrolled();
    QFile::remove(uncontrolledPath());
    for (int k = 1; k <= 2; ++k) {
        const ReportLoader::Result result =
            load(QStringLiteral("oak%1.txt").arg(k),
                 managerreports::longForm("4.10", {{"CLIB.DXP", "4.10"}, {"AFTER.DXP", ""}}));
        EXPECT_TRUE(result.completed) << k;
        EXPECT_EQ(takeMessages(),
                  QStringList({"No Uncontrolled Database exists!\r\n(" + uncontrolledPath() + ")"}))
            << k;
        EXPECT_TRUE(corePage().keys().isEmpty());
        EXPECT_TRUE(findingsIn(engine().model().Suggestions).isEmpty());
        EXPECT_TRUE(engine().analysis().OutOfDateModules.isEmpty());
    }
}

TEST_F(ManagerTest, ReadingCountsThePatchSetsAndListsTheirNamesDescending) {
    write(controlledPath(), fixture("databases/sets.ini"));
    manager().ReadPatchDatabase();
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
    EXPECT_EQ(manager().locationLabel(), controlledPath());
    EXPECT_EQ(manager().databaseText(), fileLines(fixture("databases/sets.ini")));
    EXPECT_EQ(manager().PatchSetCount(), 3);
    EXPECT_EQ(manager().patchSetNames(), FixtureSets);
    EXPECT_EQ(manager().FileSetKeys().lines(), QStringList({"4.11:CLIB.DXP"}));
    EXPECT_FALSE(manager().isModified());
    EXPECT_FALSE(manager().saveEnabled());

    useUncontrolled();  // CARTOVEX.INI holds the default database
    manager().ReadPatchDatabase();
    EXPECT_EQ(manager().locationLabel(), uncontrolledPath());
    EXPECT_EQ(manager().PatchSetCount(), 2);
    EXPECT_EQ(manager().patchSetNames(), DefaultSets);
    EXPECT_TRUE(manager().FileSetKeys().isEmpty());
}

TEST_F(ManagerTest, TheCountSearchesReservedWordsInTheLineButTheNamesDropOnlyExactNames) {
    write(controlledPath(),
          "[Preferences]\r\nDBType=Controlled\r\n\r\n"
          "[410pt6.txt : 3 native patches]\r\n1=LOADERFX.DXP\r\n\r\n"
          "[My Preferences Backup]\r\nHeight=600\r\n\r\n"
          "[core dxps]\r\n4.11:CLIB.DXP=4.11d\r\n\r\n"
          "[Custom FileSets]\r\n\r\n");
    manager().ReadPatchDatabase();
    // "Preferences" anywhere in a header keeps it out of the count; "core dxps" is not
    // "Core DXPs" with case, so it counts.
    EXPECT_EQ(manager().PatchSetCount(), 2);
    EXPECT_EQ(manager().patchSetNames(),
              QStringList({"My Preferences Backup", "core dxps", "410pt6.txt : 3 native patches"}));
}

TEST_F(ManagerTest, NamesThatDifferOnlyInCaseAreListedOnce) {
    write(controlledPath(),
          "[410pt6.txt : 1 native patches]\r\n1=LOADERFX.DXP\r\n\r\n"
          "[410PT6.TXT : 1 NATIVE PATCHES]\r\n1=LOADERFX.DXP\r\n\r\n"
          "[312pt9.txt : 1 native patches]\r\n1=LOADRFIX.DXP\r\n\r\n");
    manager().ReadPatchDatabase();
    EXPECT_EQ(manager().PatchSetCount(), 3);
    EXPECT_EQ(manager().patchSetNames(),
              QStringList({"410pt6.txt : 1 native patches", "312pt9.txt : 1 native patches"}));
}

TEST_F(ManagerTest, ReadingTheSetNamesFirstReadsTheDatabaseWhenNothingWasRead) {
    ASSERT_EQ(manager().locationLabel(), "");
    ASSERT_TRUE(manager().patchSetNames().isEmpty());
    manager().ReadPatchSetNames();
    EXPECT_EQ(manager().locationLabel(), controlledPath());
    EXPECT_EQ(manager().PatchSetCount(), 2);
    EXPECT_EQ(manager().patchSetNames(), DefaultSets);
}

TEST_F(ManagerTest, ADatabaseWithAsManySetsButOtherNamesShowsTheNewNames) {
    manager().ReadPatchDatabase();
    ASSERT_EQ(manager().patchSetNames(), DefaultSets);
    write(controlledPath(),
          "[411pt2.txt : 1 native patches]\r\n1=DSFIX.DXP\r\n\r\n"
          "[410pt7.txt : 1 native patches]\r\n1=LOADERFX.DXP\r\n\r\n");
    manager().ReadPatchDatabase();
    EXPECT_EQ(manager().PatchSetCount(), 2);
    EXPECT_EQ(manager().patchSetNames(),
              QStringList({"411pt2.txt : 1 native patches", "410pt7.txt : 1 native patches"}));
}

TEST_F(ManagerTest, FileSetKeysComeFromEveryFileSetsSectionUpToItsEnd) {
    write(controlledPath(),
          "[File Sets]\r\n4.11:CLIB.DXP=LIBUP7.EXE\r\n4.11:clib.dxp=DUP.EXE\r\nNOEQUALS\r\n"
          "[file sets]\r\nAFTERHEADER=NOT.EXE\r\n\r\n"  // a header that ends a section is not one
          "[Core DXPs]\r\n4.11:MATHLIB.DXP=4.11b\r\n\r\n"
          "[FILE SETS]\r\n4.10:CLIB.DXP=LIBUP5.EXE\r\n\r\nAFTERBLANK=NOT.EXE\r\n");
    manager().ReadPatchDatabase();
    // Sorted, no two equal ignoring case; a line without "=" gives an empty key.
    EXPECT_EQ(manager().FileSetKeys().lines(), QStringList({"", "4.10:CLIB.DXP", "4.11:CLIB.DXP"}));
}

// ---------------------------------------------------------------------------------------------
// Save

TEST_F(ManagerTest, SaveWritesTheEditedTextAsTheWholeFileAndReadsItAgain) {
    useUncontrolled();
    manager().ReadPatchDatabase();
    manager().editDatabaseText({"[411pt2.txt : 1 native patches]", "1=DSFIX.DXP", "", "[Core DXPs]",
                                "4.11:CLIB.DXP=4.11d", ""});
    EXPECT_TRUE(manager().isModified());
    EXPECT_TRUE(manager().saveEnabled());
    manager().save();
    EXPECT_EQ(read(uncontrolledPath()),
              "[411pt2.txt : 1 native patches]\r\n1=DSFIX.DXP\r\n\r\n[Core DXPs]\r\n"
              "4.11:CLIB.DXP=4.11d\r\n\r\n");
    EXPECT_FALSE(manager().isModified());
    EXPECT_FALSE(manager().saveEnabled());
    EXPECT_EQ(manager().PatchSetCount(), 1);
    EXPECT_EQ(manager().patchSetNames(), QStringList({"411pt2.txt : 1 native patches"}));
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Delete

TEST_F(ManagerTest, DeletingAMissingDatabaseWarns) {
    QFile::remove(controlledPath());
    m_dialogs.setDefaultAnswer(true);
    manager().deleteDatabase();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(m_dialogs.messages()[0].text,
              "No Patch Database exists!\r\n(" + controlledPath() + ")");
}

TEST_F(ManagerTest, DeleteAnsweredCancelKeepsTheDatabaseAndThePages) {
    manager().ReadCoreModuleList();
    const QByteArray before = read(controlledPath());
    m_dialogs.queueAnswer(Answer::Cancel);
    manager().deleteDatabase();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(m_dialogs.messages()[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(m_dialogs.messages()[0].text, DeleteQuestion);
    EXPECT_EQ(read(controlledPath()), before);
    EXPECT_EQ(manager().PatchSetCount(), 2);
    EXPECT_EQ(manager().patchSetNames(), DefaultSets);
    EXPECT_EQ(corePage().keys().size(), 3);
}

TEST_F(ManagerTest, DeleteAnsweredOkRemovesTheFileAndEmptiesEveryPage) {
    useUncontrolled();
    manager().ReadCoreModuleList();
    corePage().selectRow(1);
    m_dialogs.queueAnswer(Answer::No);
    importPage().importFile(copyFixture("kits/410pt6.txt"));
    manager().editDatabaseText(manager().databaseText());
    takeMessages();

    m_dialogs.queueAnswer(Answer::Ok);
    manager().deleteDatabase();
    EXPECT_EQ(takeMessages(), QStringList({DeleteQuestion}));
    EXPECT_FALSE(QFile::exists(uncontrolledPath()));
    EXPECT_TRUE(QFile::exists(controlledPath()));
    EXPECT_TRUE(manager().databaseText().isEmpty());
    EXPECT_EQ(manager().locationLabel(), "");
    EXPECT_EQ(manager().PatchSetCount(), 0);
    EXPECT_TRUE(manager().patchSetNames().isEmpty());
    EXPECT_FALSE(manager().saveEnabled());
    EXPECT_FALSE(manager().isModified());
    EXPECT_TRUE(corePage().keys().isEmpty());
    EXPECT_TRUE(corePage().CoreVersions().isEmpty());
    EXPECT_EQ(corePage().NewDXPEdit, "");
    EXPECT_TRUE(importPage().ImportPatchTxtFile.isEmpty());
    EXPECT_EQ(importPage().ImportPatchTxtFileLabel, "");
    EXPECT_TRUE(importPage().ImportPatchListBox.isEmpty());
    EXPECT_EQ(importPage().ImportPatchListBoxLabel, "");
}

// ---------------------------------------------------------------------------------------------
// Create default

TEST_F(ManagerTest, CreateDefaultAnsweredCancelKeepsTheDatabase) {
    write(uncontrolledPath(), fixture("databases/sets.ini"));
    useUncontrolled();
    const QByteArray before = read(uncontrolledPath());
    m_dialogs.queueAnswer(Answer::Cancel);
    manager().createDefault(QStringLiteral("C:\\REPORTS\\"));
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(m_dialogs.messages()[0].buttons, MessageButtons::YesCancel);
    EXPECT_EQ(m_dialogs.messages()[0].text, RecreateQuestion);
    EXPECT_EQ(read(uncontrolledPath()), before);
}

TEST_F(ManagerTest, CreateDefaultAnsweredYesRewritesTheFileAndStoresTheReportFolder) {
    write(uncontrolledPath(), fixture("databases/sets.ini"));
    useUncontrolled();
    manager().ReadCoreModuleList();
    m_dialogs.queueAnswer(Answer::No);
    importPage().importFile(copyFixture("kits/410pt6.txt"));
    takeMessages();

    m_dialogs.queueAnswer(Answer::Yes);
    manager().createDefault(QStringLiteral("C:\\REPORTS\\"));
    EXPECT_EQ(takeMessages(), QStringList({RecreateQuestion}));

    const QByteArray bytes = read(uncontrolledPath());
    // The default content, then RootDir in a new [Preferences]: what the file held is gone.
    EXPECT_TRUE(bytes.startsWith(defaultBytes())) << bytes.toStdString();
    EXPECT_FALSE(bytes.contains("Custom Entries"));
    EXPECT_FALSE(bytes.contains("411pt2"));
    EXPECT_EQ(Preferences(uncontrolledPath()).rootDir(), "C:\\REPORTS\\");
    EXPECT_EQ(IniFile(uncontrolledPath()).readString("Preferences", "DBType", "<none>"), "<none>");

    EXPECT_EQ(manager().locationLabel(), uncontrolledPath());
    EXPECT_EQ(manager().PatchSetCount(), 2);
    EXPECT_EQ(manager().patchSetNames(), DefaultSets);
    EXPECT_FALSE(manager().saveEnabled());
    EXPECT_TRUE(corePage().keys().isEmpty());
    EXPECT_TRUE(importPage().ImportPatchListBox.isEmpty());
    EXPECT_EQ(importPage().ImportPatchTxtFileLabel, "");
}

TEST_F(ManagerTest, CreateDefaultWithoutAFileAsksNothing) {
    useUncontrolled();
    QFile::remove(uncontrolledPath());
    manager().createDefault(QStringLiteral("/srv/reports/"));
    EXPECT_TRUE(m_dialogs.messages().isEmpty()) << m_dialogs.texts().join('|').toStdString();
    EXPECT_TRUE(read(uncontrolledPath()).startsWith(defaultBytes()));
    EXPECT_EQ(Preferences(uncontrolledPath()).rootDir(), "/srv/reports/");
    EXPECT_EQ(manager().PatchSetCount(), 2);
}

// ---------------------------------------------------------------------------------------------
// Close

TEST_F(ManagerTest, CloseWithoutChangesAsksNothing) {
    manager().ReadPatchDatabase();
    EXPECT_TRUE(manager().close());
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(ManagerTest, CloseAnsweredYesSavesTheEdits) {
    useUncontrolled();
    manager().ReadPatchDatabase();
    QStringList edited = manager().databaseText();
    edited.prepend("");
    edited.prepend("1=DSFIX.DXP");
    edited.prepend("[411pt2.txt : 1 native patches]");
    manager().editDatabaseText(edited);
    m_dialogs.queueAnswer(Answer::Yes);
    EXPECT_TRUE(manager().close());
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(m_dialogs.messages()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(m_dialogs.messages()[0].text, CloseQuestion);
    EXPECT_TRUE(read(uncontrolledPath()).startsWith("[411pt2.txt : 1 native patches]\r\n"));
    EXPECT_FALSE(manager().isModified());
    EXPECT_EQ(manager().databaseText(), edited);
    EXPECT_EQ(manager().PatchSetCount(), 3);
}

TEST_F(ManagerTest, CloseAnsweredNoDropsTheEdits) {
    useUncontrolled();
    manager().ReadPatchDatabase();
    const QByteArray before = read(uncontrolledPath());
    const QStringList original = manager().databaseText();
    manager().editDatabaseText({"[Core DXPs]", "4.11:CLIB.DXP=9.99", ""});
    m_dialogs.queueAnswer(Answer::No);
    EXPECT_TRUE(manager().close());
    EXPECT_EQ(takeMessages(), QStringList({CloseQuestion}));
    EXPECT_EQ(read(uncontrolledPath()), before);
    EXPECT_FALSE(manager().isModified());
    EXPECT_EQ(manager().databaseText(), original);
}

TEST_F(ManagerTest, CloseAnsweredCancelKeepsTheWindowAndTheEdits) {
    useUncontrolled();
    manager().ReadPatchDatabase();
    const QByteArray before = read(uncontrolledPath());
    const QStringList edited = {"[Core DXPs]", "4.11:CLIB.DXP=9.99", ""};
    manager().editDatabaseText(edited);
    m_dialogs.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(manager().close());
    EXPECT_EQ(takeMessages(), QStringList({CloseQuestion}));
    EXPECT_EQ(read(uncontrolledPath()), before);
    EXPECT_TRUE(manager().isModified());
    EXPECT_EQ(manager().databaseText(), edited);
}

// ---------------------------------------------------------------------------------------------
// Delete a patch set (the main window's Delete key)

TEST_F(ManagerTest, DeletingAPatchSetDoesNothingInTheControlledMode) {
    write(controlledPath(), fixture("databases/sets.ini"));
    manager().ReadPatchDatabase();
    m_dialogs.setDefaultAnswer(true);
    manager().deletePatchSet("410pt6.txt : 3 native patches");
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
    EXPECT_EQ(read(controlledPath()), fixture("databases/sets.ini"));
    EXPECT_EQ(manager().patchSetNames(), FixtureSets);
}

TEST_F(ManagerTest, DeletingAPatchSetAnsweredCancelKeepsIt) {
    write(uncontrolledPath(), fixture("databases/sets.ini"));
    useUncontrolled();
    manager().ReadPatchDatabase();
    m_dialogs.queueAnswer(Answer::Cancel);
    manager().deletePatchSet("410pt6.txt : 3 native patches");
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(m_dialogs.messages()[0].buttons, MessageButtons::YesCancel);
    EXPECT_EQ(m_dialogs.messages()[0].text, DeleteSetQuestion);
    EXPECT_EQ(read(uncontrolledPath()), fixture("databases/sets.ini"));
    EXPECT_EQ(manager().patchSetNames(), FixtureSets);
}

TEST_F(ManagerTest, DeletingAPatchSetAnsweredYesErasesItsSectionAndRereads) {
    write(uncontrolledPath(), fixture("databases/sets.ini"));
    useUncontrolled();
    manager().ReadPatchDatabase();
    m_dialogs.queueAnswer(Answer::Yes);
    manager().deletePatchSet("410pt6.txt : 3 native patches");
    EXPECT_EQ(takeMessages(), QStringList({DeleteSetQuestion}));
    const IniFile db(uncontrolledPath());
    EXPECT_FALSE(db.sectionExists("410pt6.txt : 3 native patches"));
    EXPECT_FALSE(read(uncontrolledPath()).contains("MMSEGFX2.DXP"));
    EXPECT_TRUE(db.sectionExists("Custom Entries"));
    EXPECT_EQ(manager().PatchSetCount(), 2);
    EXPECT_EQ(manager().patchSetNames(),
              QStringList({"411pt2.txt : 5 native patches", "312pt9.txt : 2 native patches"}));
}
