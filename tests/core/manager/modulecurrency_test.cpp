// The core module currency check, driven through real report loads: the parse start
// reads the core module list, the parse end runs the check.
#include "managertest.h"

#include <QSet>

using managerreports::Module;

namespace {

const QString NotFound = QStringLiteral("<Not Found...old DXP>");
const QString LowLru =
    Bullet + QStringLiteral("Add more memory to server. LRU Sitting Time < 15 min.");
const QString SupportPackAdvice =
    Bullet + QStringLiteral("Cannot verify version of Support Pack loaded because the");

QByteArray coreOnly(const QByteArray& entries) {
    return "[Core DXPs]\r\n" + entries + "\r\n";
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Versions

TEST_F(ManagerTest, TheVersionComparisonFollowsNumberThenRevisionAfterTheFirstCharacterTests) {
    const struct {
        const char* current;
        const char* loaded;
        bool finding;
    } cases[] = {
        {"4.11", "4.11", false},    // equal texts
        {"4.11A", "4.11a", false},  // equal ignoring case
        {"4.11a", "4.11", true},    // a missing revision ranks below A
        {"4.10", "4.1", false},     // equal numbers, neither has a revision
        {"4.11", "5.00", false},    // first digit 4 is smaller than 5
        {"10.1", "9.00", false},    // the first-digit rule again: 1 is smaller than 9
        {"9.00", "10.1", false},    // 10.1 is the greater number
        {"5.00", "4.99z", true},    // the number 5.00 is greater
        {"4.11d", "4.11c", true},      {"4.11c", "4.11d", false},
        {"4.12", "4.11z", true},   // the number decides before the revision
        {"4.11", "4.11a", false},  // the loaded version has a revision, the current none
        {"4.11B", "4.11a", true},  // revisions compared upper-cased
        {"4.11b", "4.11A", true},      {"4.11", "3.12j", true},
        {"No Version", "4.11", false},  // a current version that is no number
        {"4.11", "BETA", false},        // a loaded version that is no number
    };
    int n = 0;
    for (const auto& c : cases) {
        write(controlledPath(), coreOnly(QByteArray("4.11:CLIB.DXP=") + c.current + "\r\n"));
        const QList<Module> modules = {{"CLIB.DXP", c.loaded}, {"MONITOR.DXP", "4.11"}};
        const QList<QStringList> expected =
            c.finding ? QList<QStringList>({finding("CLIB.DXP", c.current, c.loaded)})
                      : QList<QStringList>();
        const std::string label = std::string(c.current) + " vs " + c.loaded;

        ++n;
        ASSERT_TRUE(
            load(QStringLiteral("long%1.txt").arg(n), managerreports::longForm("4.11", modules))
                .completed)
            << label;
        EXPECT_EQ(findingsIn(engine().model().Suggestions), expected) << "long form " << label;

        ASSERT_TRUE(
            load(QStringLiteral("compact%1.txt").arg(n), managerreports::compact("4.11", modules))
                .completed)
            << label;
        ASSERT_TRUE(engine().model().CompactModuleLines);
        EXPECT_EQ(findingsIn(engine().model().Suggestions), expected) << "compact " << label;
    }
    EXPECT_TRUE(m_dialogs.messages().isEmpty()) << m_dialogs.texts().join('|').toStdString();
}

TEST_F(ManagerTest, AModuleWithoutAVersionLineIsReportedAsNotFound) {
    write(controlledPath(), coreOnly("4.11:CLIB.DXP=4.11d\r\n"));
    ASSERT_TRUE(load("nover.txt", managerreports::longForm("4.11", {{"CLIB.DXP", ""}})).completed);
    EXPECT_EQ(findingsIn(engine().model().Suggestions),
              QList<QStringList>({finding("CLIB.DXP", "4.11d", NotFound)}));
    EXPECT_EQ(engine().analysis().OutOfDateModules, QStringList({"CLIB.DXP"}));

    // Even a current version that is no number is reported then.
    write(controlledPath(), coreOnly("4.11:CLIB.DXP\r\n"));
    ASSERT_TRUE(load("nover2.txt", managerreports::longForm("4.11", {{"CLIB.DXP", ""}})).completed);
    EXPECT_EQ(findingsIn(engine().model().Suggestions),
              QList<QStringList>({finding("CLIB.DXP", "No Version", NotFound)}));
}

// ---------------------------------------------------------------------------------------------
// Which entries apply

TEST_F(ManagerTest, ScopedEntriesApplyToTheirOsVersionAndUnscopedOnesToEveryServer) {
    write(controlledPath(), coreOnly("4.10:CLIB.DXP=4.20\r\n"
                                     "4.11:CLIB.DXP=4.11d\r\n"
                                     "CLIB.DXP=4.11e\r\n"
                                     " 4.11 :MATHLIB.DXP=4.11b\r\n"  // the OS version is trimmed
                                     "4.11:DS.DXP =5.99\r\n"         // so is the module name
                                     "AFTER.DXP =1.10\r\n"));        // but not an unscoped key
    const QList<Module> modules = {
        {"CLIB.DXP", "4.11c"}, {"MATHLIB.DXP", "4.11a"}, {"DS.DXP", "5.73"}, {"AFTER.DXP", "1.00"}};

    ASSERT_TRUE(load("s411.txt", managerreports::longForm("4.11", modules)).completed);
    EXPECT_EQ(findingsIn(engine().model().Suggestions),
              QList<QStringList>(
                  {finding("CLIB.DXP", "4.11d", "4.11c"), finding("CLIB.DXP", "4.11e", "4.11c"),
                   finding("MATHLIB.DXP", "4.11b", "4.11a"), finding("DS.DXP", "5.99", "5.73")}));
    EXPECT_EQ(engine().analysis().OutOfDateModules,
              QStringList({"CLIB.DXP", "CLIB.DXP", "MATHLIB.DXP", "DS.DXP"}));

    ASSERT_TRUE(load("s410.txt", managerreports::longForm("4.10", modules)).completed);
    EXPECT_EQ(findingsIn(engine().model().Suggestions),
              QList<QStringList>(
                  {finding("CLIB.DXP", "4.20", "4.11c"), finding("CLIB.DXP", "4.11e", "4.11c")}));

    ASSERT_TRUE(load("s312.txt", managerreports::longForm("3.12", modules)).completed);
    EXPECT_EQ(findingsIn(engine().model().Suggestions),
              QList<QStringList>({finding("CLIB.DXP", "4.11e", "4.11c")}));
}

TEST_F(ManagerTest, TheOsVersionOfAKeyIsComparedWithoutRegardToCase) {
    write(controlledPath(), coreOnly("5.00b:CLIB.DXP=5.00c\r\n5.00B:DS.DXP=7.00\r\n"));
    ASSERT_TRUE(load("v500.txt",
                     managerreports::longForm("5.00B", {{"CLIB.DXP", "5.00a"}, {"DS.DXP", "6.00"}}))
                    .completed);
    ASSERT_EQ(engine().model().OSVersion, "5.00B");
    EXPECT_EQ(findingsIn(engine().model().Suggestions),
              QList<QStringList>(
                  {finding("CLIB.DXP", "5.00c", "5.00a"), finding("DS.DXP", "7.00", "6.00")}));
}

TEST_F(ManagerTest, TheFindingNamesTheModuleAsTheKeyDoesAndTheRedListAsTheReportDoes) {
    write(controlledPath(), coreOnly("4.11:clib.dxp=4.11d\r\n"));
    ASSERT_TRUE(
        load("case.txt", managerreports::longForm("4.11", {{"CLIB.DXP", "4.11c"}})).completed);
    EXPECT_EQ(findingsIn(engine().model().Suggestions),
              QList<QStringList>({finding("clib.dxp", "4.11d", "4.11c")}));
    EXPECT_EQ(engine().analysis().OutOfDateModules, QStringList({"CLIB.DXP"}));
}

TEST_F(ManagerTest, EveryMatchingLoadedModuleGivesAFindingInModuleListOrder) {
    write(controlledPath(), coreOnly("4.11:CLIB.DXP=4.11d\r\n"));
    ASSERT_TRUE(load("twice.txt", managerreports::longForm("4.11", {{"CLIB.DXP", "4.11b"},
                                                                    {"CLIB.DXP", "4.11a"},
                                                                    {"CLIB.DXP", "4.11e"}}))
                    .completed);
    EXPECT_EQ(findingsIn(engine().model().Suggestions),
              QList<QStringList>(
                  {finding("CLIB.DXP", "4.11d", "4.11a"), finding("CLIB.DXP", "4.11d", "4.11b")}));
    EXPECT_EQ(engine().analysis().OutOfDateModules, QStringList({"CLIB.DXP", "CLIB.DXP"}));
}

TEST_F(ManagerTest, AModuleAmongThousandsGivesTheSameFindings) {
    // Thousands of modules keep the list as one-byte lines; the check reads it so.
    write(controlledPath(), coreOnly("4.11:CLIB.DXP=4.11d\r\n"));
    QList<Module> modules;
    for (int k = 0; k < 5000; ++k) {
        modules.append(Module{QStringLiteral("F%1.DXP").arg(k, 6, 10, QChar(u'0')), "4.11"});
    }
    modules.insert(2500, Module{"CLIB.DXP", "4.11b"});
    modules.append(Module{"CLIB.DXP", "4.11a"});
    ASSERT_TRUE(load("many.txt", managerreports::longForm("4.11", modules)).completed);
    ASSERT_NE(engine().model().OtherModules.compactLines(), nullptr);
    EXPECT_EQ(findingsIn(engine().model().Suggestions),
              QList<QStringList>(
                  {finding("CLIB.DXP", "4.11d", "4.11a"), finding("CLIB.DXP", "4.11d", "4.11b")}));
    EXPECT_EQ(engine().analysis().OutOfDateModules, QStringList({"CLIB.DXP", "CLIB.DXP"}));
}

// ---------------------------------------------------------------------------------------------
// Finding lines, update files, out-of-date modules

TEST_F(ManagerTest, FindingsStandAsExactLinesBetweenTheParsersAndTheEnginesSuggestions) {
    write(controlledPath(), fixture("databases/currency-411.ini"));
    ASSERT_TRUE(loadFixture("reports/elm-fs4.txt").completed);
    EXPECT_TRUE(m_dialogs.messages().isEmpty()) << m_dialogs.texts().join('|').toStdString();
    const QStringList& s = engine().model().Suggestions;

    const qsizetype first = s.indexOf(Bullet + "CLIB.DXP is out of date.");
    ASSERT_GE(first, 0) << s.join('\n').toStdString();
    const QStringList expected = {
        Bullet + "CLIB.DXP is out of date.",
        "   Current version is 4.11d. Your version is 4.11c.",
        "   Apply the updates from the file LIBUP7.EXE.",
        " ",
        Bullet + "MATHLIB.DXP is out of date.",  // its File Sets key is in lower case
        "   Current version is 4.11b. Your version is 4.11a.",
        "   Apply the updates from the file LIBUP7.EXE.",
        " ",
        Bullet + "DS.DXP is out of date.",  // an empty update file leaves line 3 out
        "   Current version is 5.99. Your version is 5.73.",
        " ",
        Bullet + "AFTER.DXP is out of date.",  // an unscoped entry; the report has no version
        "   Current version is 1.10. Your version is <Not Found...old DXP>.",
        " ",
    };
    EXPECT_EQ(s.mid(first, expected.size()), expected) << s.join('\n').toStdString();
    EXPECT_EQ(findingsIn(s).size(), 4);

    // After the parser's own suggestion, before the suggestions engine's.
    const qsizetype lru = s.indexOf(LowLru);
    const qsizetype advice = s.indexOf(SupportPackAdvice);
    EXPECT_GE(lru, 0);
    EXPECT_LT(lru, first);
    EXPECT_EQ(s.value(lru + 1), " ");
    EXPECT_EQ(advice, first + expected.size()) << s.join('\n').toStdString();

    EXPECT_EQ(engine().analysis().OutOfDateModules,
              QStringList({"CLIB.DXP", "MATHLIB.DXP", "DS.DXP", "AFTER.DXP"}));
    // Two findings name LIBUP7.EXE; the list holds it once.
    EXPECT_EQ(engine().analysis().FilesSuggested.lines(), QStringList({"LIBUP7.EXE"}));
}

TEST_F(ManagerTest, CompactModuleLinesGiveTheSameFindings) {
    write(controlledPath(), fixture("databases/currency-411.ini"));
    ASSERT_TRUE(loadFixture("reports/elm-fs5.txt").completed);
    ASSERT_TRUE(engine().model().CompactModuleLines);
    // AFTER.DXP's line has no " v": its "version" is read from its second character, which is
    // no digit, so it yields no finding.
    EXPECT_EQ(findingsIn(engine().model().Suggestions),
              QList<QStringList>({finding("CLIB.DXP", "4.11d", "4.11c", "LIBUP7.EXE"),
                                  finding("MATHLIB.DXP", "4.11b", "4.11a", "LIBUP7.EXE"),
                                  finding("DS.DXP", "5.99", "5.73")}));
    EXPECT_EQ(engine().analysis().OutOfDateModules,
              QStringList({"CLIB.DXP", "MATHLIB.DXP", "DS.DXP"}));
}

TEST_F(ManagerTest, UpdateFilesAreKeptAcrossLoadsOnceEachWithCase) {
    write(controlledPath(),
          "[Core DXPs]\r\n4.11:CLIB.DXP=4.11d\r\n4.11:MATHLIB.DXP=4.11b\r\n"
          "4.11:DS.DXP=5.99\r\n\r\n"
          "[File Sets]\r\n4.11:CLIB.DXP=LIBUP7.EXE\r\n"
          "4.11:MATHLIB.DXP=LIBUP7.EXE\r\n4.11:DS.DXP=libup7.exe\r\n\r\n");
    const QByteArray report = managerreports::longForm(
        "4.11", {{"CLIB.DXP", "4.11c"}, {"MATHLIB.DXP", "4.11a"}, {"DS.DXP", "5.73"}});
    ASSERT_TRUE(load("files1.txt", report).completed);
    ASSERT_EQ(findingsIn(engine().model().Suggestions).size(), 3);
    const QStringList files = engine().analysis().FilesSuggested.lines();
    EXPECT_EQ(QSet<QString>(files.begin(), files.end()),
              QSet<QString>({"LIBUP7.EXE", "libup7.exe"}));

    ASSERT_TRUE(load("files2.txt", report).completed);
    EXPECT_EQ(engine().analysis().FilesSuggested.lines(), files);

    // A load without findings keeps the list, but empties the out-of-date modules.
    ASSERT_TRUE(
        load("files3.txt", managerreports::longForm("4.11", {{"CLIB.DXP", "4.11d"}})).completed);
    EXPECT_TRUE(findingsIn(engine().model().Suggestions).isEmpty());
    EXPECT_TRUE(engine().analysis().OutOfDateModules.isEmpty());
    EXPECT_EQ(engine().analysis().FilesSuggested.lines(), files);
}

TEST_F(ManagerTest, AnUpdateFileIsNamedOnlyForKeysTheFileSetsScanFound) {
    // The keyed read would find the second key (a section runs to the next header), but the
    // line scan of File Sets stops at the empty line, so that key is not among FileSetKeys.
    write(controlledPath(),
          "[Core DXPs]\r\n4.11:CLIB.DXP=4.11d\r\n4.11:DS.DXP=5.99\r\n\r\n"
          "[File Sets]\r\n4.11:CLIB.DXP=LIBUP7.EXE\r\n\r\n"
          "4.11:DS.DXP=DSUP2.EXE\r\n\r\n");
    ASSERT_TRUE(load("keys.txt",
                     managerreports::longForm("4.11", {{"CLIB.DXP", "4.11c"}, {"DS.DXP", "5.73"}}))
                    .completed);
    EXPECT_EQ(manager().FileSetKeys().lines(), QStringList({"4.11:CLIB.DXP"}));
    EXPECT_EQ(findingsIn(engine().model().Suggestions),
              QList<QStringList>({finding("CLIB.DXP", "4.11d", "4.11c", "LIBUP7.EXE"),
                                  finding("DS.DXP", "5.99", "5.73")}));
    EXPECT_EQ(engine().analysis().FilesSuggested.lines(), QStringList({"LIBUP7.EXE"}));
}

// ---------------------------------------------------------------------------------------------
// Maker and user entries

TEST_F(ManagerTest, AUserEntryNoNewerThanTheMakersEntryDoesNotCount) {
    const struct {
        const char* what;
        const char* maker;  // nullptr: no maker entry
        const char* user;
        QList<QStringList> findings;
    } cases[] = {
        {"same version", "4.11d", "4.11d", {finding("CLIB.DXP", "4.11d", "4.11c", "LIBUP7.EXE")}},
        {"same version, other case",
         "4.11D",
         "4.11d",
         {finding("CLIB.DXP", "4.11D", "4.11c", "LIBUP7.EXE")}},
        {"user newer",
         "4.11d",
         "4.11e",
         {finding("CLIB.DXP", "4.11d", "4.11c", "LIBUP7.EXE"),
          finding("CLIB.DXP", "4.11e", "4.11c", "LIBUP8.EXE", true)}},
        {"maker current, user newer",
         "4.11c",
         "4.11d",
         {finding("CLIB.DXP", "4.11d", "4.11c", "LIBUP8.EXE", true)}},
        {"user older", "4.11e", "4.11d", {finding("CLIB.DXP", "4.11e", "4.11c", "LIBUP7.EXE")}},
        {"no maker entry",
         nullptr,
         "4.11d",
         {finding("CLIB.DXP", "4.11d", "4.11c", "LIBUP8.EXE", true)}},
    };
    int n = 0;
    for (const auto& c : cases) {
        QByteArray core = "[Core DXPs]\r\n";
        if (c.maker) {
            core += QByteArray("4.11:CLIB.DXP=") + c.maker + "\r\n";
        }
        core += QByteArray("4.11:+CLIB.DXP=") + c.user + "\r\n\r\n";
        write(controlledPath(), core +
                                    "[File Sets]\r\n4.11:CLIB.DXP=LIBUP7.EXE\r\n"
                                    "4.11:+CLIB.DXP=LIBUP8.EXE\r\n\r\n");
        ASSERT_TRUE(load(QStringLiteral("user%1.txt").arg(++n),
                         managerreports::longForm("4.11", {{"CLIB.DXP", "4.11c"}}))
                        .completed)
            << c.what;
        EXPECT_EQ(findingsIn(engine().model().Suggestions), c.findings) << c.what;
    }
}

TEST_F(ManagerTest, AUserEntryForACurrentModuleGivesNoFinding) {
    write(controlledPath(), coreOnly("4.11:+CLIB.DXP=4.11d\r\n"));
    ASSERT_TRUE(
        load("cur.txt", managerreports::longForm("4.11", {{"CLIB.DXP", "4.11d"}})).completed);
    EXPECT_TRUE(findingsIn(engine().model().Suggestions).isEmpty());
    ASSERT_TRUE(
        load("new.txt", managerreports::longForm("4.11", {{"CLIB.DXP", "4.11f"}})).completed);
    EXPECT_TRUE(findingsIn(engine().model().Suggestions).isEmpty());
}

TEST_F(ManagerTest, UserEntriesOfTheUncontrolledDatabaseAreWeighedAgainstQuarixdb) {
    useUncontrolled();
    write(uncontrolledPath(),
          "[Core DXPs]\r\n4.11:+CLIB.DXP=4.11d\r\n\r\n"
          "[File Sets]\r\n4.11:+CLIB.DXP=LIBUP8.EXE\r\n\r\n");
    const QByteArray report = managerreports::longForm("4.11", {{"CLIB.DXP", "4.11c"}});
    const struct {
        const char* what;
        QByteArray controlled;
        bool counts;
    } cases[] = {
        {"maker entry as new", coreOnly("4.11:CLIB.DXP=4.11d\r\n"), false},
        {"maker entry newer", coreOnly("4.11:CLIB.DXP=4.12\r\n"), false},
        {"maker entry older", coreOnly("4.11:CLIB.DXP=4.11b\r\n"), true},
        {"maker entry for another OS", coreOnly("4.10:CLIB.DXP=4.11z\r\n"), true},
        {"no Core DXPs", "[Preferences]\r\nDBType=Uncontrolled\r\n\r\n", true},
    };
    int n = 0;
    for (const auto& c : cases) {
        write(controlledPath(), c.controlled);
        ASSERT_TRUE(load(QStringLiteral("unc%1.txt").arg(++n), report).completed) << c.what;
        EXPECT_EQ(findingsIn(engine().model().Suggestions),
                  c.counts ? QList<QStringList>(
                                 {finding("CLIB.DXP", "4.11d", "4.11c", "LIBUP8.EXE", true)})
                           : QList<QStringList>())
            << c.what;
        EXPECT_TRUE(engine().model().Suggestions.first().contains("UNCONTROLLED")) << c.what;
    }
}

TEST_F(ManagerTest, TheUncontrolledDatabasesOwnMakerEntryDoesNotDecideForAUserEntry) {
    useUncontrolled();
    const QByteArray report = managerreports::longForm("4.11", {{"CLIB.DXP", "4.11c"}});

    // An older maker entry beside the user entry in CARTOVEX.INI: quarixdb.ini's equal entry
    // still makes the user entry not count.
    write(uncontrolledPath(), coreOnly("4.11:CLIB.DXP=4.11a\r\n4.11:+CLIB.DXP=4.11d\r\n"));
    write(controlledPath(), coreOnly("4.11:CLIB.DXP=4.11d\r\n"));
    ASSERT_TRUE(load("own1.txt", report).completed);
    EXPECT_TRUE(findingsIn(engine().model().Suggestions).isEmpty());

    // A newer maker entry in CARTOVEX.INI, none in quarixdb.ini: the user entry counts too.
    write(uncontrolledPath(), coreOnly("4.11:CLIB.DXP=4.11e\r\n4.11:+CLIB.DXP=4.11d\r\n"));
    write(controlledPath(), coreOnly("3.12:CLIB.DXP=3.12j\r\n"));
    ASSERT_TRUE(load("own2.txt", report).completed);
    EXPECT_EQ(findingsIn(engine().model().Suggestions),
              QList<QStringList>({finding("CLIB.DXP", "4.11e", "4.11c"),
                                  finding("CLIB.DXP", "4.11d", "4.11c", QString(), true)}));
}

// ---------------------------------------------------------------------------------------------
// Conversion errors

TEST_F(ManagerTest, AVersionThatIsNoNumberEndsTheLoadWithAConversionError) {
    const struct {
        const char* what;
        QByteArray controlled;
        QByteArray uncontrolled;  // empty: the controlled database is current
        const char* loaded;
    } cases[] = {
        {"loaded version", coreOnly("4.11:CLIB.DXP=2.2\r\n"), {}, "2.1.3"},
        {"current version", coreOnly("4.11:CLIB.DXP=2.1.3\r\n"), {}, "2.0"},
        {"maker version read for a user entry", coreOnly("4.11:CLIB.DXP=2.1.3\r\n"),
         coreOnly("4.11:+CLIB.DXP=4.11d\r\n"), "4.11c"},
        // Both malformed: the current version is read first.
        {"current before loaded", coreOnly("4.11:CLIB.DXP=2.1.3\r\n"), {}, "1.1.3"},
        {"current before maker", coreOnly("4.11:CLIB.DXP=3.1.3\r\n"),
         coreOnly("4.11:+CLIB.DXP=2.1.3\r\n"), "1.0"},
    };
    const QString message = QStringLiteral("'2.1.' is not a valid floating point value");
    int n = 0;
    for (const auto& c : cases) {
        if (c.uncontrolled.isEmpty()) {
            databases().SelectControlledDatabase();
        } else {
            useUncontrolled();
            write(uncontrolledPath(), c.uncontrolled);
        }
        write(controlledPath(), c.controlled);
        takeMessages();
        const ReportLoader::Result result =
            load(QStringLiteral("conv%1.txt").arg(++n),
                 managerreports::longForm("4.11", {{"CLIB.DXP", c.loaded}}));
        EXPECT_TRUE(result.started) << c.what;
        EXPECT_FALSE(result.completed) << c.what;
        EXPECT_EQ(result.error, message) << c.what;
        ASSERT_EQ(m_dialogs.messages().size(), 1) << c.what;
        EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Error) << c.what;
        EXPECT_EQ(m_dialogs.messages()[0].text, message) << c.what;
        // The later stages did not run: no heading from the suggestions engine.
        for (const QString& line : engine().model().Suggestions) {
            EXPECT_FALSE(line.contains("*** Using")) << c.what;
        }
    }
}
