#include "analysistest.h"

#include "analysis/analysisviews.h"
#include "analysis/patchverification.h"

#include <QMap>

namespace {

// Module name (the first 12 characters of a patch row, trimmed) to the row's colour index,
// -1 for a row in normal colours.
QMap<QString, int> coloursByModule(const AnalysisState& state) {
    QMap<QString, int> out;
    for (const analysisviews::PatchRow& row :
         analysisviews::patchRows(state.PatchAnalysisList.lines())) {
        const QString module = row.text.left(12).trimmed();
        EXPECT_FALSE(out.contains(module)) << module.toStdString() << " is listed twice";
        out.insert(module, row.colour.value_or(-1));
    }
    return out;
}

QStringList bulletLines(const QStringList& names) {
    QStringList out;
    for (const QString& name : names) {
        out << Bullet + name;
    }
    return out;
}

}  // namespace

TEST(PatchVerificationStatic, ShortOSVersionRemovesOnlyTheFirstDot) {
    EXPECT_EQ(PatchVerification::shortOSVersion("4.10"), "410");
    EXPECT_EQ(PatchVerification::shortOSVersion("3.12"), "312");
    EXPECT_EQ(PatchVerification::shortOSVersion("4.1.0"), "41.0");
    EXPECT_EQ(PatchVerification::shortOSVersion("411"), "411");
    EXPECT_EQ(PatchVerification::shortOSVersion(""), "");
}

TEST(PatchVerificationStatic, ItSetsAreMovedBehindThePtSetOfTheirVersion) {
    QStringList names = {"410pt8", "410pt7", "410pt6", "410it8", "410it7"};
    PatchVerification::orderKitKinds(names);
    EXPECT_EQ(names, QStringList({"410pt8", "410it8", "410pt7", "410it7", "410pt6"}));

    // Full section names as the database lists them (descending).
    QStringList full = {"410pt8.txt : 70 native patches", "410pt7.txt : 65 native patches",
                        "410pt6.txt : 60 native patches", "410it8.txt : 5 native patches",
                        "410it7.txt : 4 native patches"};
    PatchVerification::orderKitKinds(full);
    EXPECT_EQ(full, QStringList({"410pt8.txt : 70 native patches", "410it8.txt : 5 native patches",
                                 "410pt7.txt : 65 native patches", "410it7.txt : 4 native patches",
                                 "410pt6.txt : 60 native patches"}));
}

TEST(PatchVerificationStatic, ReorderingStaysWithinOneVersionAndNeedsTwoPtSetsInARow) {
    // The search for an "it" set stops at the first name of another version.
    QStringList other = {"411pt2", "411pt1", "411pt0", "410it8"};
    PatchVerification::orderKitKinds(other);
    EXPECT_EQ(other, QStringList({"411pt2", "411pt1", "411pt0", "410it8"}));

    // Only two names: position i+2 does not exist.
    QStringList two = {"410pt8", "410it8"};
    PatchVerification::orderKitKinds(two);
    EXPECT_EQ(two, QStringList({"410pt8", "410it8"}));

    // Name i+1 must contain "pt" itself.
    QStringList single = {"410pt8", "410it9", "410it8"};
    PatchVerification::orderKitKinds(single);
    EXPECT_EQ(single, QStringList({"410pt8", "410it9", "410it8"}));

    // Names i+1 and i+2 must share the prefix of name i.
    QStringList split = {"411pt1", "410pt8", "410it8"};
    PatchVerification::orderKitKinds(split);
    EXPECT_EQ(split, QStringList({"411pt1", "410pt8", "410it8"}));

    // "pt" and "it" are tested with case: upper-case kinds are left where they are.
    QStringList upper = {"410PT8", "410PT7", "410IT8"};
    PatchVerification::orderKitKinds(upper);
    EXPECT_EQ(upper, QStringList({"410PT8", "410PT7", "410IT8"}));

    QStringList empty;
    PatchVerification::orderKitKinds(empty);
    EXPECT_TRUE(empty.isEmpty());
}

TEST_F(AnalysisTest, CountIsReadFromTheTwoCharactersAfterTheColonOrWhole) {
    PatchVerification v(model, state, views, manager(), dialogs, progress);
    EXPECT_EQ(v.setCount("410pt6.txt : 5 native patches"), 5);
    EXPECT_EQ(v.setCount("410pt6.txt : 70 native patches"), 70);
    EXPECT_EQ(v.setCount("410pt6.txt : 0 native patches"), 0);
    EXPECT_EQ(v.setCount("410pt6.txt : 120 native patches"), 120);
    EXPECT_EQ(v.setCount("410pt6.txt : 1000 native patches"), 1000);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(AnalysisTest, OnlySetsWhoseNameBeginsWithTheServersVersionDigitsAreTested) {
    writeControlled(set("411pt1", {"AFX.DXP"}) + set("410pt6", {"AFX.DXP"}) +
                    set("312pt9", {"AFX.DXP"}) + set("041pt1", {"AFX.DXP"}));
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("AFX.DXP"));
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.KnownPatchSets, QStringList({setName("411pt1", 1), setName("410pt6", 1),
                                                 setName("312pt9", 1), setName("041pt1", 1)}));
    EXPECT_EQ(state.CompleteSets, bulletLines({"410pt6 : 1 native patches"}));
    EXPECT_TRUE(state.PartialMatches.isEmpty());
    EXPECT_EQ(state.PatchAnalysisList.lines(), QStringList({patchLine("AFX.DXP") + ":0"}));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(AnalysisTest, TheVersionPrefixOfASetIsComparedWithoutRegardToCase) {
    writeControlled(set("41bpt1", {"AFX.DXP"}) + set("41Apt1", {"AFX.DXP"}));
    model.OSVersion = "4.1a";
    model.PatchEntries.append(patchLine("AFX.DXP"));
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets, bulletLines({"41Apt1 : 1 native patches"}));
}

TEST_F(AnalysisTest, ItSetsAreVerifiedRightAfterThePtSetOfTheirNumber) {
    writeControlled(set("410pt8", {"PT8FX.DXP"}) + set("410pt7", {"PT7FX.DXP"}) +
                    set("410pt6", {"PT6FX.DXP"}) + set("410it8", {"IT8FX.DXP"}) +
                    set("410it7", {"IT7FX.DXP"}));
    model.OSVersion = "4.10";
    for (const char* module : {"PT6FX.DXP", "IT7FX.DXP", "PT8FX.DXP", "IT8FX.DXP", "PT7FX.DXP"}) {
        model.PatchEntries.append(patchLine(module));
    }
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.KnownPatchSets,
              QStringList({setName("410pt8", 1), setName("410it8", 1), setName("410pt7", 1),
                           setName("410it7", 1), setName("410pt6", 1)}));
    EXPECT_EQ(state.CompleteSets,
              bulletLines({"410pt8 : 1 native patches", "410it8 : 1 native patches",
                           "410pt7 : 1 native patches", "410it7 : 1 native patches",
                           "410pt6 : 1 native patches"}));
    const QMap<QString, int> colours = coloursByModule(state);
    EXPECT_EQ(colours.value("PT8FX.DXP"), 0);
    EXPECT_EQ(colours.value("IT8FX.DXP"), 1);
    EXPECT_EQ(colours.value("PT7FX.DXP"), 2);
    EXPECT_EQ(colours.value("IT7FX.DXP"), 3);
    EXPECT_EQ(colours.value("PT6FX.DXP"), 4);
    // The manager's own list stays in descending order.
    EXPECT_EQ(manager().patchSetNames().at(3), setName("410it8", 1));
}

TEST_F(AnalysisTest, ASingleDigitCountIsReadAndNamesThePartialLine) {
    const QStringList modules = {"AFX.DXP", "BFX.DXP", "CFX.DXP", "DFX.DXP", "EFX.DXP"};
    writeControlled(set("410pt6", modules));
    ASSERT_EQ(setName("410pt6", 5), "410pt6.txt : 5 native patches");
    model.OSVersion = "4.10";
    for (const QString& m : modules.mid(0, 4)) {
        model.PatchEntries.append(patchLine(m));
    }
    EXPECT_TRUE(verify().isNull());
    EXPECT_TRUE(state.CompleteSets.isEmpty());
    EXPECT_EQ(state.PartialMatches, QStringList({"4 of 5 patches from 410pt6 were found."}));
    EXPECT_TRUE(views.PartialMatchesBtn);

    // With the fifth module loaded the set is complete.
    model.PatchEntries.append(patchLine("EFX.DXP"));
    state.clearForParse();
    views.PartialMatchesBtn = false;
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets, bulletLines({"410pt6 : 5 native patches"}));
    EXPECT_TRUE(state.PartialMatches.isEmpty());
    EXPECT_FALSE(views.PartialMatchesBtn);
}

TEST_F(AnalysisTest, ACountOfAHundredOrMoreIsReadWhole) {
    QStringList modules;
    for (int k = 1; k <= 120; ++k) {
        modules << QStringLiteral("P%1FX.DXP").arg(k, 3, 10, QLatin1Char('0'));
    }
    writeControlled(set("410big", modules));
    model.OSVersion = "4.10";
    // The first twelve modules only: were the count read as "12", the set would be complete.
    for (const QString& m : modules.mid(0, 12)) {
        model.PatchEntries.append(patchLine(m));
    }
    EXPECT_TRUE(verify().isNull());
    EXPECT_TRUE(state.CompleteSets.isEmpty());
    EXPECT_EQ(state.PartialMatches, QStringList({"12 of 120 patches from 410big were found."}));

    for (const QString& m : modules.mid(12)) {
        model.PatchEntries.append(patchLine(m));
    }
    state.clearForParse();
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets, bulletLines({"410big : 120 native patches"}));
    EXPECT_EQ(state.CompleteSetPatches.size(), 120);
}

TEST_F(AnalysisTest, ACountWithNShowsTheDebugMessageThenEndsWithTheConversionError) {
    writeControlled(set("410pt9", {"AFX.DXP"}) +
                    section("410pt8.txt : Na native patches", {"BFX.DXP"}) +
                    set("410pt7", {"BFX.DXP"}));
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("AFX.DXP"));
    model.PatchEntries.append(patchLine("BFX.DXP"));
    EXPECT_EQ(verify(), "'Na' is not a valid integer value");
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.messages().at(0).kind, MessageKind::Information);
    EXPECT_EQ(dialogs.messages().at(0).text, "DEBUG [VerifyPatches()]: tmpNumPatches = \"Na\"");
    // What was built before the bad set stays; nothing after it was tested.
    EXPECT_EQ(state.CompleteSets, bulletLines({"410pt9 : 1 native patches"}));
    EXPECT_EQ(state.PatchAnalysisList.lines(), QStringList({patchLine("AFX.DXP") + ":0"}));
    EXPECT_TRUE(state.UnassignedPatches.isEmpty());
}

TEST_F(AnalysisTest, ACountThatIsNotANumberWithoutNGivesOnlyTheConversionError) {
    writeControlled(section("410pt8.txt : xx native patches", {"BFX.DXP"}));
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("BFX.DXP"));
    EXPECT_EQ(verify(), "'xx' is not a valid integer value");
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_TRUE(state.CompleteSets.isEmpty());
}

TEST_F(AnalysisTest, ACountInASetOfAnotherVersionIsNeverRead) {
    writeControlled(section("411pt8.txt : Na native patches", {"BFX.DXP"}) +
                    set("410pt1", {"BFX.DXP"}));
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("BFX.DXP"));
    EXPECT_TRUE(verify().isNull());
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(state.CompleteSets, bulletLines({"410pt1 : 1 native patches"}));
}

TEST_F(AnalysisTest, MissingKeysReadDefaultSoTheSetIsOnlyPartial) {
    // The header says 3 but only keys 1 and 2 exist.
    writeControlled(section(setName("410pt6", 3), {"AFX.DXP", "BFX.DXP"}));
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("AFX.DXP"));
    model.PatchEntries.append(patchLine("BFX.DXP"));
    model.PatchEntries.append(patchLine("CFX.DXP"));  // matches no "Default" entry
    EXPECT_TRUE(verify().isNull());
    EXPECT_TRUE(state.CompleteSets.isEmpty());
    EXPECT_EQ(state.PartialMatches, QStringList({"2 of 3 patches from 410pt6 were found."}));
    EXPECT_TRUE(views.PartialMatchesBtn);
    EXPECT_EQ(state.PartialSetPatches.lines(),
              QStringList({patchLine("AFX.DXP"), patchLine("BFX.DXP")}));
    EXPECT_EQ(state.PatchAnalysisList.lines(),
              QStringList({patchLine("AFX.DXP"), patchLine("BFX.DXP"), patchLine("CFX.DXP")}));
    EXPECT_EQ(state.UnassignedPatches.lines(), QStringList({patchLine("CFX.DXP")}));
}

TEST_F(AnalysisTest, KeysAreReadByNumberNotByPosition) {
    // Keys written out of order (and one with blanks around it) still form the set.
    writeControlled(
        {"[" + setName("410pt6", 3) + "]", "3=CFX.DXP", " 1 = AFX.DXP", "2=BFX.DXP", ""});
    model.OSVersion = "4.10";
    for (const char* m : {"AFX.DXP", "BFX.DXP", "CFX.DXP"}) {
        model.PatchEntries.append(patchLine(m));
    }
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets, bulletLines({"410pt6 : 3 native patches"}));
}

TEST_F(AnalysisTest, ALineWithTwoModuleNamesUsesUpOnlyOneEntry) {
    writeControlled(set("410pt6", {"AFX.DXP", "CFX.DXP", "BFX.DXP"}));
    model.OSVersion = "4.10";
    model.PatchEntries.append("AFX.DXP and BFX.DXP in one line");
    model.PatchEntries.append(patchLine("CFX.DXP"));
    EXPECT_TRUE(verify().isNull());
    EXPECT_TRUE(state.CompleteSets.isEmpty());
    EXPECT_EQ(state.PartialMatches, QStringList({"2 of 3 patches from 410pt6 were found."}));

    // A line of its own for the other module completes the set.
    model.PatchEntries.append(patchLine("BFX.DXP"));
    state.clearForParse();
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets, bulletLines({"410pt6 : 3 native patches"}));
    EXPECT_TRUE(state.PartialMatches.isEmpty());
}

TEST_F(AnalysisTest, AnEntryIsUsedUpByOneLineOnly) {
    writeControlled(set("410pt6", {"AFX.DXP"}));
    model.OSVersion = "4.10";
    const QString first = "AFX.DXP      Version 1.00";
    const QString second = "AFX.DXP      Version 2.00";
    model.PatchEntries.append(second);
    model.PatchEntries.append(first);
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets, bulletLines({"410pt6 : 1 native patches"}));
    // The patch entries are sorted, so "Version 1.00" comes first and takes the entry.
    EXPECT_EQ(state.CompleteSetPatches.lines(), QStringList({first}));
    EXPECT_EQ(state.UnassignedPatches.lines(), QStringList({second}));
    EXPECT_EQ(state.PatchAnalysisList.lines(), QStringList({first + ":0", second}));

    // The same module twice in a set needs two lines.
    writeControlled(set("410pt6", {"CFX.DXP", "CFX.DXP"}));
    PatchDatabaseManager fresh(databases(), dialogs, progress);
    model.PatchEntries.clear();
    model.PatchEntries.append(patchLine("CFX.DXP"));
    state.clearForParse();
    PatchVerification(model, state, views, fresh, dialogs, progress).VerifyPatches();
    EXPECT_EQ(state.PartialMatches, QStringList({"1 of 2 patches from 410pt6 were found."}));
}

TEST_F(AnalysisTest, TheModuleTextIsTakenAfterAnEqualsSignCutTo12AndMatchedWithCase) {
    writeControlled(section(setName("410pt6", 2), {"old=LONGNAMEFIX2.DXP", "BFX.DXP"}) +
                    set("410pt5", {"bfx.dxp"}) + set("410pt4", {"LONGNAMEFIX9.DXP"}));
    model.OSVersion = "4.10";
    // Only the first 12 characters of the module name have to occur in the line.
    model.PatchEntries.append("LONGNAMEFIX2 Version 4.10");
    model.PatchEntries.append(patchLine("BFX.DXP"));
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets, bulletLines({"410pt6 : 2 native patches"}));
    // "bfx.dxp" occurs in no line (case counts), and "LONGNAMEFIX9" in none either (its first
    // eleven characters do): no partial line for 410pt5 or 410pt4.
    EXPECT_TRUE(state.PartialMatches.isEmpty());
}

TEST_F(AnalysisTest, CompleteSetsAreListedWithoutTheExtensionAndColouredInOrder) {
    writeControlled(set("410pt7", {"AFX.DXP", "BFX.DXP"}) + set("410pt6", {"CFX.DXP"}) +
                    set("410pt5", {"MISSFX.DXP"}));
    model.OSVersion = "4.10";
    for (const char* m : {"AFX.DXP", "BFX.DXP", "CFX.DXP", "ZFX.DXP"}) {
        model.PatchEntries.append(patchLine(m));
    }
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets,
              bulletLines({"410pt7 : 2 native patches", "410pt6 : 1 native patches"}));
    EXPECT_EQ(state.PatchAnalysisList.lines(),
              QStringList({patchLine("AFX.DXP") + ":0", patchLine("BFX.DXP") + ":0",
                           patchLine("CFX.DXP") + ":1", patchLine("ZFX.DXP")}));
    EXPECT_EQ(state.UnassignedPatches.lines(), QStringList({patchLine("ZFX.DXP")}));
    EXPECT_TRUE(state.PartialMatches.isEmpty());
    EXPECT_FALSE(views.PartialMatchesBtn);
}

TEST_F(AnalysisTest, TheDisplayNameLosesTheFourCharactersFromTheFirstDot) {
    writeControlled(section("410pt6.text : 1 native patches", {"AFX.DXP"}) +
                    section("410pt5.txt-SP5 : 2 native patches", {"AFX.DXP", "BFX.DXP"}) +
                    section("410pt4.txt-SP4 : 1 native patches", {"AFX.DXP"}));
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("AFX.DXP"));
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets,
              bulletLines({"410pt6t : 1 native patches", "410pt4-SP4 : 1 native patches"}));
    // A line of a complete set still counts as a match of a later set, and the partial line
    // names that set up to its first ".".
    EXPECT_EQ(state.PartialMatches, QStringList({"1 of 2 patches from 410pt5 were found."}));
    EXPECT_TRUE(state.PartialSetPatches.isEmpty());
    EXPECT_EQ(state.PatchAnalysisList.lines(), QStringList({patchLine("AFX.DXP") + ":0"}));
}

TEST_F(AnalysisTest, NineCompleteSetsTheNinthTakesColourSeven) {
    QStringList db;
    for (int k = 9; k >= 1; --k) {
        db += set(QStringLiteral("410pt%1").arg(k), {QStringLiteral("P%1FX.DXP").arg(k)});
    }
    writeControlled(db);
    model.OSVersion = "4.10";
    for (int k = 1; k <= 9; ++k) {
        model.PatchEntries.append(patchLine(QStringLiteral("P%1FX.DXP").arg(k)));
    }
    EXPECT_TRUE(verify().isNull());
    ASSERT_EQ(state.CompleteSets.size(), 9);
    EXPECT_EQ(state.CompleteSets.first(), Bullet + "410pt9 : 1 native patches");
    EXPECT_EQ(state.CompleteSets.last(), Bullet + "410pt1 : 1 native patches");
    const QMap<QString, int> colours = coloursByModule(state);
    for (int k = 9; k >= 2; --k) {
        EXPECT_EQ(colours.value(QStringLiteral("P%1FX.DXP").arg(k)), 9 - k) << k;
    }
    EXPECT_EQ(colours.value("P1FX.DXP"), 7);  // the ninth set
    const QList<analysisviews::PatchRow> rows = analysisviews::completeSetRows(state.CompleteSets);
    ASSERT_EQ(rows.size(), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(rows.at(i).text, state.CompleteSets.at(i));
        EXPECT_EQ(rows.at(i).colour, std::min(i, 7));
    }
}

TEST_F(AnalysisTest, APatchOfAPartialSetMovesToTheColourOfALaterCompleteSet) {
    writeControlled(set("410pt8", {"AFX.DXP", "MISSFX.DXP"}) + set("410pt7", {"AFX.DXP"}) +
                    set("410pt6", {"BFX.DXP", "MISS2FX.DXP"}));
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("AFX.DXP"));
    model.PatchEntries.append(patchLine("BFX.DXP"));
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.PartialMatches, QStringList({"1 of 2 patches from 410pt8 were found.",
                                                 "1 of 2 patches from 410pt6 were found."}));
    EXPECT_EQ(state.CompleteSets, bulletLines({"410pt7 : 1 native patches"}));
    EXPECT_EQ(state.CompleteSetPatches.lines(), QStringList({patchLine("AFX.DXP")}));
    EXPECT_EQ(state.PartialSetPatches.lines(), QStringList({patchLine("BFX.DXP")}));
    // AFX.DXP is listed once, in the complete set's colour.
    EXPECT_EQ(state.PatchAnalysisList.lines(),
              QStringList({patchLine("AFX.DXP") + ":0", patchLine("BFX.DXP")}));
    EXPECT_TRUE(state.UnassignedPatches.isEmpty());
    EXPECT_TRUE(views.PartialMatchesBtn);
}

TEST_F(AnalysisTest, APatchOfTwoCompleteSetsKeepsTheFirstColourAndALaterPartialSetLeavesIt) {
    writeControlled(set("410pt8", {"AFX.DXP"}) + set("410pt7", {"AFX.DXP", "BFX.DXP"}) +
                    set("410pt6", {"AFX.DXP", "MISSFX.DXP"}));
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("AFX.DXP"));
    model.PatchEntries.append(patchLine("BFX.DXP"));
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets,
              bulletLines({"410pt8 : 1 native patches", "410pt7 : 2 native patches"}));
    EXPECT_EQ(state.PartialMatches, QStringList({"1 of 2 patches from 410pt6 were found."}));
    EXPECT_TRUE(state.PartialSetPatches.isEmpty());
    EXPECT_EQ(state.PatchAnalysisList.lines(),
              QStringList({patchLine("AFX.DXP") + ":0", patchLine("BFX.DXP") + ":1"}));
}

TEST_F(AnalysisTest, WithoutADatabaseFileAllPatchesAreListedWithoutColour) {
    // No database file at all in the data directory.
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("BFX.DXP"));
    model.PatchEntries.append(patchLine("AFX.DXP"));
    model.PatchEntries.append(patchLine("afx.dxp"));  // equal without regard to case
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.PatchAnalysisList.lines(),
              QStringList({patchLine("AFX.DXP"), patchLine("BFX.DXP")}));
    for (const analysisviews::PatchRow& row :
         analysisviews::patchRows(state.PatchAnalysisList.lines())) {
        EXPECT_FALSE(row.colour.has_value());
    }
    EXPECT_TRUE(state.CompleteSets.isEmpty());
    EXPECT_TRUE(state.KnownPatchSets.isEmpty());
    EXPECT_TRUE(state.PartialMatches.isEmpty());
    EXPECT_FALSE(views.PartialMatchesBtn);
    // The verification itself shows nothing about the missing file.
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.texts().join('|').toStdString();
}

TEST_F(AnalysisTest, WithoutADatabaseFileAPatchKitListLeavesTheAnalysisListEmpty) {
    model.OSVersion = "4.11";
    model.HasPatchKitList = true;
    model.PatchEntries.append("   Kit: 411PT6   Quarix 4.11 Patch Kit 6");
    EXPECT_TRUE(verify().isNull());
    EXPECT_TRUE(state.PatchAnalysisList.isEmpty());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(AnalysisTest, APatchKitListFindsSetsButLeavesTheAnalysisListsEmpty) {
    writeControlled(set("411pt6", {"DSFIX.DXP", "SPXFX2.DXP"}) +
                    set("411pt5", {"DSFIX.DXP", "MMFIX.DXP", "OTHERFX.DXP"}));
    model.OSVersion = "4.11";
    model.HasPatchKitList = true;
    model.PatchesLoaded = true;
    model.PatchEntries.setOrder(PatchEntryList::Order::Report);
    for (const char* line : {"Patch Kit Information:", "   Kit: 411PT6   Quarix 4.11 Patch Kit 6",
                             "   DSFIX.DXP       Loaded       Directory Services Fix",
                             "   SPXFX2.DXP      Loaded       SPX Retry Fix",
                             "   MMFIX.DXP       Not loaded   Memory Manager Fix"}) {
        model.PatchEntries.append(line);
    }
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets, bulletLines({"411pt6 : 2 native patches"}));
    EXPECT_EQ(state.PartialMatches, QStringList({"2 of 3 patches from 411pt5 were found."}));
    EXPECT_TRUE(views.PartialMatchesBtn);
    EXPECT_TRUE(state.MatchedPatches.isEmpty());
    EXPECT_TRUE(state.CompleteSetPatches.isEmpty());
    EXPECT_TRUE(state.PartialSetPatches.isEmpty());
    EXPECT_TRUE(state.UnassignedPatches.isEmpty());
    EXPECT_TRUE(state.PatchAnalysisList.isEmpty());
}

TEST_F(AnalysisTest, ASetWithCountZeroIsCompleteWhenAnyPatchIsLoaded) {
    writeControlled(section(setName("410pt0", 0), {}) + section(setName("411pt0", 0), {}));
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("ZFX.DXP"));
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets, bulletLines({"410pt0 : 0 native patches"}));
    // It has no entries, so no patch takes its colour.
    EXPECT_EQ(state.PatchAnalysisList.lines(), QStringList({patchLine("ZFX.DXP")}));
    EXPECT_EQ(state.UnassignedPatches.lines(), QStringList({patchLine("ZFX.DXP")}));
}

TEST_F(AnalysisTest, NoLoadedPatchesLeaveTheSetViewEmptyAndTheButtonHidden) {
    writeControlled(section(setName("410pt0", 0), {}) + set("410pt6", {"AFX.DXP"}));
    model.OSVersion = "4.10";
    state.CompleteSets = {"left over"};
    state.PartialMatches = {"left over"};
    EXPECT_TRUE(verify().isNull());
    EXPECT_TRUE(state.CompleteSets.isEmpty());
    EXPECT_TRUE(state.PartialMatches.isEmpty());
    EXPECT_TRUE(state.PatchAnalysisList.isEmpty());
    EXPECT_TRUE(state.KnownPatchSets.isEmpty());
    EXPECT_FALSE(views.PartialMatchesBtn);
}

TEST_F(AnalysisTest, EachRunStartsTheCompleteAndPartialListsAfresh) {
    writeControlled(set("410pt6", {"AFX.DXP"}) + set("410pt5", {"AFX.DXP", "MISSFX.DXP"}));
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("AFX.DXP"));
    EXPECT_TRUE(verify().isNull());
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets, bulletLines({"410pt6 : 1 native patches"}));
    EXPECT_EQ(state.PartialMatches, QStringList({"1 of 2 patches from 410pt5 were found."}));
}

TEST_F(AnalysisTest, TheUncontrolledDatabaseIsUsedWhenItIsCurrent) {
    writeControlled(set("410pt6", {"AFX.DXP"}));
    writeUncontrolled(set("410pt2", {"AFX.DXP"}));
    databases().SelectUncontrolledDatabase();
    model.OSVersion = "4.10";
    model.PatchEntries.append(patchLine("AFX.DXP"));
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets, bulletLines({"410pt2 : 1 native patches"}));
}

TEST_F(AnalysisTest, AnEmptySetEntryMatchesNoPatchLine) {
    writeControlled(section(setName("411pt3", 2), {"AAAFX.DXP", ""}) +
                    set("411pt2", {"BBBFX.DXP", "CCCFX.DXP"}));
    model.OSVersion = "4.11";
    for (const char* module : {"AAAFX.DXP", "BBBFX.DXP", "CCCFX.DXP"}) {
        model.PatchEntries.append(patchLine(module));
    }
    EXPECT_TRUE(verify().isNull());
    EXPECT_EQ(state.CompleteSets, bulletLines({"411pt2 : 2 native patches"}));
    EXPECT_EQ(state.PartialMatches, QStringList({"1 of 2 patches from 411pt3 were found."}));
    EXPECT_EQ(state.PatchAnalysisList.lines(),
              QStringList({patchLine("AAAFX.DXP"), patchLine("BBBFX.DXP") + ":0",
                           patchLine("CCCFX.DXP") + ":0"}));
}

TEST_F(AnalysisTest, ABigListOfOneByteEntriesVerifiesAsTheSameEntriesAsStrings) {
    // Thousands of entries deferred as one-byte lines are read where they lie, never made
    // strings; every result equals that of the same entries added as strings. One set is
    // complete, one partial, and most entries come twice.
    writeControlled(set("410pt6", {"AFX.DXP", "BFX.DXP"}) + set("410pt5", {"CFX.DXP", "ZFX.DXP"}));
    model.OSVersion = "4.10";
    QStringList entries;
    for (int k = 0; k < 5000; ++k) {
        entries << patchLine(QStringLiteral("P%1FX.DXP").arg(k % 2500));
    }
    entries << patchLine("BFX.DXP") << patchLine("CFX.DXP") << patchLine("AFX.DXP");
    const auto results = [&](bool oneByte) {
        model.PatchEntries.clear();
        state.clearForParse();
        for (const QString& entry : entries) {
            if (!oneByte || !model.PatchEntries.appendDeferred(QLatin1String(entry.toLatin1()))) {
                model.PatchEntries.append(entry);
            }
        }
        EXPECT_EQ(model.PatchEntries.compactLines() != nullptr, oneByte);
        EXPECT_TRUE(verify().isNull());
        return QList<QStringList>{state.CompleteSets, state.PartialMatches,
                                  state.PatchAnalysisList.lines(), state.UnassignedPatches.lines()};
    };
    const QList<QStringList> strings = results(false);
    EXPECT_EQ(strings.at(0), bulletLines({"410pt6 : 2 native patches"}));
    EXPECT_EQ(strings.at(1).size(), 1);
    EXPECT_EQ(strings.at(3).size(), 2500);  // the partial set's patch is not unassigned
    EXPECT_EQ(results(true), strings);
}
