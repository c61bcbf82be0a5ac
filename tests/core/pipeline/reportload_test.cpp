#include "pipelinetest.h"

#include "model/mainviews.h"

namespace {

const QString WpcMessage = QStringLiteral(
    "The config file to be read has ASCII control characters that need to be removed.\r\n"
    "The control characters appear by saving an email received from Postrix.\r\n\r\n"
    "**** REMOVE THE HEADER SECTION CONTAINING THESE CHARACTERS. ****");
const QString PairnodeError = QStringLiteral(
    "PAIRNODE configs are not supported!\r\nInformation reported will be incorrect.");
const QString SeveralListingsWarning = QStringLiteral(
    "There is more than one unique config listing in the config file just read.\r\n"
    "This is due to the config.txt file being appended rather than overwritten.\r\n"
    "The config file must only contain one config listing for accurate information.");
const QString DifferencesInfo = QStringLiteral(
    "Differences from the Compare function will not be included.\r\n\r\n"
    "You must use the Compare button on the Compare tab page\r\nto use this feature.");

QString captionFor(const QString& path) {
    return QStringLiteral("Daltrix Cartovex v2.66:  ") + path.toUpper();
}

}  // namespace

TEST_F(PipelineTest, ALoadSetsCaptionAndStatusPanelsAndTheResetClearsThem) {
    const QString path = copyFixture(QStringLiteral("birch-fs1.txt"));
    const ReportLoader::Result result = engine().openReport(path);
    EXPECT_TRUE(result.started);
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(result.error.isNull());
    EXPECT_TRUE(m_dialogs.messages().isEmpty()) << m_dialogs.texts().join('|').toStdString();

    const MainViews& views = engine().views();
    EXPECT_EQ(views.Caption, captionFor(path));
    EXPECT_TRUE(views.Caption.endsWith("/BIRCH-FS1.TXT"));
    EXPECT_EQ(views.StatusPanels[0], "");
    EXPECT_EQ(views.StatusPanels[1], "40 lines");
    EXPECT_EQ(views.StatusPanels[2], "1kb");  // 1410 bytes
    EXPECT_EQ(views.StatusPanels[3], "1 module listing found.");
    EXPECT_EQ(views.StatusPanels[5], "");
    EXPECT_EQ(engine().model().ServerName, "BIRCH-FS1");
    EXPECT_TRUE(engine().loader().openedByCommand());

    engine().loader().ResetReportViews();
    EXPECT_EQ(engine().views().Caption, MainViews::BaseCaption);
    for (const QString& panel : engine().views().StatusPanels) {
        EXPECT_EQ(panel, "");
    }
    EXPECT_TRUE(engine().model().ReportLines.isEmpty());
    EXPECT_EQ(engine().model().ServerName, "");
}

TEST_F(PipelineTest, SizeShowsInWholeKilobytesAndLinesCountEveryLineBreakKind) {
    const struct {
        int bytes;
        const char* panel;
    } sizes[] = {{0, "0kb"}, {1023, "0kb"}, {1024, "1kb"}, {10239, "9kb"}, {10240, "10kb"}};
    for (const auto& s : sizes) {
        engine().openReport(
            writeReport(QStringLiteral("size%1.txt").arg(s.bytes), reports::ofSize(s.bytes)));
        EXPECT_EQ(engine().views().StatusPanels[2], s.panel) << s.bytes;
    }

    const struct {
        QByteArray bytes;
        const char* panel;
    } texts[] = {{"", "0 lines"},
                 {"one", "1 lines"},
                 {"a\r\nb\r\n", "2 lines"},
                 {"a\nb\nc", "3 lines"},
                 {"a\r\r\nb\r\n\r\n", "4 lines"}};
    int n = 0;
    for (const auto& t : texts) {
        engine().openReport(writeReport(QStringLiteral("lines%1.txt").arg(++n), t.bytes));
        EXPECT_EQ(engine().views().StatusPanels[1], t.panel) << t.bytes.toStdString();
    }
}

TEST_F(PipelineTest, AWpcFirstLineIsRefusedBeforeAnythingIsReset) {
    const QString good = copyFixture(QStringLiteral("birch-fs1.txt"));
    const QString mail = copyFixture(QStringLiteral("postrix-mail.txt"));
    engine().openReport(good);
    const MainViews before = engine().views();
    const QString linesBefore = engine().model().ReportLines.joined();
    takeMessages();

    const ReportLoader::Result result = engine().openReport(mail);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.error, WpcMessage);
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().first().kind, MessageKind::Error);
    EXPECT_EQ(m_dialogs.messages().first().text, WpcMessage);

    // The previous report stays on screen.
    EXPECT_EQ(engine().views().Caption, captionFor(good));
    EXPECT_EQ(engine().views().StatusPanels, before.StatusPanels);
    EXPECT_EQ(engine().views().ServNameEdit, "BIRCH-FS1");
    EXPECT_EQ(engine().model().ServerName, "BIRCH-FS1");
    EXPECT_EQ(engine().model().ReportLines.joined(), linesBefore);
    // The open command had already put the file on the recent list.
    EXPECT_EQ(engine().recentFiles().entry(1), mail);
    EXPECT_EQ(engine().recentFiles().entry(2), good);

    // Only the first line counts, and the marker is matched with its case.
    engine().openReport(writeReport("second.txt", reports::lines(5, "hello") + "WPC\r\n"));
    engine().openReport(writeReport("lower.txt", reports::lines(5, "from wpc gateway")));
    engine().openReport(writeReport("empty-first.txt", "\r\nWPC\r\n"));
    // These reports have no OS version, so their loads end in the suggestions stage instead.
    const auto& shown = m_dialogs.messages();
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(),
                            [](const auto& m) { return m.text == WpcMessage; }),
              1);
    EXPECT_EQ(engine().views().StatusPanels[1], "2 lines");
}

TEST_F(PipelineTest, AConversionErrorEndsTheLoadInTheParseStage) {
    const QString bad = copyFixture(QStringLiteral("bad-memory.txt"));
    const QString message = QStringLiteral("'12x4' is not a valid floating point value");
    engine().loader().setIncludeCompareDifferences(true);

    const ReportLoader::Result result = engine().openReport(bad);
    EXPECT_TRUE(result.started);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.error, message);
    ASSERT_EQ(m_dialogs.messages().size(), 1);  // the later checks did not run
    EXPECT_EQ(m_dialogs.messages().first().kind, MessageKind::Error);
    EXPECT_EQ(m_dialogs.messages().first().text, message);
    EXPECT_EQ(engine().views().StatusPanels[0], "Parsing File...");
    EXPECT_EQ(engine().views().Caption, captionFor(bad));
    EXPECT_EQ(engine().views().StatusPanels[1], "40 lines");
    // What was parsed before the bad line stays.
    EXPECT_EQ(engine().model().ServerName, "CEDAR-FS2");
    EXPECT_TRUE(engine().loader().includeCompareDifferences());

    // The failed load does not block the next one.
    EXPECT_FALSE(engine().loader().isLoading());
    takeMessages();
    const ReportLoader::Result next =
        engine().openReport(copyFixture(QStringLiteral("birch-fs1.txt")));
    EXPECT_TRUE(next.completed);
    EXPECT_EQ(engine().views().StatusPanels[0], "");
}

TEST_F(PipelineTest, TrustChecksWarnAfterAFullLoadAndTheMirroredServerErrorComesFirst) {
    const QString pairnode = copyFixture(QStringLiteral("pairnode-appended.txt"));
    engine().openReport(pairnode);
    EXPECT_EQ(engine().model().ModuleListingCount, 2);
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().first().kind, MessageKind::Error);
    EXPECT_EQ(m_dialogs.messages().first().text, PairnodeError);
    EXPECT_EQ(engine().views().ServNameEdit, "MIRROR-A");  // loaded all the same
    EXPECT_EQ(engine().views().StatusPanels[0], "");
    takeMessages();

    engine().openReport(copyFixture(QStringLiteral("appended-twice.txt")));
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().first().kind, MessageKind::Warning);
    EXPECT_EQ(m_dialogs.messages().first().text, SeveralListingsWarning);
    EXPECT_EQ(engine().views().ServNameEdit, "BIRCH-FS1");
    takeMessages();

    const struct {
        const char* engine;
        int listings;
        QStringList expected;
    } cases[] = {
        {"MSENGINE", 1, {PairnodeError}},
        {"MSENGINE", 3, {PairnodeError}},
        {"NATIVE", 1, {}},
        {"NATIVE", 0, {}},
        {"IOENG", 2, {SeveralListingsWarning}},
        {"ioengine", 1, {}},
    };
    int n = 0;
    for (const auto& c : cases) {
        engine().openReport(writeReport(QStringLiteral("trust%1.txt").arg(++n),
                                        reports::build(c.engine, c.listings)));
        EXPECT_EQ(takeMessages(), c.expected) << c.engine << " " << c.listings;
    }
}

TEST_F(PipelineTest, ATickedDifferencesBoxIsUntickedWithAnInformationAfterAnOrdinaryLoad) {
    const QString pairnode = copyFixture(QStringLiteral("pairnode-appended.txt"));
    const QString plain = copyFixture(QStringLiteral("birch-fs1.txt"));

    engine().loader().setIncludeCompareDifferences(true);
    engine().openReport(pairnode);
    ASSERT_EQ(m_dialogs.messages().size(), 2);
    EXPECT_EQ(m_dialogs.messages().at(0).kind, MessageKind::Information);
    EXPECT_EQ(m_dialogs.messages().at(0).text, DifferencesInfo);
    EXPECT_EQ(m_dialogs.messages().at(1).text, PairnodeError);
    EXPECT_FALSE(engine().loader().includeCompareDifferences());
    takeMessages();

    engine().openReport(plain);  // unticked now: no information
    EXPECT_TRUE(m_dialogs.messages().isEmpty());

    // A load that the compare command started keeps the box ticked.
    engine().loader().setIncludeCompareDifferences(true);
    const ReportLoader::Result compare = engine().loader().ReportLoad(true);
    EXPECT_TRUE(compare.completed);
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
    EXPECT_TRUE(engine().loader().includeCompareDifferences());
}
