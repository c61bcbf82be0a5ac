// The compare driven as the window drives it: the baseline controls through loads, the compare
// through the open command, the include check box and the differences it appends.

#include "comparetest.h"

namespace {

const QString UpdateClib =
    QStringLiteral(" \u2022 Update CLIB.DXP       Version 4.11c is not current");

QStringList differences(const QStringList& suggestions) {
    const qsizetype at = suggestions.indexOf("Following are differences found when compared");
    return at < 0 ? QStringList() : suggestions.mid(at);
}

TEST_F(CompareTest, BaselineControlsFollowLoadsChoiceAndReset) {
    const ComparePage& page = compare().page();
    EXPECT_EQ(page.BaselineCheckBox.text, "Use THIS server's config (server ) as a baseline");
    EXPECT_FALSE(page.BaselineCheckBox.enabled);
    EXPECT_FALSE(page.ResetBaselineBtnEnabled);
    EXPECT_EQ(page.BaselineConfigLabel, "Baseline Config...from server:  <NONE>");
    EXPECT_EQ(compare().CompareConfigLabel(), "Compare Config...from server: <NONE>");

    open("base-fs1.txt");
    EXPECT_EQ(page.BaselineCheckBox.text,
              "Use THIS server's config (server BASE-FS1) as a baseline");
    EXPECT_TRUE(page.BaselineCheckBox.enabled);
    compare().ChooseBaseline();
    EXPECT_TRUE(page.BaselineCheckBox.checked);
    EXPECT_FALSE(page.BaselineCheckBox.enabled);
    EXPECT_TRUE(page.ResetBaselineBtnEnabled);
    EXPECT_EQ(page.BaselineConfigLabel, "Baseline Config...from server:  BASE-FS1");
    EXPECT_EQ(compare().BaselineChoice(), "BASE-FS1");
    EXPECT_EQ(compare().baseline().ModuleTotal, 7);
    EXPECT_EQ(compare().baseline().PatchTotal, 1);

    // Another report by the open command keeps the baseline and the box disabled.
    open("comp-fs2.txt");
    EXPECT_FALSE(page.BaselineCheckBox.enabled);
    EXPECT_EQ(compare().baseline().ServerName, "BASE-FS1");
    EXPECT_EQ(compare().CompareConfigLabel(), "Compare Config...from server: <NONE>");

    // A report without a server name disables both; a named report makes the baseline
    // resettable again.
    open("nameless.txt");
    compare().RefreshBaselineControls();
    EXPECT_FALSE(page.BaselineCheckBox.enabled);
    EXPECT_FALSE(page.ResetBaselineBtnEnabled);
    EXPECT_EQ(page.BaselineCheckBox.text, "Use THIS server's config (server ) as a baseline");
    open("twin-fs3.txt");
    EXPECT_TRUE(page.ResetBaselineBtnEnabled);
    EXPECT_FALSE(page.BaselineCheckBox.enabled);

    compare().ResetBaseline();
    EXPECT_FALSE(page.BaselineCheckBox.checked);
    EXPECT_TRUE(page.BaselineCheckBox.enabled);
    EXPECT_EQ(page.BaselineCheckBox.text,
              "Use THIS server's config (server TWIN-FS3) as a baseline");
    EXPECT_FALSE(page.ResetBaselineBtnEnabled);
    EXPECT_EQ(page.BaselineConfigLabel, "Baseline Config...from server:  <NONE>");
    EXPECT_TRUE(compare().baseline().isEmpty());
    EXPECT_TRUE(compare().BaselineChoice().isEmpty());
}

TEST_F(CompareTest, CompareRefusalsAndCancelChangeNothing) {
    EXPECT_EQ(compareWith("comp-fs2.txt").error,
              "A Baseline Config file hasn't been read yet!\r\nOpen a config file and select "
              "your baseline choice.");
    open("base-fs1.txt");
    EXPECT_EQ(compareWith("comp-fs2.txt").error,
              "Select a config for a Baseline Config (use the check box) then\r\nclick the "
              "'Compare' button to read the config to be compared.");
    compare().ChooseBaseline();
    takeMessages();
    EXPECT_FALSE(compareWith("").started);
    EXPECT_TRUE(compare().page().ListView1.isEmpty());
    EXPECT_TRUE(compare().compared().isEmpty());
    EXPECT_EQ(compareWith("no-such-report.txt").error.left(6), "File '");
    EXPECT_TRUE(compare().page().ListView1.isEmpty());
    EXPECT_EQ(engine().model().ServerName, "BASE-FS1");
}

TEST_F(CompareTest, CompareLoadsTheReportAndBuildsTheTable) {
    baselineAndCompare("base-fs1.txt", "comp-fs2.txt");
    EXPECT_EQ(engine().model().ServerName, "COMP-FS2");
    EXPECT_EQ(compare().compared().ServerName, "COMP-FS2");
    EXPECT_EQ(compare().CompareConfigLabel(), "Compare Config...from server: COMP-FS2");
    const CompareTable& t = compare().page().ListView1;
    EXPECT_EQ(t.rightHeader, "Compare Server: COMP-FS2");
    EXPECT_EQ(t.rows.at(3), (CompareRow{"  # of Other DXPs: 7", "  # of Other DXPs: 5"}));
    int marked = 0;
    for (const CompareRow& row : t.rows) {
        marked += row.marked ? 1 : 0;
    }
    EXPECT_EQ(marked, 3);  // CLIB and STREAMS key rows, the CLIB module row
    // Without the include box nothing is appended.
    EXPECT_TRUE(differences(engine().model().Suggestions).isEmpty());
    EXPECT_FALSE(compare().DifferencesAppended());

    compare().showColumnWidths();
    compare().setColumnWidths(300, 250);
    compare().showColumnWidths();
    EXPECT_EQ(takeMessages(), QStringList({"L = 280...R = 278", "L = 300...R = 250"}));
}

TEST_F(CompareTest, DifferencesAreAppendedOnceAndAgainAfterAReload) {
    open("base-fs1.txt");
    compare().ChooseBaseline();
    // Ticked before any compare: only the hint, and the box stays ticked.
    compare().includeCheckBoxClicked(true);
    EXPECT_EQ(takeMessages(), QStringList({"OK, but you have to use the Compare button on the\r\n"
                                           "Compare tab page to get any additional info."}));
    EXPECT_TRUE(compare().includeCompareDifferences());

    ASSERT_TRUE(compareWith("comp-fs2.txt").error.isNull());
    const QStringList expected = {"Following are differences found when compared",
                                  "against Baseline Server BASE-FS1:", " ", UpdateClib, " "};
    EXPECT_EQ(differences(engine().model().Suggestions), expected);
    EXPECT_TRUE(compare().DifferencesAppended());
    compare().includeCheckBoxClicked(false);
    compare().includeCheckBoxClicked(true);
    EXPECT_EQ(differences(engine().model().Suggestions), expected);  // not twice

    // A compare again reloads the report: the reset forgot them, the box appends them anew.
    ASSERT_TRUE(compareWith("comp-fs2.txt").error.isNull());
    EXPECT_EQ(differences(engine().model().Suggestions), expected);
    EXPECT_TRUE(compare().DifferencesAppended());

    // The open command unticks the box with its message, and forgets the differences.
    takeMessages();
    open("comp-fs2.txt");
    EXPECT_FALSE(compare().includeCompareDifferences());
    EXPECT_FALSE(compare().DifferencesAppended());
    EXPECT_TRUE(takeMessages().first().startsWith(
        "Differences from the Compare function will not be included."));
    compare().includeCheckBoxClicked(true);  // same server as the last compare: appended
    EXPECT_EQ(differences(engine().model().Suggestions), expected);
}

TEST_F(CompareTest, DifferencesOfAnotherServerAreRefused) {
    baselineAndCompare("base-fs1.txt", "comp-fs2.txt");
    open("twin-fs3.txt");
    takeMessages();
    compare().includeCheckBoxClicked(true);
    const QStringList shown = takeMessages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(
        shown.first().startsWith("The last server analyzed is not the same server as\r\n"
                                 "the last Compare Server."));
    EXPECT_FALSE(compare().includeCompareDifferences());
    EXPECT_TRUE(differences(engine().model().Suggestions).isEmpty());

    // Equal module lists give the one "no differences" suggestion.
    compare().ResetBaseline();
    compare().ChooseBaseline();
    ASSERT_TRUE(compareWith("base-fs1.txt").error.isNull());
    compare().includeCheckBoxClicked(true);
    EXPECT_EQ(differences(engine().model().Suggestions).mid(3),
              QStringList({" \u2022 No differences found among loaded DXP's", " "}));
    EXPECT_EQ(compare().page().ListView1.rows.at(0).caption, "Baseline Server: TWIN-FS3");
}

TEST_F(CompareTest, ARefusedCompareReportSnapshotsTheReportStillShown) {
    open("base-fs1.txt");
    compare().ChooseBaseline();
    const ReportLoader::Result result = compareWith("postrix.txt");
    EXPECT_TRUE(result.started);
    EXPECT_TRUE(result.error.startsWith("The config file to be read has ASCII control"));
    EXPECT_EQ(compare().compared().ServerName, "BASE-FS1");
    const CompareTable& t = compare().page().ListView1;
    EXPECT_EQ(t.rightHeader, "Compare Server: BASE-FS1");
    for (const CompareRow& row : t.rows) {
        EXPECT_FALSE(row.marked) << row.caption.toStdString();
    }

    // With the box ticked, a refused report after a compare does not append the same
    // differences a second time.
    compare().ResetBaseline();
    compare().ChooseBaseline();
    ASSERT_TRUE(compareWith("comp-fs2.txt").error.isNull());
    compare().includeCheckBoxClicked(true);
    const QStringList once = differences(engine().model().Suggestions);
    ASSERT_FALSE(once.isEmpty());
    compareWith("postrix.txt");
    EXPECT_EQ(differences(engine().model().Suggestions), once);
}

}  // namespace
