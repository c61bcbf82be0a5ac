// The import page of the patch database manager: the kit scanner, the import from a
// kit file and the import from a selection of the kit's text.
#include "managertest.h"
#include "testsupport.h"

#include "ini/inifile.h"
#include "patchdb/patchkitimport.h"

namespace {

const QString AddQuestion3 = QStringLiteral(
    "3 patches found.  Add these to the Patch Database?\r\n"
    "(If this is not the correct number then choose NO and manually\r\n"
    " highlight the area in the patch text file to import patches.)");
const QString SelectionQuestion = QStringLiteral("Import patches from selected text?");
const QStringList Kit410 = {"LOADERFX.DXP", "SRVPWFIX.DXP", "MMSEGFX2.DXP"};
const QStringList Kit411 = {"DSFIX.DXP", "SPXFX2.DXP", "TIMEFIX2.DXP", "CLOCKFX.DXP",
                            "MSENGFIX.DXP"};

// A small uncontrolled database without patch sets.
const QByteArray SmallDb =
    "[Preferences]\r\nDBType=Uncontrolled\r\n\r\n[Core DXPs]\r\n4.11:CLIB.DXP=4.11d\r\n\r\n";

QStringList kitLines(const QByteArray& bytes) {
    return QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
}

int countOf(const QByteArray& haystack, const QByteArray& needle) {
    return int(haystack.count(needle));
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The scanner

TEST(KitScanner, OnlyTheFirst16CharactersOfALineNameAPatchModule) {
    const struct {
        const char* line;
        const char* name;
    } cases[] = {
        {"  LOADERFX.DXP    4,512  06-02-99", "LOADERFX.DXP"},
        {"LOADERFX.DXP", "LOADERFX.DXP"},
        {"    SRVPWFIX.DXP  four blanks end in column 16", "SRVPWFIX.DXP"},
        {"     SRVPWFIX.DXP five blanks push the P past column 16", ""},
        {"  README.TXT      NOTEFX.DXP is described here", ""},
        {"  VERYLONGNAMEFX.DXP", ""},
        {"  MMSEGFX2.DXP", "MMSEGFX2.DXP"},
        {"  TCPIFIX2.DXP", "TCPIFIX2.DXP"},
        {"  SPXFX.DXP", "SPXFX.DXP"},
        {"  CLIBFIX.DXP", "CLIBFIX.DXP"},
        {"  loaderfx.dxp", ""},  // the test is made with case
        {"  LoaderFx.Dxp", ""},
        {"  PURGE.DXP", ""},
        {"  FIX.TXT", ""},
        {"  OLDFX.DXP.BAK", "OLDFX.DXP.BAK"},  // contained anywhere in the cut text
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PatchKitImport::patchModuleIn(QString::fromLatin1(c.line)),
                  QString::fromLatin1(c.name))
            << c.line;
    }
}

TEST(KitScanner, ABlockStartsAtNativeStartAfterFilesIncludedAndEndsBeforeANonBlankLine) {
    const struct {
        const char* what;
        QStringList lines;
        QStringList names;
    } cases[] = {
        {"simple block",
         {"Files Included", "  \\NATIVE\\START", "  AFX.DXP", "  BFIX.DXP"},
         {"AFX.DXP", "BFIX.DXP"}},
        {"empty lines do not end the block",
         {"Files Included", "\\NATIVE\\START", "  AFX.DXP", "", "", "  BFX2.DXP"},
         {"AFX.DXP", "BFX2.DXP"}},
        {"the line after a block is not examined for modules",
         {"Files Included", "\\NATIVE\\START", "  AFX.DXP", "ENDFX.DXP ends the block",
          "  LATEFX.DXP"},
         {"AFX.DXP"}},
        {"the first line of a block is examined even without a leading blank",
         {"Files Included", "\\NATIVE\\START", "FIRSTFX.DXP", "  NEXTFIX.DXP"},
         {"FIRSTFX.DXP", "NEXTFIX.DXP"}},
        {"a first line followed by a non-blank line is the whole block",
         {"Files Included", "\\NATIVE\\START", "FIRSTFX.DXP", "SECONDFX.DXP"},
         {"FIRSTFX.DXP"}},
        {"start before Files Included is ignored",
         {"\\NATIVE\\START", "  AFX.DXP", "Files Included", "  BFX.DXP"},
         {}},
        {"lines between Files Included and the start are not taken",
         {"Files Included", "  AFX.DXP", "  \\NATIVE\\START", "  BFX.DXP"},
         {"BFX.DXP"}},
        {"the start marker is found anywhere in a line",
         {"Files Included", "copy these into \\NATIVE\\START now:", "  AFX.DXP"},
         {"AFX.DXP"}},
        {"a later Files Included starts a second block",
         {"Files Included", "\\NATIVE\\START", "  AFX.DXP", "Readme", "  NOTFX.DXP",
          "Files Included", "\\NATIVE\\START", "  BFX.DXP"},
         {"AFX.DXP", "BFX.DXP"}},
        {"a block ended by a Files Included line goes straight on to the next start",
         {"Files Included", "\\NATIVE\\START", "  AFX.DXP", "Files Included (part 2)",
          "\\NATIVE\\START", "  BFX.DXP"},
         {"AFX.DXP", "BFX.DXP"}},
        {"lower-case markers are not markers",
         {"files included", "\\native\\start", "  AFX.DXP"},
         {}},
        {"no lines", {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PatchKitImport::scanKit(c.lines, nullptr), c.names) << c.what;
    }
}

TEST(KitScanner, TheKitFixturesGiveTheirModulesInFileOrder) {
    EXPECT_EQ(PatchKitImport::scanKit(kitLines(ManagerTest::fixture("kits/410pt6.txt")), nullptr),
              Kit410);
    EXPECT_EQ(PatchKitImport::scanKit(kitLines(ManagerTest::fixture("kits/411pt2.txt")), nullptr),
              Kit411);
    EXPECT_TRUE(
        PatchKitImport::scanKit(kitLines(ManagerTest::fixture("kits/nomarkers.txt")), nullptr)
            .isEmpty());
    EXPECT_TRUE(PatchKitImport::scanKit(kitLines(ManagerTest::fixture("kits/nostart.txt")), nullptr)
                    .isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Import from a kit file

TEST_F(ManagerTest, ImportAsksWithTheCountAndWritesTheSectionKeyByKey) {
    write(uncontrolledPath(), SmallDb);
    useUncontrolled();
    manager().ReadPatchDatabase();
    ASSERT_TRUE(manager().patchSetNames().isEmpty());
    const QByteArray before = read(uncontrolledPath());

    m_dialogs.queueAnswer(Answer::Yes);
    importPage().importFile(copyFixture("kits/410pt6.txt"));

    const PatchKitImport& page = importPage();
    EXPECT_EQ(page.ImportPatchTxtFileLabel, "410pt6.txt");  // the file name without its folder
    EXPECT_EQ(page.ImportPatchTxtFile.size(), 23);
    EXPECT_EQ(page.ImportPatchTxtFile.first(), "DALTRIX QUARIX 4.10 PATCH KIT 6 (410PT6.EXE)");
    EXPECT_EQ(page.ImportPatchListBox, Kit410);
    EXPECT_EQ(page.ImportPatchListBoxLabel, "3 patches");

    ASSERT_EQ(m_dialogs.messages().size(), 2);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(m_dialogs.messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(m_dialogs.messages()[0].text, AddQuestion3);
    EXPECT_EQ(m_dialogs.messages()[1].kind, MessageKind::Information);
    EXPECT_EQ(m_dialogs.messages()[1].text, "3 patches added to the Patch Database.");

    const QByteArray after = read(uncontrolledPath());
    EXPECT_TRUE(after.startsWith(before)) << after.toStdString();
    EXPECT_TRUE(
        after.contains("[410pt6.txt : 3 native patches]\r\n1=LOADERFX.DXP\r\n"
                       "2=SRVPWFIX.DXP\r\n3=MMSEGFX2.DXP\r\n"))
        << after.toStdString();
    const IniFile db(uncontrolledPath());
    EXPECT_EQ(db.readSectionKeys("410pt6.txt : 3 native patches"), QStringList({"1", "2", "3"}));

    // The view of set names is not refreshed by the import; the next read shows the set.
    EXPECT_TRUE(manager().patchSetNames().isEmpty());
    manager().ReadPatchDatabase();
    EXPECT_EQ(manager().PatchSetCount(), 1);
    EXPECT_EQ(manager().patchSetNames(), QStringList({"410pt6.txt : 3 native patches"}));
}

TEST_F(ManagerTest, ImportOfAKitWithThreeBlocksNamesAllFiveModules) {
    write(uncontrolledPath(), SmallDb);
    useUncontrolled();
    m_dialogs.setDefaultAnswer(true);
    importPage().importFile(copyFixture("kits/411pt2.txt"));
    EXPECT_EQ(importPage().ImportPatchListBox, Kit411);
    EXPECT_EQ(importPage().ImportPatchListBoxLabel, "5 patches");
    const QStringList messages = takeMessages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].startsWith("5 patches found.  Add these to the Patch Database?\r\n"));
    EXPECT_EQ(messages[1], "5 patches added to the Patch Database.");
    const IniFile db(uncontrolledPath());
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(db.readString("411pt2.txt : 5 native patches", QString::number(k), "?"),
                  Kit411.at(k - 1));
    }
}

TEST_F(ManagerTest, AnsweringNoToTheImportQuestionWritesNothing) {
    write(uncontrolledPath(), SmallDb);
    useUncontrolled();
    const QByteArray before = read(uncontrolledPath());
    m_dialogs.queueAnswer(Answer::No);
    importPage().importFile(copyFixture("kits/410pt6.txt"));
    EXPECT_EQ(importPage().ImportPatchListBox, Kit410);  // the list still shows what was found
    EXPECT_EQ(importPage().ImportPatchListBoxLabel, "3 patches");
    EXPECT_EQ(takeMessages(), QStringList({AddQuestion3}));
    EXPECT_EQ(read(uncontrolledPath()), before);
}

TEST_F(ManagerTest, KitsWithoutTheMarkersFindNothingAndAskNothing) {
    write(uncontrolledPath(), SmallDb);
    useUncontrolled();
    const QByteArray before = read(uncontrolledPath());
    m_dialogs.setDefaultAnswer(true);
    for (const char* kit : {"kits/nomarkers.txt", "kits/nostart.txt"}) {
        importPage().importFile(copyFixture(kit));
        EXPECT_TRUE(importPage().ImportPatchListBox.isEmpty()) << kit;
        EXPECT_EQ(importPage().ImportPatchListBoxLabel, "0 patches") << kit;
        EXPECT_FALSE(importPage().ImportPatchTxtFile.isEmpty()) << kit;  // the text is shown
        EXPECT_TRUE(m_dialogs.messages().isEmpty()) << kit;
    }
    EXPECT_EQ(read(uncontrolledPath()), before);
}

TEST_F(ManagerTest, AMissingKitFileEmptiesTheTextAndFindsNothing) {
    write(uncontrolledPath(), SmallDb);
    useUncontrolled();
    m_dialogs.queueAnswer(Answer::No);
    importPage().importFile(copyFixture("kits/410pt6.txt"));
    takeMessages();
    m_dialogs.setDefaultAnswer(true);
    importPage().importFile(workPath("kits/missing.txt"));
    EXPECT_TRUE(importPage().ImportPatchTxtFile.isEmpty());
    EXPECT_TRUE(importPage().ImportPatchListBox.isEmpty());
    EXPECT_EQ(importPage().ImportPatchListBoxLabel, "0 patches");
    // The file name caption is only set for a file that exists.
    EXPECT_EQ(importPage().ImportPatchTxtFileLabel, "410pt6.txt");
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(ManagerTest, ImportingTheSameKitTwiceWithTheSameCountRewritesOneSection) {
    write(uncontrolledPath(), SmallDb);
    useUncontrolled();
    m_dialogs.setDefaultAnswer(true);
    const QString kit = copyFixture("kits/410pt6.txt");
    importPage().importFile(kit);
    const QByteArray once = read(uncontrolledPath());
    importPage().importFile(kit);
    EXPECT_EQ(read(uncontrolledPath()), once);
    EXPECT_EQ(countOf(once, "[410pt6.txt : 3 native patches]"), 1);
    EXPECT_EQ(takeMessages().size(), 4);  // question and confirmation, twice
}

TEST_F(ManagerTest, ImportingAKitOfTheSameNameWithAnotherCountAddsASecondSection) {
    write(uncontrolledPath(), SmallDb);
    useUncontrolled();
    m_dialogs.setDefaultAnswer(true);
    importPage().importFile(copyFixture("kits/410pt6.txt"));
    importPage().importFile(copyFixture("kits/second/410pt6.txt"));
    EXPECT_EQ(importPage().ImportPatchTxtFileLabel, "410pt6.txt");
    EXPECT_EQ(importPage().ImportPatchListBox, QStringList({"LOADERFX.DXP", "CLIBFIX.DXP"}));

    const QByteArray bytes = read(uncontrolledPath());
    EXPECT_EQ(countOf(bytes, "[410pt6.txt : 3 native patches]"), 1);
    EXPECT_EQ(countOf(bytes, "[410pt6.txt : 2 native patches]"), 1);
    EXPECT_TRUE(
        bytes.contains("[410pt6.txt : 2 native patches]\r\n1=LOADERFX.DXP\r\n"
                       "2=CLIBFIX.DXP\r\n"));
    manager().ReadPatchDatabase();
    EXPECT_EQ(manager().PatchSetCount(), 2);
    EXPECT_EQ(manager().patchSetNames(),
              QStringList({"410pt6.txt : 3 native patches", "410pt6.txt : 2 native patches"}));
}

TEST_F(ManagerTest, AnExistingSectionOfTheSameNameKeepsItsKeysAboveTheNewCount) {
    write(uncontrolledPath(),
          "[410pt6.txt : 3 native patches]\r\n1=OLD1.DXP\r\n2=OLD2.DXP\r\n3=OLD3.DXP\r\n"
          "4=OLD4FX.DXP\r\n\r\n[Core DXPs]\r\n4.10:CLIB.DXP=4.11\r\n\r\n");
    useUncontrolled();
    m_dialogs.setDefaultAnswer(true);
    importPage().importFile(copyFixture("kits/410pt6.txt"));
    const QByteArray bytes = read(uncontrolledPath());
    // Each key is replaced in place; key 4 stays, and the section keeps its place.
    EXPECT_TRUE(
        bytes.startsWith("[410pt6.txt : 3 native patches]\r\n1=LOADERFX.DXP\r\n"
                         "2=SRVPWFIX.DXP\r\n3=MMSEGFX2.DXP\r\n4=OLD4FX.DXP\r\n\r\n"
                         "[Core DXPs]\r\n"))
        << bytes.toStdString();
    EXPECT_EQ(countOf(bytes, "[410pt6.txt"), 1);
}

// ---------------------------------------------------------------------------------------------
// Import from a selection

TEST_F(ManagerTest, ASelectionReplacesTheKitsSetInTheUncontrolledDatabase) {
    // The default CARTOVEX.INI starts with the 70 modules of 410pt6.
    useUncontrolled();
    manager().ReadPatchDatabase();
    ASSERT_EQ(manager().PatchSetCount(), 2);
    m_dialogs.queueAnswer(Answer::No);  // not the count the user wanted
    importPage().importFile(copyFixture("kits/410pt6.txt"));
    takeMessages();

    m_dialogs.queueAnswer(Answer::Yes);
    importPage().importSelection(
        QStringLiteral("  LOADERFX.DXP    4,512  06-02-99  Loader fix\r\n"
                       "  SRVPWFIX.DXP    2,048  06-02-99  Server password fix\r\n"
                       "  README.TXT      NOTEFX.DXP is described in this file\r\n"
                       "     TCPIFIX2.DXP  indented so far that column 16 cuts it"));
    EXPECT_EQ(importPage().ImportPatchListBox, QStringList({"LOADERFX.DXP", "SRVPWFIX.DXP"}));
    EXPECT_EQ(importPage().ImportPatchListBoxLabel, "2 patches");

    ASSERT_EQ(m_dialogs.messages().size(), 2);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(m_dialogs.messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(m_dialogs.messages()[0].text, SelectionQuestion);
    EXPECT_EQ(m_dialogs.messages()[1].text, "2 patches added to the Patch Database.");

    const IniFile db(uncontrolledPath());
    EXPECT_FALSE(db.sectionExists("410pt6.txt : 70 native patches"));
    EXPECT_TRUE(db.sectionExists("312pt9.txt : 61 native patches"));
    EXPECT_EQ(db.readSectionKeys("410pt6.txt : 2 native patches"), QStringList({"1", "2"}));
    EXPECT_EQ(db.readString("410pt6.txt : 2 native patches", "2", ""), "SRVPWFIX.DXP");
    EXPECT_TRUE(db.sectionExists("Core DXPs"));

    manager().ReadPatchDatabase();
    EXPECT_EQ(manager().PatchSetCount(), 2);
    EXPECT_EQ(manager().patchSetNames(),
              QStringList({"410pt6.txt : 2 native patches", "312pt9.txt : 61 native patches"}));
}

TEST_F(ManagerTest, ASelectionErasesOnlyTheFirstHeaderThatContainsTheKitNameWithCase) {
    write(uncontrolledPath(),
          "[410PT6.TXT : 9 native patches]\r\n1=UPPERFX.DXP\r\n\r\n"
          "[410pt6.txt : 3 native patches]\r\n1=A1FX.DXP\r\n2=A2FX.DXP\r\n3=A3FX.DXP\r\n\r\n"
          "[410pt6.txt : 4 native patches]\r\n1=B1FX.DXP\r\n2=B2FX.DXP\r\n3=B3FX.DXP\r\n"
          "4=B4FX.DXP\r\n\r\n");
    useUncontrolled();
    m_dialogs.queueAnswer(Answer::No);
    importPage().importFile(copyFixture("kits/410pt6.txt"));
    m_dialogs.queueAnswer(Answer::Yes);
    importPage().importSelection(QStringLiteral("  CLIBFIX.DXP\r\n"));

    const IniFile db(uncontrolledPath());
    // The base "410pt6" is searched with case, so the upper-case header is passed over.
    EXPECT_EQ(db.readString("410PT6.TXT : 9 native patches", "1", ""), "UPPERFX.DXP");
    EXPECT_FALSE(db.sectionExists("410pt6.txt : 3 native patches"));
    EXPECT_EQ(db.readSectionKeys("410pt6.txt : 4 native patches"),
              QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(db.readSectionKeys("410pt6.txt : 1 native patches"), QStringList({"1"}));
    EXPECT_EQ(db.readString("410pt6.txt : 1 native patches", "1", ""), "CLIBFIX.DXP");
}

TEST_F(ManagerTest, ASelectionWithoutPatchNamesErasesNothingAndReportsZero) {
    useUncontrolled();
    m_dialogs.queueAnswer(Answer::No);
    importPage().importFile(copyFixture("kits/410pt6.txt"));
    takeMessages();
    const QByteArray before = read(uncontrolledPath());
    m_dialogs.queueAnswer(Answer::Yes);
    importPage().importSelection(QStringLiteral("Installation\r\n  PURGE.DXP"));
    EXPECT_TRUE(importPage().ImportPatchListBox.isEmpty());
    EXPECT_EQ(importPage().ImportPatchListBoxLabel, "0 patches");
    EXPECT_EQ(takeMessages(),
              QStringList({SelectionQuestion, "0 patches added to the Patch Database."}));
    EXPECT_EQ(read(uncontrolledPath()), before);
}

TEST_F(ManagerTest, ASelectionAnsweredNoChangesNothing) {
    useUncontrolled();
    m_dialogs.queueAnswer(Answer::No);
    importPage().importFile(copyFixture("kits/410pt6.txt"));
    takeMessages();
    const QByteArray before = read(uncontrolledPath());
    m_dialogs.queueAnswer(Answer::No);
    importPage().importSelection(QStringLiteral("  CLIBFIX.DXP"));
    EXPECT_EQ(takeMessages(), QStringList({SelectionQuestion}));
    EXPECT_EQ(importPage().ImportPatchListBox, Kit410);  // the file's list stays
    EXPECT_EQ(read(uncontrolledPath()), before);
}

TEST_F(ManagerTest, ASelectionDoesNothingInTheControlledMode) {
    m_dialogs.queueAnswer(Answer::No);
    importPage().importFile(copyFixture("kits/410pt6.txt"));
    takeMessages();
    const QByteArray controlled = read(controlledPath());
    const QByteArray uncontrolled = read(uncontrolledPath());
    m_dialogs.setDefaultAnswer(true);
    importPage().importSelection(QStringLiteral("  CLIBFIX.DXP"));
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
    EXPECT_EQ(importPage().ImportPatchListBox, Kit410);
    EXPECT_EQ(read(controlledPath()), controlled);
    EXPECT_EQ(read(uncontrolledPath()), uncontrolled);
}
