// The legacy core module page of the patch database manager: the list read from the
// Core DXPs section, Add/Change and Remove.
#include "managertest.h"

#include "ini/inifile.h"
#include "patchdb/coremodulepage.h"

#include <QFile>

namespace {

const QStringList FixtureKeys = {"   *** Demo", "3.12:CLIB.DXP", "4.10:CLIB.DXP", "4.11:DS.DXP",
                                 "3.11:CLIB.DXP"};
const QStringList FixtureVersions = {"No Version", "3.12j", "4.11", "No Version", "No Version"};

}  // namespace

TEST(CoreModuleKey, TheTypedNameIsUpperCasedAndGetsDxpWhenTheModuleHasNoExtension) {
    const struct {
        const char* typed;
        const char* key;
    } cases[] = {
        {"4.10:clib", "4.10:CLIB.DXP"},
        {"CLIB", "CLIB.DXP"},
        {"clib", "CLIB.DXP"},
        {"4.10:clib.nlm", "4.10:CLIB.NLM"},
        {"4.10:CLIB.DXP", "4.10:CLIB.DXP"},
        {"clib.dxp", "CLIB.DXP"},
        {"4.11:+mathlib", "4.11:+MATHLIB.DXP"},
        // Without ":" the whole key is tested for "."; with it only the text after the ":".
        {"4.10", "4.10"},
        {"3.12:", "3.12:.DXP"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CoreModulePage::normalisedKey(QString::fromLatin1(c.typed)),
                  QString::fromLatin1(c.key))
            << c.typed;
    }
}

TEST_F(ManagerTest, TheDefaultDatabaseListsTheDemoLineAsARowOfItsOwn) {
    manager().ReadCoreModuleList();
    EXPECT_EQ(corePage().keys(), QStringList({"   *** Demo", "3.12:CLIB.DXP", "4.10:CLIB.DXP"}));
    EXPECT_EQ(corePage().CoreVersions(), QStringList({"No Version", "3.12j", "4.11"}));
}

TEST_F(ManagerTest, TheCoreListTakesEverySectionWhoseHeaderContainsCoreDxps) {
    write(controlledPath(), fixture("databases/coredxps.ini"));
    corePage().NewDXPEdit = "typed";
    corePage().VersionEdit = "1.00";
    manager().ReadCoreModuleList();
    // "[Old Core DXPs]" counts; "[Core DXPs of 5.00]" directly ends it and is not a header of
    // its own, so its key is not listed. Versions come from [Core DXPs] only.
    EXPECT_EQ(corePage().keys(), FixtureKeys);
    EXPECT_EQ(corePage().CoreVersions(), FixtureVersions);
    EXPECT_EQ(corePage().NewDXPEdit, "");
    EXPECT_EQ(corePage().VersionEdit, "");
    EXPECT_EQ(corePage().selectedRow(), -1);
    // The read goes through ReadPatchDatabase.
    EXPECT_EQ(manager().locationLabel(), controlledPath());
    EXPECT_EQ(manager().databaseText().first(), "[Preferences]");
}

TEST_F(ManagerTest, TheCoreListOfAMissingDatabaseIsEmptyAfterTheWarning) {
    write(controlledPath(), fixture("databases/coredxps.ini"));
    manager().ReadCoreModuleList();
    ASSERT_FALSE(corePage().keys().isEmpty());
    QFile::remove(controlledPath());
    manager().ReadCoreModuleList();
    EXPECT_TRUE(corePage().keys().isEmpty());
    EXPECT_TRUE(corePage().CoreVersions().isEmpty());
    EXPECT_EQ(takeMessages(),
              QStringList({"No Quarix-controlled Database exists!\r\n(" + controlledPath() + ")"}));
}

TEST_F(ManagerTest, ClickingARowShowsItsKeyAndVersion) {
    write(controlledPath(), fixture("databases/coredxps.ini"));
    manager().ReadCoreModuleList();
    corePage().selectRow(2);
    EXPECT_EQ(corePage().selectedRow(), 2);
    EXPECT_EQ(corePage().NewDXPEdit, "4.10:CLIB.DXP");
    EXPECT_EQ(corePage().VersionEdit, "4.11");
    corePage().selectRow(0);
    EXPECT_EQ(corePage().NewDXPEdit, "   *** Demo");
    EXPECT_EQ(corePage().VersionEdit, "No Version");
    corePage().enterNameField();
    EXPECT_EQ(corePage().NewDXPEdit, "   *** Demo");
    EXPECT_EQ(corePage().VersionEdit, "");
}

TEST_F(ManagerTest, AddChangeDoesNothingInTheControlledMode) {
    write(controlledPath(), fixture("databases/coredxps.ini"));
    manager().ReadCoreModuleList();
    corePage().NewDXPEdit = "4.10:clib";
    corePage().VersionEdit = "";
    corePage().addChange();  // not even the missing version is reported
    corePage().VersionEdit = "4.12";
    corePage().addChange();
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
    EXPECT_EQ(read(controlledPath()), fixture("databases/coredxps.ini"));
    EXPECT_EQ(corePage().CoreVersions(), FixtureVersions);
    EXPECT_EQ(corePage().NewDXPEdit, "4.10:clib");
}

TEST_F(ManagerTest, AddChangeNeedsANameAndAVersion) {
    write(uncontrolledPath(), fixture("databases/coredxps.ini"));
    useUncontrolled();
    manager().ReadCoreModuleList();
    const QByteArray before = read(uncontrolledPath());

    corePage().NewDXPEdit = "";
    corePage().VersionEdit = "4.12";
    corePage().addChange();
    EXPECT_TRUE(m_dialogs.messages().isEmpty());

    corePage().NewDXPEdit = "4.10:clib";
    corePage().VersionEdit = "";
    corePage().addChange();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(m_dialogs.messages()[0].text, "DXP Version must be entered!");
    EXPECT_EQ(corePage().NewDXPEdit, "4.10:clib");  // kept for the user to complete

    EXPECT_EQ(read(uncontrolledPath()), before);
    EXPECT_EQ(corePage().keys(), FixtureKeys);
}

TEST_F(ManagerTest, AddChangeOfAnExistingKeyUpdatesItsRowAndItsValueInPlace) {
    write(uncontrolledPath(), fixture("databases/coredxps.ini"));
    useUncontrolled();
    manager().ReadCoreModuleList();
    const QByteArray before = read(uncontrolledPath());

    corePage().NewDXPEdit = "4.10:clib";  // lower case, no extension
    corePage().VersionEdit = "4.12";
    corePage().addChange();

    EXPECT_TRUE(m_dialogs.messages().isEmpty());
    EXPECT_EQ(corePage().keys(), FixtureKeys);
    QStringList versions = FixtureVersions;
    versions[2] = "4.12";
    EXPECT_EQ(corePage().CoreVersions(), versions);
    EXPECT_EQ(corePage().NewDXPEdit, "");
    EXPECT_EQ(corePage().VersionEdit, "");
    QByteArray expected = before;
    expected.replace("4.10:CLIB.DXP=4.11\r\n", "4.10:CLIB.DXP=4.12\r\n");
    EXPECT_EQ(read(uncontrolledPath()), expected);
    // The File Sets key of the same name is another section's and stays.
    EXPECT_EQ(IniFile(uncontrolledPath()).readString("File Sets", "4.10:CLIB.DXP", ""),
              "LIBUP5.EXE");
}

TEST_F(ManagerTest, AddChangeOfANewKeyAppendsAndSelectsARow) {
    write(uncontrolledPath(), fixture("databases/coredxps.ini"));
    useUncontrolled();
    manager().ReadCoreModuleList();

    corePage().NewDXPEdit = "4.11:mathlib";
    corePage().VersionEdit = "4.11b";
    corePage().addChange();
    corePage().NewDXPEdit = "nwpa";
    corePage().VersionEdit = "4.12";
    corePage().addChange();

    EXPECT_EQ(corePage().keys(), FixtureKeys + QStringList({"4.11:MATHLIB.DXP", "NWPA.DXP"}));
    EXPECT_EQ(corePage().CoreVersions(), FixtureVersions + QStringList({"4.11b", "4.12"}));
    EXPECT_EQ(corePage().selectedRow(), 6);
    EXPECT_EQ(corePage().NewDXPEdit, "");
    EXPECT_EQ(corePage().VersionEdit, "");

    // The keys go into [Core DXPs] among its entries, before the empty line that closes it.
    EXPECT_TRUE(read(uncontrolledPath())
                    .contains("4.11:DS.DXP\r\n4.11:MATHLIB.DXP=4.11b\r\nNWPA.DXP=4.12\r\n\r\n"
                              "[File Sets]\r\n"))
        << read(uncontrolledPath()).toStdString();
    manager().ReadCoreModuleList();
    EXPECT_EQ(corePage().keys(),
              QStringList({"   *** Demo", "3.12:CLIB.DXP", "4.10:CLIB.DXP", "4.11:DS.DXP",
                           "4.11:MATHLIB.DXP", "NWPA.DXP", "3.11:CLIB.DXP"}));
}

TEST_F(ManagerTest, RemoveWithoutASelectedRowChangesNothing) {
    write(uncontrolledPath(), fixture("databases/coredxps.ini"));
    useUncontrolled();
    manager().ReadCoreModuleList();
    const QByteArray before = read(uncontrolledPath());
    corePage().NewDXPEdit = "3.12:CLIB.DXP";  // typed, but no row clicked
    corePage().remove();
    EXPECT_EQ(read(uncontrolledPath()), before);
    EXPECT_EQ(corePage().keys(), FixtureKeys);
    EXPECT_EQ(corePage().NewDXPEdit, "3.12:CLIB.DXP");
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(ManagerTest, RemoveDeletesTheSelectedRowAndItsLineThenShowsTheFirstRow) {
    write(uncontrolledPath(), fixture("databases/coredxps.ini"));
    useUncontrolled();
    manager().ReadCoreModuleList();
    const QByteArray before = read(uncontrolledPath());
    corePage().selectRow(1);
    corePage().remove();

    QStringList keys = FixtureKeys;
    QStringList versions = FixtureVersions;
    keys.removeAt(1);
    versions.removeAt(1);
    EXPECT_EQ(corePage().keys(), keys);
    EXPECT_EQ(corePage().CoreVersions(), versions);
    EXPECT_EQ(corePage().selectedRow(), 0);
    EXPECT_EQ(corePage().NewDXPEdit, "   *** Demo");
    EXPECT_EQ(corePage().VersionEdit, "No Version");

    QByteArray expected = before;
    expected.replace("3.12:CLIB.DXP=3.12j\r\n", "");
    EXPECT_EQ(read(uncontrolledPath()), expected);
    EXPECT_FALSE(manager().databaseText().contains("3.12:CLIB.DXP=3.12j"));
    EXPECT_FALSE(manager().isModified());
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

// Remove deletes the Core DXPs line whose key is exactly the field: not a line of another
// section, not a longer key that begins with it; a key no line has changes nothing.
TEST_F(ManagerTest, RemoveDeletesTheCoreLineWithExactlyThatKey) {
    const QByteArray fileSets = "[File Sets]\r\n4.10:CLIB.DXP=LIBUP5.EXE\r\n\r\n";
    write(uncontrolledPath(), fileSets +
                                  "[Core DXPs]\r\n4.10:CLIB.DXP=4.11\r\n4.10:CLIB.DX=4.10\r\n"
                                  "4.11:CLIB.DXP=4.11d\r\n\r\n");
    useUncontrolled();
    manager().ReadCoreModuleList();
    ASSERT_EQ(corePage().keys(), QStringList({"4.10:CLIB.DXP", "4.10:CLIB.DX", "4.11:CLIB.DXP"}));
    corePage().selectRow(1);
    corePage().remove();
    EXPECT_EQ(corePage().keys(), QStringList({"4.10:CLIB.DXP", "4.11:CLIB.DXP"}));
    EXPECT_TRUE(read(uncontrolledPath())
                    .startsWith(fileSets + "[Core DXPs]\r\n4.10:CLIB.DXP=4.11\r\n"
                                           "4.11:CLIB.DXP=4.11d\r\n\r\n"));

    const QByteArray before = read(uncontrolledPath());
    corePage().selectRow(0);
    corePage().NewDXPEdit = "4.10:CLIB";  // only the start of a key
    corePage().remove();
    EXPECT_EQ(read(uncontrolledPath()), before);
}

TEST_F(ManagerTest, RemoveOfANameThatNoLineBeginsWithChangesNothing) {
    write(uncontrolledPath(), fixture("databases/coredxps.ini"));
    useUncontrolled();
    manager().ReadCoreModuleList();
    const QByteArray before = read(uncontrolledPath());
    corePage().selectRow(2);
    corePage().NewDXPEdit = "4.10:clib.dxp";  // the line is found with case only
    corePage().remove();
    EXPECT_EQ(corePage().keys(), FixtureKeys);
    EXPECT_EQ(read(uncontrolledPath()), before);
}

TEST_F(ManagerTest, RemovingTheLastRowEmptiesBothFields) {
    write(uncontrolledPath(), "[Core DXPs]\r\n4.11:CLIB.DXP=4.11d\r\n\r\n");
    useUncontrolled();
    manager().ReadCoreModuleList();
    corePage().selectRow(0);
    corePage().remove();
    EXPECT_TRUE(corePage().keys().isEmpty());
    EXPECT_TRUE(corePage().CoreVersions().isEmpty());
    EXPECT_EQ(corePage().NewDXPEdit, "");
    EXPECT_EQ(corePage().VersionEdit, "");
    EXPECT_EQ(corePage().selectedRow(), -1);
    EXPECT_FALSE(read(uncontrolledPath()).contains("4.11:CLIB.DXP"));
}

TEST_F(ManagerTest, RemoveDoesNothingInTheControlledMode) {
    write(controlledPath(), fixture("databases/coredxps.ini"));
    manager().ReadCoreModuleList();
    corePage().selectRow(1);
    corePage().remove();
    EXPECT_EQ(corePage().keys(), FixtureKeys);
    EXPECT_EQ(corePage().NewDXPEdit, "3.12:CLIB.DXP");
    EXPECT_EQ(read(controlledPath()), fixture("databases/coredxps.ini"));
}

TEST_F(ManagerTest, RemoveAfterKeyedWritesKeepsWhatTheyWrote) {
    write(uncontrolledPath(), fixture("databases/coredxps.ini"));
    useUncontrolled();
    manager().ReadCoreModuleList();
    corePage().NewDXPEdit = "4.11:mathlib";
    corePage().VersionEdit = "4.11b";
    corePage().addChange();
    const QString kit = copyFixture("kits/411pt2.txt");
    m_dialogs.queueAnswer(Answer::Yes);
    importPage().importFile(kit);

    // Saving the text as the whole file must not drop the key and the set written since the
    // text was last read.
    corePage().selectRow(1);
    corePage().remove();
    const QByteArray after = read(uncontrolledPath());
    EXPECT_TRUE(after.contains("4.11:MATHLIB.DXP=4.11b\r\n")) << after.toStdString();
    EXPECT_TRUE(after.contains("[411pt2.txt : ")) << after.toStdString();
    EXPECT_FALSE(after.contains("3.12:CLIB.DXP=3.12j"));
}
