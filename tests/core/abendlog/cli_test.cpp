#include "testsupport.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

using testsupport::CliRun;

QJsonObject json(const CliRun& run) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    return doc.object();
}

QString fixture(const QString& name) {
    return testsupport::dataPath(QStringLiteral("abendlog/") + name);
}

class AbendCliTest : public ::testing::Test {
  protected:
    CliRun cli(const QStringList& args) { return testsupport::runCli(m_home.path(), args); }
    QTemporaryDir m_home;
};

}  // namespace

TEST_F(AbendCliTest, PrintsTheEntriesAndTheAnalysedEntry) {
    const CliRun run = cli({"abend", fixture("fs1-abend.log"), "--entry", "2"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out),
              QStringLiteral(
                  "# of Abends Found: 3\n"
                  "Tuesday, March 3, 1998   2:14:25 pm  [FS1]  Page Fault Processor Exception  "
                  "Server 07 Process (SERVER.DXP)\n"
                  "Wednesday, March 4, 1998   9:01:02 am  [FS1]  General Protection Processor "
                  "Exception  Polling Process (MONITOR.DXP)\n"
                  "Thursday, March 5, 1998   11:30:00 pm  [FS1]  No colon in this line  Late "
                  "Process ()\n"
                  "Modules Loaded: 1\n"
                  "SERVER.DXP    Version 4.10   March 1, 1997\n"
                  "Analysis (ABEND on Wednesday, March 4, 1998   9:01:02 am  [FS1])\n"
                  " \u2022 No suggestions at this time.\n"));
    EXPECT_EQ(run.err, QString());
}

TEST_F(AbendCliTest, JsonHoldsTheWindowsTexts) {
    const QString log = fixture("fs1-abend.log");
    const QJsonObject root = json(cli({"abend", log, "--json", "--entry", "1"}));
    EXPECT_EQ(root.value("title").toString(),
              "Analyze Daltrix 4.11 ABEND.LOG:  " + QFileInfo(log).absoluteFilePath());
    EXPECT_EQ(root.value("countLabel").toString(), "# of Abends Found: 3");
    EXPECT_EQ(root.value("count").toInt(), 3);
    EXPECT_EQ(root.value("statusPanels").toArray(), QJsonArray({"53 lines", "1K", ""}));
    EXPECT_EQ(root.value("textView").toString(), "file");
    EXPECT_EQ(root.value("modulesLabel").toString(), "Modules Loaded: 6");
    EXPECT_EQ(root.value("modulesLoaded").toArray().size(), 6);
    EXPECT_EQ(root.value("analysisHeading").toString(),
              "Analysis (ABEND on Tuesday, March 3, 1998   2:14:25 pm  [FS1])");
    EXPECT_EQ(root.value("analysis").toArray(),
              QJsonArray({" \u2022 No suggestions at this time."}));
    EXPECT_EQ(root.value("messages").toArray(), QJsonArray());
    EXPECT_TRUE(root.value("error").isNull());
    const QJsonObject third = root.value("entries").toArray().at(2).toObject();
    EXPECT_EQ(third,
              (QJsonObject{{"DateTimeAndServer", "Thursday, March 5, 1998   11:30:00 pm  [FS1]"},
                           {"AbendMessage", "No colon in this line"},
                           {"RunningProcess", "Late Process ()"},
                           {"StartLine", 45}}));
}

TEST_F(AbendCliTest, AReportsSectionIsListedAndRefusedForAnalysis) {
    const CliRun run = cli({"abend", "--report", fixture("oak-fs9.txt"), "--entry", "1", "--json"});
    EXPECT_EQ(run.exitCode, 0);
    const QJsonObject root = json(run);
    EXPECT_EQ(root.value("count").toInt(), 2);
    EXPECT_EQ(root.value("textView").toString(), "report");
    const QJsonArray messages = root.value("messages").toArray();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(messages.last().toObject().value("kind").toString(), "information");
    EXPECT_TRUE(messages.last().toObject().value("text").toString().startsWith(
        "No further information available since this Abend.log was read from a config.txt "
        "file.\r\n"));
    EXPECT_EQ(root.value("modulesLabel").toString(), "Modules Loaded: ");
    EXPECT_EQ(root.value("analysis").toArray(), QJsonArray());
}

TEST_F(AbendCliTest, BadUsageAndUnreadableFiles) {
    const QString log = fixture("fs1-abend.log");
    EXPECT_EQ(cli({"abend", log, "--entry", "4"}).exitCode, 2);
    EXPECT_EQ(cli({"abend", log, "--entry", "0"}).exitCode, 2);
    EXPECT_EQ(cli({"abend", log, "--entry", "x"}).exitCode, 2);
    EXPECT_EQ(cli({"abend"}).exitCode, 2);
    EXPECT_EQ(cli({"abend", log, "--report", fixture("oak-fs9.txt")}).exitCode, 2);
    EXPECT_EQ(cli({"abend", log, "--colour"}).exitCode, 2);

    const CliRun missing = cli({"abend", m_home.filePath("none.log"), "--json"});
    EXPECT_EQ(missing.exitCode, 1);
    const QJsonObject root = json(missing);
    EXPECT_EQ(root.value("error").toString(), "No such file or directory");
    EXPECT_EQ(root.value("count").toInt(), 0);
    EXPECT_EQ(root.value("countLabel").toString(), "# of Abends Found: ");
    EXPECT_TRUE(root.value("textView").isNull());

    const CliRun text = cli({"abend", m_home.filePath("none.log")});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_EQ(text.err, "error: No such file or directory\n");
}

TEST_F(AbendCliTest, KeepRecentAnswersTheCutQuestion) {
    QByteArray log;
    for (int k = 0; k < 1500; ++k) {
        log += "Server FS" + QByteArray::number(k) + " halted at " + QByteArray(60, '.') + "\r\n";
    }
    const QString path = m_home.filePath("big.log");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(log);
    file.close();

    const QJsonObject asked = json(cli({"abend", path, "--json"}));
    EXPECT_EQ(asked.value("count").toInt(), 1500);
    EXPECT_EQ(asked.value("messages").toArray().at(0).toObject().value("kind").toString(),
              "confirmation");
    const QJsonObject cut = json(cli({"abend", path, "--json", "--keep-recent"}));
    EXPECT_EQ(cut.value("count").toInt(), 1200);
    EXPECT_EQ(cut.value("statusPanels").toArray().at(2).toString(),
              "1201 lines after 64K adjustment");
    EXPECT_EQ(cut.value("entries").toArray().at(0).toObject().value("StartLine").toInt(), 0);
}
