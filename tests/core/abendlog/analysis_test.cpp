#include "abendtest.h"
#include "testsupport.h"

#include "abendlog/abendmodules.h"

namespace {

const QString Bullet = QStringLiteral(" \u2022 ");
const QString Blank = QStringLiteral(" ");

QString fixtureLog() {
    return testsupport::dataPath(QStringLiteral("abendlog/fs1-abend.log"));
}

}  // namespace

TEST_F(AbendTest, CollectsTheModulesLoadedAtTheHalt) {
    abend().openLogFile(fixtureLog());
    abend().analyzeEntry(0);
    // Two leading characters 0-9 or A-Z, the two excluded texts, a duplicate counted once, a
    // long name not padded, a module without a version line.
    EXPECT_EQ(view().ModulesLoaded.lines(),
              QStringList({"3C90X.LAN     Version 5.20   May 2, 1998",
                           "CLIB.DXP      Version 4.11c   June 12, 1998",
                           "DSFIX.DXP     Version 4.11   January 9, 1998",
                           "LONGMODULENAME.DXP  Version 4.11a   July 1, 1998", "MATHLIB.DXP ",
                           "SERVER.DXP    Version 4.11   February 12, 1999"}));
    EXPECT_EQ(view().modulesLabel, QStringLiteral("Modules Loaded: 6"));
    EXPECT_EQ(view().analysisHeading,
              QStringLiteral("Analysis (ABEND on Tuesday, March 3, 1998   2:14:25 pm  [FS1])"));
    EXPECT_EQ(view().AbendFixModules.lines(),
              QStringList({"DSFIX.DXP     Version 4.11   January 9, 1998"}));
    EXPECT_EQ(view().AbendOtherModules.size(), 5);
    // The file view selects the first match of the date and time, ignoring case.
    EXPECT_EQ(view().selectionKey, QStringLiteral("Tuesday, March 3, 1998   2:14:25 pm"));
    EXPECT_EQ(view().selectionStart,
              view().fileText.indexOf(QStringLiteral("Tuesday, March 3, 1998   2:14:25 pm")));
    EXPECT_EQ(view().AbendAnalysis, QStringList({Bullet + "No suggestions at this time."}));
    EXPECT_FALSE(view().busy);

    // Another entry replaces both lists; an entry without a module block lists none.
    abend().analyzeEntry(1);
    EXPECT_EQ(view().ModulesLoaded.lines(),
              QStringList({"SERVER.DXP    Version 4.10   March 1, 1997"}));
    abend().analyzeEntry(2);
    EXPECT_EQ(view().modulesLabel, QStringLiteral("Modules Loaded: 0"));
    EXPECT_TRUE(view().ModulesLoaded.isEmpty());

    abend().analyzeEntry(3);  // out of range: nothing changes
    EXPECT_EQ(view().modulesLabel, QStringLiteral("Modules Loaded: 0"));
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(AbendTest, NamesOutOfDateCoreModulesOfTheServersVersion) {
    writeDatabases({"4.10:CLIB.DXP=4.20", "4.11:CLIB.DXP=4.11d", "4.11:MATHLIB.DXP=4.11b",
                    "4.11:DSFIX.DXP=4.12", "3C90X.LAN=5.10", "4.11:server.dxp=4.11a",
                    "4.11:LONGMODULENA=4.12"},
                   {}, {"4.11:CLIB.DXP=LIBUP7.EXE", "4.11:server.dxp="});
    abend().openLogFile(fixtureLog());
    abend().analyzeEntry(0);
    // 4.10:CLIB.DXP is out of scope; the fix module, the newer driver and the long name's
    // unreadable version give nothing; an empty file set adds nothing, a missing one a stop.
    EXPECT_EQ(view().AbendAnalysis,
              QStringList({Bullet + "CLIB.DXP is out of date (v4.11d).  Apply the updates from "
                                    "the LIBUP7.EXE file set.",
                           Blank, Bullet + "MATHLIB.DXP is out of date.", Blank,
                           Bullet + "server.dxp is out of date (v4.11a)", Blank}));

    // The analysis rereads the database: entry 2 is a 4.10 server.
    abend().analyzeEntry(1);
    EXPECT_EQ(view().AbendAnalysis, QStringList({Bullet + "No suggestions at this time."}));
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(AbendTest, PairsThatCannotBeComparedAreSkipped) {
    writeDatabases({"AAA.DXP=10.1", "4.11:BBB.DXP", "4.11:CCC.DXP=4.11", "4.11:DDD.DXP=4.11",
                    "4.11:EEE.DXP=4.11a", "4.11:FFF.DXP=4.11A", "FFF.DXP=4.11b", "GGG.DXP=4.1",
                    "HHH.DXP=No Version"},
                   {});
    const QStringList modules = {
        "AAA.DXP      first digit lower", "  Version 9.00   May 1, 1998",
        "BBB.DXP      no version line",   "CCC.DXP      not a number",
        "  Version x.1a   May 1, 1998",   "DDD.DXP      older number",
        "  Version 4.10h   May 1, 1998",  "EEE.DXP      no revision",
        "  Version 4.11   May 1, 1998",   "FFF.DXP      revision a",
        "  Version 4.11a   May 1, 1998",  "GGG.DXP      same number",
        "  Version 4.10   May 1, 1998",   "HHH.DXP      no version line either",
        "SERVER.DXP   the server",        "  Version 4.11   May 1, 1998"};
    openLog(abendEntry(QStringLiteral("Friday"), modules));
    abend().analyzeEntry(0);
    EXPECT_EQ(view().AbendAnalysis,
              QStringList({Bullet + "DDD.DXP is out of date (v4.11).", Blank,
                           Bullet + "EEE.DXP is out of date (v4.11a).", Blank,
                           Bullet + "FFF.DXP is out of date (v4.11b).", Blank}));
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(AbendTest, CustomEntriesSpeakOnlyWhenNewerThanTheControlledDatabase) {
    writeDatabases({"4.11:CLIB.DXP=4.11d", "4.11:SERVER.DXP=Unknown", "4.11:3C90X.LAN=5.20a"},
                   {"4.11:+CLIB.DXP=4.11d", "4.11:+SERVER.DXP=4.11c", "4.11:+MATHLIB.DXP=4.11c",
                    "4.11:+3C90X.LAN=5.30"},
                   {}, {"4.11:+3C90X.LAN=NETUP.EXE"});
    engine().databases().SelectUncontrolledDatabase();
    abend().openLogFile(fixtureLog());
    abend().analyzeEntry(0);
    EXPECT_EQ(view().AbendAnalysis,
              QStringList({Bullet + "MATHLIB.DXP is out of date.", Blank,
                           Bullet + "3C90X.LAN is out of date (v5.30 [Custom DB]).  Apply "
                                    "updates from NETUP.EXE.",
                           Blank}));
}

TEST(AbendModules, ServerVersion) {
    using abendmodules::FindServerVersion;
    SortedTextList modules;
    modules.add(QStringLiteral("MYSERVER.DXP  Version 5.00"));
    EXPECT_EQ(FindServerVersion(modules), QString());
    modules.add(QStringLiteral("SERVER.DXP    Version 4.2 "));
    EXPECT_EQ(FindServerVersion(modules), QStringLiteral("4.2"));
    modules.clear();
    modules.add(QStringLiteral("SERVER.DXP  "));
    EXPECT_EQ(FindServerVersion(modules), QString());

    EXPECT_TRUE(abendmodules::isModuleLine(QStringLiteral("3C.LAN")));
    EXPECT_FALSE(abendmodules::isModuleLine(QStringLiteral("AB")));
    EXPECT_FALSE(abendmodules::isModuleLine(QStringLiteral("Ab.DXP")));
    EXPECT_FALSE(abendmodules::isModuleLine(QStringLiteral(" AB.DXP")));
}
