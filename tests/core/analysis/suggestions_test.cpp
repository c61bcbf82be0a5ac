#include "analysistest.h"

#include "analysis/suggestionsengine.h"

namespace {

QStringList loadLatest(const QString& version) {
    return {Bullet + "Load the latest " + version + " patch set.*", " "};
}

const QStringList CannotVerify = {
    Bullet + "Cannot verify version of Support Pack loaded because the",
    "   config.txt file was produced by an outdated CFGDUMP.DXP or",
    "   CFGUTIL.DXP.  Create the config.txt file again with at least",
    "   v1.09 of CFGDUMP.DXP or v1.04 of CFGUTIL.DXP.", " "};

QStringList supportPack(const QString& file, const QString& version, const QString& current,
                        const QString& loaded) {
    return {Bullet + "Load the " + file + ".exe " + version + " Support Pack.*",
            "   The current Patch Kit version is v" + current + ".",
            loaded.isNull() ? QStringLiteral("   No OS patches are currently loaded.")
                            : "   Your loaded Patch Kit version is v" + loaded + ".",
            " "};
}

QStringList registerMemory(const QString& place) {
    return {Bullet + "You don't have to manually REGISTER MEMORY on 4.1x servers.",
            "   Just make sure the latest patch sets are loaded.",
            "   (REGISTER MEMORY found in " + place + ")", " "};
}

const QStringList ReservedBuffers = {Bullet + "A SET Reserved Buffers Below 16 Meg = 200 statement",
                                     "   should be in your STARTUP.DXS file.", " "};

const QStringList Smp = {Bullet + "SMP.DXP is loaded. Make sure the server is",
                         "   completely certified to fully support SMP.", " "};

QStringList fault(const QString& statement, const QString& place) {
    return {Bullet + statement + " (in " + place + ").",
            "   Turning this ON can cause corruption and masks existing problems.",
            "   This parameter should be set to OFF.", " "};
}

const QStringList UpgradeThreads = {Bullet + "SET Upgrade Low Priority Threads is set to On.",
                                    "   Turning this ON can cause high utilization.",
                                    "   This parameter should generally be set to OFF.", " "};

QStringList oldDriver(const QString& entry) {
    return {Bullet + "Driver older than 1995 found. Is this the most recent version:",
            "    " + entry, " "};
}

const QStringList AbendLog = {Bullet + "Abend.log summary was found in this config file.",
                              "   Goto the 'Analyze Abend.log' tool to see if the pattern of",
                              "   abends helps to diagnose possible problems with the server.",
                              " "};

const QStringList NoSuggestions = {Bullet + "No suggestions at this time."};

}  // namespace

// Rule 1 stays silent: loaded patches, a complete "pt" set, no known set list.
class SuggestionsTest : public AnalysisTest {
  protected:
    void quietPatchLevel(const QString& osVersion) {
        model.OSVersion = osVersion;
        model.PatchEntries.append(patchLine("AFX.DXP"));
        state.CompleteSets = {Bullet + PatchVerificationName};
    }
    // A report with patch-kit information; `version` goes after "Version: v" (none when null).
    void kitList(const QString& osVersion, bool loaded, const QString& version = QString()) {
        model.OSVersion = osVersion;
        model.HasPatchKitList = true;
        model.PatchesLoaded = loaded;
        model.PatchEntries.setOrder(PatchEntryList::Order::Report);
        model.PatchEntries.append("Patch status reported by PATCHMAN.DXP v3.12");
        model.PatchEntries.append("Patch Kit Information:");
        if (!version.isNull()) {
            model.PatchEntries.append("   Kit: NW411SP8   Version: v" + version +
                                      "   (installed 02-11-1999)");
        }
        model.PatchEntries.append(loaded ? QStringLiteral("   DSFIX.DXP       Loaded")
                                         : QStringLiteral("No OS patches are currently loaded"));
    }
    void resetRun() {
        model.Suggestions.clear();
        views.EngTypeEdit.clear();
        state.DriverList.clear();
    }
    const QString PatchVerificationName = QStringLiteral("410pt6 : 1 native patches");
};

// ---------------------------------------------------------------- rule 1: patch level

TEST_F(SuggestionsTest, NoLoadedPatchesAdviseTheLatestPatchSetBelow411) {
    for (const char* version : {"4.10", "3.12", "4.00"}) {
        resetRun();
        model.OSVersion = version;
        EXPECT_TRUE(suggest().isNull());
        EXPECT_EQ(body(), loadLatest(version)) << version;
    }
}

TEST_F(SuggestionsTest, A411ServerWithoutKitInformationOrPatchesCannotBeVerified) {
    model.OSVersion = "4.11";
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), CannotVerify);
}

TEST_F(SuggestionsTest, A500ServerWithoutKitInformationOrPatchesGetsTheLatestPatchSetAdvice) {
    model.OSVersion = "5.00";
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), loadLatest("5.00"));
}

TEST_F(SuggestionsTest, A410ServerWithKitInformationAndNoPatchesGetsTheOneLineAdvice) {
    kitList("4.10", false);
    EXPECT_TRUE(suggest({setName("410pt8", 1)}).isNull());
    EXPECT_EQ(body(), loadLatest("4.10"));
}

TEST_F(SuggestionsTest, NoCompleteSetMeansAdvice) {
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("AFX.DXP"));
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), loadLatest("4.10"));
}

TEST_F(SuggestionsTest, CompleteSetsWithoutPtInOneOfItsTwoSpellingsMeanAdvice) {
    const struct {
        const char* set;
        bool advise;
    } cases[] = {
        {"410it8 : 1 native patches", true},  {"410Pt8 : 1 native patches", true},
        {"410pT8 : 1 native patches", true},  {"410PT8 : 1 native patches", false},
        {"410pt8 : 1 native patches", false},
    };
    for (const auto& c : cases) {
        resetRun();
        model.OSVersion = "4.10";
        model.PatchEntries.clear();
        model.PatchEntries.append(patchLine("AFX.DXP"));
        state.CompleteSets = {Bullet + c.set};
        EXPECT_TRUE(suggest().isNull());  // no known set list: nothing more to test
        if (c.advise) {
            EXPECT_EQ(body(), loadLatest("4.10")) << c.set;
        } else {
            EXPECT_EQ(model.Suggestions, NoSuggestions) << c.set;
        }
    }
}

TEST_F(SuggestionsTest, OneCompleteSetWithPtAmongOthersIsEnough) {
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("AFX.DXP"));
    state.CompleteSets = {Bullet + "410it8 : 1 native patches",
                          Bullet + "410pt7 : 1 native patches"};
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(model.Suggestions, NoSuggestions);
}

TEST_F(SuggestionsTest, TheNewestKnownSetMustBeAmongTheCompleteSets) {
    const QStringList known = {setName("410pt8", 3), setName("410pt7", 3), setName("312pt9", 2)};
    const struct {
        QStringList known;
        QStringList complete;
        bool advise;
        const char* why;
    } cases[] = {
        {known, {"410pt7 : 3 native patches"}, true, "newest 410pt8 not loaded"},
        {known, {"410pt7 : 3 native patches", "410pt8 : 3 native patches"}, false, "loaded"},
        {known, {"410PT8 : 3 native patches"}, true, "the set name is searched with case"},
        {{setName("411pt2", 3), setName("410pt8", 3)},
         {"410pt7 : 3 native patches"},
         false,
         "the newest set is of another version"},
        {{setName("410it9", 3), setName("410pt8", 3)},
         {"410pt7 : 3 native patches"},
         false,
         "the newest set is no pt set"},
        {{"410PT9.TXT : 3 native patches", setName("410pt8", 3)},
         {"410pt7 : 3 native patches"},
         false,
         "the newest set has PT, not pt"},
        {{setName("410pt10b", 3)},
         {"410pt10b : 3 native patches"},
         true,
         "eight characters without a blank give an empty set name"},
        {{setName("410pt10", 3)},
         {"410pt1 : 3 native patches"},
         false,
         "410pt1 occurs in 410pt10.txt"},
        {{setName("410pt8x", 3)},
         {"410pt8 : 3 native patches"},
         false,
         "410pt8 occurs in 410pt8x.txt"},
        {{setName("410pt8", 3)},
         {"410pt8x : 3 native patches"},
         true,
         "410pt8x does not occur in 410pt8.txt"},
    };
    for (const auto& c : cases) {
        resetRun();
        model.OSVersion = "4.10";
        model.PatchEntries.clear();
        model.PatchEntries.append(patchLine("AFX.DXP"));
        state.CompleteSets.clear();
        for (const QString& set : c.complete) {
            state.CompleteSets << Bullet + set;
        }
        EXPECT_TRUE(suggest(c.known).isNull()) << c.why;
        if (c.advise) {
            EXPECT_EQ(body(), loadLatest("4.10")) << c.why;
        } else {
            EXPECT_EQ(model.Suggestions, NoSuggestions) << c.why;
        }
    }
}

TEST_F(SuggestionsTest, KitListWithoutLoadedPatchesAdvisesTheSupportPack) {
    const QString h = "411pt8.txt-NW411SP8 : 1 native patches";
    writeControlled(section(h, {"DSFIX.DXP"}, {"PatchKitVersion=4.11c, released 06-01-1999"}));
    kitList("4.11", false);
    EXPECT_TRUE(suggest({h}).isNull());
    EXPECT_EQ(body(), supportPack("NW411SP8", "4.11", "4.11c", QString()));
}

TEST_F(SuggestionsTest, A500ServerWithAKitListAlsoGetsTheSupportPackAdvice) {
    const QString h = "500pt1.txt-NW500SP1 : 1 native patches";
    writeControlled(section(h, {"DSFIX.DXP"}, {"PatchKitVersion=5.00a"}));
    kitList("5.00", false);
    EXPECT_TRUE(suggest({h}).isNull());
    EXPECT_EQ(body(), supportPack("NW500SP1", "5.00", "5.00a", QString()));
}

TEST_F(SuggestionsTest, KitListWithNoPatchEntriesAtAllHasNoKitFileOrVersion) {
    // Rule 1 advises at its first test (no patch entries), before the kit file and the current
    // kit version are taken from the database, so both texts stay empty.
    const QString h = "411pt8.txt-NW411SP8 : 1 native patches";
    writeControlled(section(h, {"DSFIX.DXP"}, {"PatchKitVersion=4.11c"}));
    model.OSVersion = "4.11";
    model.HasPatchKitList = true;
    model.PatchesLoaded = false;
    EXPECT_TRUE(suggest({h}).isNull());
    EXPECT_EQ(body(), supportPack("", "4.11", "", QString()));
}

TEST_F(SuggestionsTest, LoadedAndCurrentKitVersionsAreComparedAsVersions) {
    const QString h = "411pt8.txt-NW411SP8 : 1 native patches";
    const struct {
        const char* loaded;   // nullptr: no "Version: v" line
        const char* current;  // nullptr: no PatchKitVersion key
        bool advise;
        const char* shownLoaded;
    } cases[] = {
        {"4.11b", "4.11B", false, ""},  // equal ignoring case
        {"4.11b", "4.11c, released 06-01-1999", true, "4.11b"},
        {"4.11", "4.11a", true, "4.11"},  // no revision ranks below every revision
        {"4.11c", "4.11a", false, ""},
        {"4.10z", "4.11", true, "4.10z"},
        {"4.12", "4.11z", false, ""},
        {"4.11a", "4.11a", false, ""},
        {nullptr, "4.11c", false, ""},
        {"4.11", nullptr, false, ""},
        {"4.11", "", false, ""},
    };
    for (const auto& c : cases) {
        const std::string label = std::string(c.loaded ? c.loaded : "<none>") + " vs " +
                                  (c.current ? c.current : "<none>");
        resetRun();
        model.PatchEntries.clear();
        writeControlled(section(
            h, {"DSFIX.DXP"},
            c.current ? QStringList{QStringLiteral("PatchKitVersion=") + QLatin1String(c.current)}
                      : QStringList{}));
        kitList("4.11", true, c.loaded ? QString::fromLatin1(c.loaded) : QString());
        EXPECT_TRUE(suggest({h}).isNull()) << label;
        if (c.advise) {
            const QString current = QString::fromLatin1(c.current).section(u',', 0, 0);
            EXPECT_EQ(body(), supportPack("NW411SP8", "4.11", current, c.shownLoaded)) << label;
        } else {
            EXPECT_EQ(model.Suggestions, NoSuggestions) << label;
        }
    }
}

TEST_F(SuggestionsTest, TheLoadedKitVersionIsSixCharactersAfterVersionVTrimmed) {
    const QString h = "411pt8.txt-NW411SP8 : 1 native patches";
    writeControlled(section(h, {"DSFIX.DXP"}, {"PatchKitVersion=4.11c"}));
    model.OSVersion = "4.11";
    model.HasPatchKitList = true;
    model.PatchesLoaded = true;
    model.PatchEntries.setOrder(PatchEntryList::Order::Report);
    model.PatchEntries.append("   Kit: NW411SP8 Version: v 4.11b");
    model.PatchEntries.append("   Kit: NW411SP7 Version: v4.11a");  // only the first line counts
    EXPECT_TRUE(suggest({h}).isNull());
    // " 4.11b" trimmed is "4.11b", older than 4.11c.
    EXPECT_EQ(body(), supportPack("NW411SP8", "4.11", "4.11c", "4.11b"));
}

TEST_F(SuggestionsTest, TheSupportPackComesFromTheFirstKnownSetOfTheServersVersion) {
    const QString h500 = "500pt1.txt-NW500SP1 : 1 native patches";
    const QString h8 = "411pt8.txt-  NW411SP8  : 1 native patches";
    const QString h7 = "411pt7.txt-NW411SP7 : 1 native patches";
    writeControlled(section(h500, {"AFX.DXP"}, {"PatchKitVersion=5.00z"}) +
                    section(h8, {"DSFIX.DXP"}, {"PatchKitVersion=4.11d,x,y"}) +
                    section(h7, {"DSFIX.DXP"}, {"PatchKitVersion=4.11a"}));
    kitList("4.11", true, "4.11c");
    EXPECT_TRUE(suggest({h500, h8, h7}).isNull());
    EXPECT_EQ(body(), supportPack("NW411SP8", "4.11", "4.11d", "4.11c"));
}

TEST_F(SuggestionsTest, TheKitFileIsTakenFromTheStartWithoutDashAndIsEmptyWithoutColon) {
    const QString noDash = "411pt8.txt : 1 native patches";
    writeControlled(section(noDash, {"DSFIX.DXP"}, {"PatchKitVersion=4.11c"}));
    kitList("4.11", false);
    EXPECT_TRUE(suggest({noDash}).isNull());
    EXPECT_EQ(body(), supportPack("411pt8.txt", "4.11", "4.11c", QString()));

    // The colon lies beyond the 80 characters after the "-": no kit file.
    resetRun();
    const QString longName = "411pt9.txt-" + QString(85, u'X') + " : 1 native patches";
    writeControlled(section(longName, {"DSFIX.DXP"}, {"PatchKitVersion=4.11d"}));
    EXPECT_TRUE(suggest({longName}).isNull());
    EXPECT_EQ(body(), supportPack("", "4.11", "4.11d", QString()));

    // No known set of the version: empty kit file and version.
    resetRun();
    EXPECT_TRUE(suggest({setName("410pt8", 1)}).isNull());
    EXPECT_EQ(body(), supportPack("", "4.11", "", QString()));
}

TEST_F(SuggestionsTest, TheCurrentKitVersionIsReadFromTheControlledFileOnly) {
    const QString h = "411pt8.txt-NW411SP8 : 1 native patches";
    writeControlled(section(h, {"DSFIX.DXP"}, {"PatchKitVersion=4.11c"}));
    writeUncontrolled(section(h, {"DSFIX.DXP"}, {"PatchKitVersion=4.11a"}));
    kitList("4.11", true, "4.11b");
    EXPECT_TRUE(suggest({h}, true).isNull());
    EXPECT_EQ(model.Suggestions.mid(0, 4), heading(true));
    EXPECT_EQ(body(), supportPack("NW411SP8", "4.11", "4.11c", "4.11b"));
}

TEST_F(SuggestionsTest, AKitVersionThatIsNotANumberEndsWithTheConversionError) {
    const QString h = "411pt8.txt-NW411SP8 : 1 native patches";
    writeControlled(section(h, {"DSFIX.DXP"}, {"PatchKitVersion=4.11c"}));
    kitList("4.11", true, "X.11b");
    model.Suggestions = {Bullet + "From the parser", " "};
    EXPECT_EQ(suggest({h}), "'X.11' is not a valid floating point value");
    EXPECT_EQ(model.Suggestions, QStringList({Bullet + "From the parser", " "}));
}

// ---------------------------------------------------------------- rule 2: REGISTER MEMORY

TEST_F(SuggestionsTest, RegisterMemoryIsReportedOnceNamingTheFirstFileThatHasIt) {
    quietPatchLevel("4.11");
    model.StartupDxs = {"REGISTER MEMORY 0x1000000 0x7000000"};
    model.DosAutoexecDxs = {"register memory 0x1000000 0x7000000"};
    model.AutoexecDxs = {"Register Memory 0x1000000 0x7000000"};
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), registerMemory("STARTUP.DXS"));

    resetRun();
    model.StartupDxs = {"load AHA1540.DSK"};
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), registerMemory("C:AUTOEXEC.DXS"));

    resetRun();
    model.DosAutoexecDxs.clear();
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), registerMemory("SYS:SYSTEM\\AUTOEXEC.DXS"));
}

TEST_F(SuggestionsTest, RegisterMemoryMustBeginTheLine) {
    quietPatchLevel("4.10");
    model.StartupDxs = {"SET Reserved Buffers Below 16 Meg = 200", "  REGISTER MEMORY 0x1000000",
                        "REM REGISTER MEMORY 0x1000000", "REGISTER  MEMORY 0x1000000"};
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(model.Suggestions, NoSuggestions);
}

TEST_F(SuggestionsTest, RegisterMemoryIsOnlyAdvisedOn41xServers) {
    for (const char* version : {"4.00", "5.00", "3.12"}) {
        resetRun();
        quietPatchLevel(version);
        model.StartupDxs = {"SET Reserved Buffers Below 16 Meg = 200",
                            "REGISTER MEMORY 0x1000000 0x7000000"};
        EXPECT_TRUE(suggest().isNull());
        EXPECT_EQ(model.Suggestions, NoSuggestions) << version;
    }
}

// ---------------------------------------------------------------- rule 3: reserved buffers

TEST_F(SuggestionsTest, ReservedBuffersAreAdvisedBelow411OnlyWhenStartupDxsHasLines) {
    quietPatchLevel("4.10");
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(model.Suggestions, NoSuggestions);  // empty STARTUP.DXS

    resetRun();
    model.StartupDxs = {"load AHA1540.DSK"};
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), ReservedBuffers);

    resetRun();
    model.StartupDxs = {"load AHA1540.DSK", "SET RESERVED BUFFERS BELOW 16 MEG=100"};
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(model.Suggestions, NoSuggestions);

    resetRun();
    model.StartupDxs = {"  Set Reserved Buffers Below 16 Meg = 200"};
    model.AutoexecDxs = {"Set Reserved Buffers Below 16 Meg = 200"};  // not examined
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), ReservedBuffers);
}

TEST_F(SuggestionsTest, ReservedBuffersDependOnTheVersionNumber) {
    const struct {
        const char* version;
        bool advise;
    } cases[] = {{"3.12", true}, {"4.00", true}, {"4.10", true}, {"4.11", false}, {"5.00", false}};
    for (const auto& [version, advise] : cases) {
        resetRun();
        model.PatchEntries.clear();
        quietPatchLevel(version);
        model.StartupDxs = {"load AHA1540.DSK"};
        EXPECT_TRUE(suggest().isNull());
        if (advise) {
            EXPECT_EQ(body(), ReservedBuffers) << version;
        } else {
            EXPECT_EQ(model.Suggestions, NoSuggestions) << version;
        }
    }
}

// ---------------------------------------------------------------- rule 4: SMP

TEST_F(SuggestionsTest, SmpDxpGivesOneSuggestionPerEntryAndSetsTheEngineType) {
    quietPatchLevel("4.11");
    views.EngTypeEdit = "NATIVE";
    model.OtherModules.add("MPSMP.DXP    Version 4.11");  // does not begin with "SMP."
    model.OtherModules.add("smp.dxp      Version 4.10");  // case counts
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(model.Suggestions, NoSuggestions);
    EXPECT_EQ(views.EngTypeEdit, "NATIVE");

    model.Suggestions.clear();
    model.OtherModules.add("SMP.DXP      Version 4.11");
    model.OtherModules.add("SMP.DXP      Version 4.12");
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), Smp + Smp);
    EXPECT_EQ(views.EngTypeEdit, "SMP");
}

// ---------------------------------------------------------------- rules 5 and 6

TEST_F(SuggestionsTest, RiskyStartupParametersMatchOnlyAtTheStartWithBlanksAroundTheEquals) {
    quietPatchLevel("4.11");
    model.StartupDxs = {"set allow invalid pointers = on",   "SET Allow Invalid Pointers=On",
                        "  SET Allow Invalid Pointers = On", "SET Read Fault Emulation = Off",
                        "Set Write Fault Emulation = ON",    "SET Read Fault Emulation = On"};
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), fault("SET Allow Invalid Pointers = On", "Startup.dxs") +
                          fault("SET Write Fault Emulation = On", "Startup.dxs") +
                          fault("SET Read Fault Emulation = On", "Startup.dxs"));
}

TEST_F(SuggestionsTest, AutoexecLinesGiveTheirSuggestionsInLineOrder) {
    quietPatchLevel("4.11");
    model.AutoexecDxs = {"SET Write Fault Emulation = On", "set upgrade low priority threads = on",
                         "SET Allow Invalid Pointers = On", " SET Read Fault Emulation = On",
                         "SET Upgrade Low Priority Threads=On"};
    model.DosAutoexecDxs = {"SET Read Fault Emulation = On",
                            "SET Upgrade Low Priority Threads = On"};  // not examined
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), fault("SET Write Fault Emulation = On", "Autoexec.dxs") + UpgradeThreads +
                          fault("SET Allow Invalid Pointers = On", "Autoexec.dxs"));
}

TEST_F(SuggestionsTest, SmpSilencesTheUpgradeThreadsRuleButNotTheFaultRules) {
    quietPatchLevel("4.11");
    model.OtherModules.add("SMP.DXP      Version 4.11");
    model.AutoexecDxs = {"SET Upgrade Low Priority Threads = On", "SET Read Fault Emulation = On"};
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), Smp + fault("SET Read Fault Emulation = On", "Autoexec.dxs"));
    EXPECT_EQ(views.EngTypeEdit, "SMP");
}

// ---------------------------------------------------------------- rule 7: old drivers

TEST_F(SuggestionsTest, DriversOlderThan1995AreReportedOn41xServers) {
    quietPatchLevel("4.10");
    const QStringList modules = {
        "AHA1540.DSK    Version 3.00   May 5, 1994", "CPQSCSI.HAM    Version 2.00   June 1, 1995",
        "NE2000.LAN     Version 3.31   Jan 2, 1993", "CLIB.DXP       Version 4.10   May 2, 1993",
        "CDROM.CDM      Version 1.00   1993",        "old.lan        Version 1.00   May 1, 1990",
    };
    for (const QString& m : modules) {
        model.OtherModules.add(m);
    }
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(state.DriverList, QStringList({modules.at(0), modules.at(4), modules.at(1),
                                             modules.at(2)}));  // OtherModules order
    EXPECT_EQ(body(), oldDriver(modules.at(0)) + oldDriver(modules.at(2)));
}

TEST_F(SuggestionsTest, NoDriverIsExaminedOn400Or500Servers) {
    for (const char* version : {"4.00", "5.00"}) {
        resetRun();
        quietPatchLevel(version);
        model.OtherModules.add("AHA1540.DSK    Version 3.00   May 5, 1994");
        EXPECT_TRUE(suggest().isNull());
        EXPECT_EQ(model.Suggestions, NoSuggestions) << version;
        EXPECT_TRUE(state.DriverList.isEmpty()) << version;
    }
}

TEST_F(SuggestionsTest, ADriverYearThatIsNotANumberEndsWithTheConversionError) {
    quietPatchLevel("4.11");
    model.OtherModules.add("BAD.LAN  Version 1.00  May 1, 199x");
    model.HasAbendLog = true;
    EXPECT_EQ(suggest(), "'199x' is not a valid integer value");
    EXPECT_TRUE(model.Suggestions.isEmpty());  // no abend log suggestion, no heading
}

// ---------------------------------------------------------------- rule 8 and the heading

TEST_F(SuggestionsTest, AnEmbeddedAbendLogIsPointedOut) {
    quietPatchLevel("4.11");
    model.HasAbendLog = true;
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), AbendLog);
}

TEST_F(SuggestionsTest, TheHeadingNamesTheDatabaseAndTheSupportSite) {
    model.OSVersion = "4.10";
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(model.Suggestions,
              QStringList({"               *** Using Quarix-controlled database ***",
                           "      Visit the Quarix support.quarix.example web site for ",
                           "          patches, file updates, and technical information.", " "}) +
                  loadLatest("4.10"));

    model.Suggestions.clear();
    EXPECT_TRUE(suggest({}, true).isNull());
    EXPECT_EQ(model.Suggestions.first(), "               *** Using UNCONTROLLED database ***");
    EXPECT_EQ(model.Suggestions.mid(1), heading().mid(1) + loadLatest("4.10"));
}

TEST_F(SuggestionsTest, TheHeadingGoesAboveSuggestionsOfEarlierProducers) {
    quietPatchLevel("4.11");
    const QStringList parser = {Bullet + "Add more memory to server. LRU Sitting Time < 15 min.",
                                " "};
    model.Suggestions = parser;
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(model.Suggestions, heading() + parser);
}

TEST_F(SuggestionsTest, NothingToSuggestGivesOneLineWithoutHeading) {
    quietPatchLevel("4.11");
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(model.Suggestions, NoSuggestions);
    EXPECT_EQ(model.Suggestions.size(), 1);
}

TEST_F(SuggestionsTest, AMissingOSVersionEndsWithTheConversionErrorAndNoHeading) {
    model.Suggestions = {Bullet + "From the parser", " "};
    model.HasAbendLog = true;
    EXPECT_EQ(suggest(), "'' is not a valid floating point value");
    EXPECT_EQ(model.Suggestions, QStringList({Bullet + "From the parser", " "}));

    model.Suggestions.clear();
    EXPECT_EQ(suggest(), "'' is not a valid floating point value");
    EXPECT_TRUE(model.Suggestions.isEmpty());  // not even the "No suggestions" line
}

TEST_F(SuggestionsTest, TheRulesAppendInTheirOrder) {
    model.OSVersion = "4.10";  // no patches: rule 1 advises
    model.StartupDxs = {"REGISTER MEMORY 0x1000000 0x7000000", "SET Allow Invalid Pointers = On"};
    model.OtherModules.add("SMP.DXP        Version 4.10");
    model.OtherModules.add("AHA1540.DSK    Version 3.00   May 5, 1994");
    model.AutoexecDxs = {"SET Read Fault Emulation = On", "SET Upgrade Low Priority Threads = On"};
    model.HasAbendLog = true;
    EXPECT_TRUE(suggest().isNull());
    EXPECT_EQ(body(), loadLatest("4.10") + registerMemory("STARTUP.DXS") + ReservedBuffers + Smp +
                          fault("SET Allow Invalid Pointers = On", "Startup.dxs") +
                          fault("SET Read Fault Emulation = On", "Autoexec.dxs") +
                          oldDriver("AHA1540.DSK    Version 3.00   May 5, 1994") + AbendLog);
    EXPECT_EQ(views.EngTypeEdit, "SMP");
}
