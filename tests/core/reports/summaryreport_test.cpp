// The Print and Copy commands on an engine: refusals, the offer to include the compare
// differences, and what reaches the printer and the clipboard.

#include "testsupport.h"

#include "engine/engine.h"
#include "settings/datadirectory.h"
#include "ui/progress.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <memory>

namespace {

const QString Offer = QStringLiteral(
    "Include Differences Found When Compared\r\nAgainst the Baseline Server (if available)?");
const QString Copied = QStringLiteral(
    "Suggestions have been copied to the Windows clipboard.\r\n\r\nUse the Paste command to "
    "put the Cartovex Suggestions\r\n(contents of clipboard) into any document or application.");

class SummaryReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        DataDirectory::setOverride(m_home.path());
        m_engine = std::make_unique<Engine>(m_dialogs, m_progress);
        m_engine->create();
        m_engine->firstActivation();
        m_engine->summary().clock = [] { return QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)); };
    }
    void TearDown() override {
        m_engine.reset();
        DataDirectory::setOverride(QString());
    }
    void open(const QString& name) {
        m_engine->openReport(testsupport::dataPath("compare/" + name));
    }
    void compareWith(const QString& name) {
        const QString path = testsupport::dataPath("compare/" + name);
        m_engine->compare().CompareServers([&path] { return path; });
    }
    bool copy() {
        return m_engine->summary().CopySummaryReport([this](const QString& t) { m_clip = t; });
    }
    QStringList takeMessages() {
        const QStringList texts = m_dialogs.texts();
        m_dialogs.clear();
        return texts;
    }

    QTemporaryDir m_home;
    RecordingDialogs m_dialogs;
    NullProgress m_progress;
    std::unique_ptr<Engine> m_engine;
    QString m_clip;
};

TEST_F(SummaryReportTest, WithoutAReportBothCommandsRefuse) {
    bool printed = false;
    EXPECT_FALSE(m_engine->summary().PrintSummaryReport(
        [] { return true; }, [&](const PrintedDocument&) { printed = true; }));
    EXPECT_FALSE(copy());
    EXPECT_FALSE(printed);
    EXPECT_TRUE(m_clip.isNull());
    EXPECT_EQ(takeMessages(),
              QStringList({"No config file has been read!", "No config file has been read!"}));
}

TEST_F(SummaryReportTest, NoCompareNoQuestion) {
    open("comp-fs2.txt");
    takeMessages();
    EXPECT_TRUE(copy());
    EXPECT_EQ(takeMessages(), QStringList{Copied});
    EXPECT_TRUE(
        m_clip.startsWith("  Cartovex v2.66 Summary Report for \r\n"
                          "    Daltrix 4.11 Server COMP-FS2\r\n        "));
    EXPECT_FALSE(m_clip.contains("Using Quarix-controlled"));

    // A cancelled print dialog prints nothing and says nothing.
    PrintedDocument printed;
    EXPECT_FALSE(m_engine->summary().PrintSummaryReport(
        [] { return false; }, [&](const PrintedDocument& d) { printed = d; }));
    EXPECT_TRUE(printed.paragraphs.isEmpty());
    EXPECT_TRUE(m_engine->summary().PrintSummaryReport(
        [] { return true; }, [&](const PrintedDocument& d) { printed = d; }));
    EXPECT_EQ(takeMessages(), QStringList{"Print job sent to print queue."});
    EXPECT_EQ(printed.title, "Report for Server COMP-FS2");
    EXPECT_EQ(printed.paragraphs.at(7).text, m_engine->model().Suggestions.first());
}

TEST_F(SummaryReportTest, AfterACompareTheQuestionIsAskedUntilTheBoxIsTicked) {
    open("base-fs1.txt");
    m_engine->compare().ChooseBaseline();
    compareWith("comp-fs2.txt");
    const QStringList before = m_engine->model().Suggestions;
    takeMessages();

    m_dialogs.queueAnswer(Answer::No);
    EXPECT_TRUE(copy());
    EXPECT_EQ(takeMessages(), QStringList({Offer, Copied}));
    EXPECT_EQ(m_engine->model().Suggestions, before);

    m_dialogs.queueAnswer(Answer::Yes);
    EXPECT_TRUE(copy());
    EXPECT_EQ(takeMessages(), QStringList({Offer, Copied}));
    EXPECT_TRUE(m_engine->compare().includeCompareDifferences());
    EXPECT_TRUE(
        m_clip.endsWith("against Baseline Server BASE-FS1:\r\n \r\n"
                        " - Update CLIB.DXP       Version 4.11c is not current\r\n "));

    // The box is ticked now: no question, nothing appended twice.
    const QStringList after = m_engine->model().Suggestions;
    EXPECT_TRUE(copy());
    EXPECT_EQ(takeMessages(), QStringList{Copied});
    EXPECT_EQ(m_engine->model().Suggestions, after);

    // Another server shown: the load unticked the box, and no question is asked for it.
    open("twin-fs3.txt");
    takeMessages();
    EXPECT_TRUE(copy());
    EXPECT_EQ(takeMessages(), QStringList{Copied});
}

}  // namespace
