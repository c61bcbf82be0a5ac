#include "abendtest.h"
#include "testsupport.h"

#include "abendlog/abendlog.h"

#include <QFileInfo>

TEST_F(AbendTest, AReportsAbendSectionIsListedButNotAnalysed) {
    const QString report = testsupport::dataPath(QStringLiteral("abendlog/oak-fs9.txt"));
    ASSERT_TRUE(engine().openReport(report).completed);
    ASSERT_TRUE(engine().model().HasAbendLog);
    EXPECT_TRUE(view().entries.isEmpty());  // nothing is scanned before the window activates

    abend().activate();
    EXPECT_EQ(view().title, QStringLiteral("Analyze Daltrix 4.11 ABEND.LOG:  ") +
                                QFileInfo(report).absoluteFilePath());
    EXPECT_EQ(view().textView, AbendTextView::Report);
    EXPECT_EQ(view().AbendText, engine().model().AbendLogLines);
    EXPECT_EQ(view().countLabel, QStringLiteral("# of Abends Found: 2"));
    ASSERT_EQ(view().entries.size(), 2);
    EXPECT_EQ(view().entries.at(1).DateTimeAndServer,
              QStringLiteral("Sunday, April 5, 1998   10:10:10 pm  [OAK-FS9]"));
    EXPECT_EQ(view().entries.at(1).RunningProcess,
              QStringLiteral("Remirror Process (MIRRORFX.DXP)"));
    EXPECT_EQ(view().statusPanels, (std::array<QString, 3>{}));

    takeMessages();
    abend().analyzeEntry(0);
    EXPECT_EQ(takeMessages(), QStringList({AbendLog::ReportRefusal}));
    EXPECT_EQ(view().modulesLabel, QStringLiteral("Modules Loaded: "));
    EXPECT_EQ(view().analysisHeading, QStringLiteral("Analysis"));
    EXPECT_TRUE(view().AbendAnalysis.isEmpty());

    // Opening a log file clears the flag, so its entries can be analysed.
    abend().openLogFile(testsupport::dataPath(QStringLiteral("abendlog/fs1-abend.log")));
    EXPECT_FALSE(engine().model().HasAbendLog);
    abend().analyzeEntry(0);
    EXPECT_EQ(view().modulesLabel, QStringLiteral("Modules Loaded: 6"));
    abend().activate();  // the log stays
    EXPECT_EQ(view().textView, AbendTextView::File);
}

TEST_F(AbendTest, EveryReportLoadClearsTheView) {
    abend().openLogFile(testsupport::dataPath(QStringLiteral("abendlog/fs1-abend.log")));
    abend().analyzeEntry(0);
    ASSERT_TRUE(engine()
                    .openReport(testsupport::dataPath(QStringLiteral("reports/acct-fs1.txt")))
                    .completed);
    EXPECT_EQ(view().title, QStringLiteral("Analyze Daltrix 4.11 ABEND.LOG:"));
    EXPECT_EQ(view().countLabel, QStringLiteral("# of Abends Found: "));
    EXPECT_EQ(view().modulesLabel, QStringLiteral("Modules Loaded: "));
    EXPECT_EQ(view().analysisHeading, QStringLiteral("Analysis"));
    EXPECT_TRUE(view().entries.isEmpty());
    EXPECT_TRUE(view().ModulesLoaded.isEmpty());
    EXPECT_TRUE(view().AbendAnalysis.isEmpty());
    EXPECT_TRUE(view().AbendText.isEmpty());
    EXPECT_TRUE(view().fileText.isEmpty());
    EXPECT_EQ(view().statusPanels, (std::array<QString, 3>{}));

    // The window's activation scans the new report's section once.
    abend().activate();
    EXPECT_EQ(view().countLabel, QStringLiteral("# of Abends Found: 1"));
}
