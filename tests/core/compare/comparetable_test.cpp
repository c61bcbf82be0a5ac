// The compare table built from hand-made snapshots: the module walk, the patch set columns and
// the difference marks.

#include "comparetest.h"

#include "compare/comparetablebuilder.h"
#include "ui/progress.h"

#include <gtest/gtest.h>

namespace {

// A module entry as the parser keeps it: the name padded to 12, then the version line.
QString entry(const QString& name, const QString& version) {
    return name.leftJustified(12) + QStringLiteral("   Version ") + version +
           QStringLiteral("   May 1, 1998");
}

QString cell(const QString& name, const QString& version) {
    return QStringLiteral("  ") + entry(name, version).left(28);
}

ServerSnapshot snapshot(const QString& name, const QStringList& modules,
                        const QStringList& sets = {}) {
    ServerSnapshot s;
    s.ServerName = name;
    s.OSVersion = QStringLiteral("4.11");
    s.Modules = modules;
    s.ModuleTotal = int(modules.size());
    s.Sets = sets;
    s.SetTotal = int(sets.size());
    return s;
}

CompareTable build(const ServerSnapshot& baseline, const ServerSnapshot& compare,
                   bool compact = false) {
    CompareTable table;
    NullProgress progress;
    CompareTableBuilder(table, progress).BuildCompareTable(baseline, compare, compact);
    return table;
}

// The rows after "Non-Patch DXPs Loaded:".
QList<CompareRow> moduleRows(const CompareTable& table) {
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
        if (table.rows.at(i).caption == QLatin1String("Non-Patch DXPs Loaded:")) {
            return table.rows.mid(i + 1);
        }
    }
    ADD_FAILURE() << "no module caption row";
    return {};
}

TEST(ModuleWalk, MergesBothSortedListsIntoOneRowPerModule) {
    const QString a = entry("A.DXP", "1.00"), b = entry("B.DXP", "1.00");
    const QString c = entry("C.DXP", "1.00"), c2 = entry("C.DXP", "2.00");
    QList<CompareRow> rows = moduleRows(build(snapshot("S1", {a, c}), snapshot("S2", {b, c2})));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], (CompareRow{cell("A.DXP", "1.00"), "", false}));
    EXPECT_EQ(rows[1], (CompareRow{"", cell("B.DXP", "1.00"), false}));
    EXPECT_EQ(rows[2], (CompareRow{cell("C.DXP", "1.00"), cell("C.DXP", "2.00"), true}));

    // One side empty, and both empty: the table then ends with the caption row.
    rows = moduleRows(build(snapshot("S1", {a, c}), snapshot("S2", {})));
    EXPECT_EQ(rows, (QList<CompareRow>{{cell("A.DXP", "1.00"), "", false},
                                       {cell("C.DXP", "1.00"), "", false}}));
    rows = moduleRows(build(snapshot("S1", {}), snapshot("S2", {b})));
    EXPECT_EQ(rows, (QList<CompareRow>{{"", cell("B.DXP", "1.00"), false}}));
    const CompareTable empty = build(snapshot("S1", {}), snapshot("S2", {}));
    EXPECT_EQ(empty.rows.last(),
              (CompareRow{"Non-Patch DXPs Loaded:", "Non-Patch DXPs Loaded:", false}));
}

TEST(ModuleWalk, NamesAfterTheOldSentinelAndOddCharactersStayOnOneRow) {
    // "~" and "_" sort differently by collation and by character codes; names after
    // "ZZZZZZZZ.ZZZ" must neither end the walk early nor read past the end of a list.
    const QString tool = entry("ZZ_TOOL.DXP", "1.00"), zza = entry("ZZA.DXP", "1.00");
    const QString sentinel = entry("ZZZZZZZZ.ZZZ", "1.00"), tilde = entry("~LATE.DXP", "1.00");
    QList<CompareRow> rows = moduleRows(build(snapshot("S1", {tool, zza}), snapshot("S2", {zza})));
    EXPECT_EQ(rows, (QList<CompareRow>{{cell("ZZ_TOOL.DXP", "1.00"), "", false},
                                       {cell("ZZA.DXP", "1.00"), cell("ZZA.DXP", "1.00"), false}}));

    rows = moduleRows(
        build(snapshot("S1", {zza, sentinel, tilde}), snapshot("S2", {sentinel, tilde})));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].subText, "");
    EXPECT_EQ(rows[1], (CompareRow{cell("ZZZZZZZZ.ZZZ", "1.00"), cell("ZZZZZZZZ.ZZZ", "1.00")}));
    EXPECT_EQ(rows[2], (CompareRow{cell("~LATE.DXP", "1.00"), cell("~LATE.DXP", "1.00")}));

    rows = moduleRows(build(snapshot("S1", {}), snapshot("S2", {zza, sentinel, tilde})));
    EXPECT_EQ(rows.size(), 3);
}

TEST(CompareTable, CountsKeyModulesAndMarks) {
    ServerSnapshot base = snapshot("BASE", {entry("CLIB.DXP", "4.11b"), entry("DS.DXP", "6.01")});
    base.PatchTotal = 3;
    ServerSnapshot comp = snapshot("COMP", {entry("CLIB.DXP", "4.11B"), entry("DS.DXP", "6.02")});
    comp.OSVersion = QStringLiteral("4.11a");
    comp.PatchTotal = 5;
    const CompareTable t = build(base, comp);
    EXPECT_EQ(t.leftHeader, "Baseline Server: BASE");
    EXPECT_EQ(t.rightHeader, "Compare Server: COMP");
    EXPECT_EQ(t.leftWidth, 280);
    EXPECT_EQ(t.rightWidth, 278);
    ASSERT_GE(t.rows.size(), 14);
    EXPECT_EQ(t.rows[0], (CompareRow{"Baseline Server: BASE", "Baseline Server: COMP", false}));
    EXPECT_EQ(t.rows[1], (CompareRow{"  Daltrix Version: 4.11", "  Daltrix Version: 4.11a", true}));
    EXPECT_EQ(t.rows[2], (CompareRow{"  # of Patches:    3", "  # of Patches:    5", false}));
    EXPECT_EQ(t.rows[3].caption, "  # of Other DXPs: 2");
    EXPECT_EQ(t.rows[4].subText, "  # of Patch Sets: 0");
    EXPECT_EQ(t.rows[5], CompareRow{});
    EXPECT_EQ(t.rows[6],
              (CompareRow{"DS.DXP:       Version 6.01 ", "DS.DXP:       Version 6.02 ", true}));
    // Row 7 differs only in case: no mark, here and in the module rows.
    EXPECT_EQ(t.rows[7],
              (CompareRow{"CLIB.DXP:     Version 4.11b", "CLIB.DXP:     Version 4.11B", false}));
    EXPECT_EQ(t.rows[8], (CompareRow{"STREAMS.DXP: <Not Loaded>", "STREAMS.DXP: <Not Loaded>"}));
    const QList<CompareRow> rows = moduleRows(t);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_FALSE(rows[0].marked);  // CLIB, case only
    EXPECT_TRUE(rows[1].marked);   // DS

    // Compact module lines: the version is 8 characters from column 14, module texts 21 wide.
    const QString compact = QStringLiteral("DS.DXP       6.03     01-05-98  ");
    const CompareTable c = build(snapshot("B", {compact}), snapshot("C", {compact}), true);
    EXPECT_EQ(c.rows[6].caption, "DS.DXP:      6.03    ");
    EXPECT_EQ(moduleRows(c).first().caption, "  " + compact.left(21));
}

TEST(CompareTable, UnevenPatchSetListsBothWays) {
    const QStringList one = {" \u2022 411pt1"};
    const QStringList two = {" \u2022 411pt2", " \u2022 411pt1"};
    const QStringList three = {" \u2022 411pt3", " \u2022 411pt2", " \u2022 411pt1"};

    // No baseline sets, two compare sets: the second goes on a new row with an empty left.
    CompareTable t = build(snapshot("B", {}), snapshot("C", {}, two));
    EXPECT_EQ(t.rows[10], (CompareRow{"Complete Patch Sets:", "Complete Patch Sets:"}));
    EXPECT_EQ(t.rows[11], (CompareRow{"  <NONE>", "   \u2022 411pt2"}));
    EXPECT_EQ(t.rows[12], (CompareRow{"", "   \u2022 411pt1"}));
    EXPECT_EQ(t.rows[13], CompareRow{});
    EXPECT_EQ(t.rows[14].caption, "Non-Patch DXPs Loaded:");

    // Three baseline sets, one compare set: rows 12 and 13 are empty on the right.
    t = build(snapshot("B", {}, three), snapshot("C", {}, one));
    EXPECT_EQ(t.rows[11], (CompareRow{"   \u2022 411pt3", "   \u2022 411pt1"}));
    EXPECT_EQ(t.rows[12], (CompareRow{"   \u2022 411pt2", ""}));
    EXPECT_EQ(t.rows[13], (CompareRow{"   \u2022 411pt1", ""}));
    EXPECT_EQ(t.rows[15].caption, "Non-Patch DXPs Loaded:");

    // One baseline set, three compare sets; no compare sets at all.
    t = build(snapshot("B", {}, one), snapshot("C", {}, three));
    EXPECT_EQ(t.rows[12], (CompareRow{"", "   \u2022 411pt2"}));
    EXPECT_EQ(t.rows[13], (CompareRow{"", "   \u2022 411pt1"}));
    t = build(snapshot("B", {}, two), snapshot("C", {}));
    EXPECT_EQ(t.rows[11], (CompareRow{"   \u2022 411pt2", "  <NONE>"}));
    EXPECT_EQ(t.rows[12], (CompareRow{"   \u2022 411pt1", ""}));
}

}  // namespace
