// The compare and fleet commands of cartovex-cli on the reports of tests/data/compare.

#include "testsupport.h"

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace {

using testsupport::CliRun;

QString fixture(const QString& name) {
    return testsupport::dataPath("compare/" + name);
}

CliRun cli(const QTemporaryDir& home, const QStringList& args) {
    return testsupport::runCli(home.path(), QStringList{"--home", home.path()} + args);
}

QJsonObject json(const CliRun& run) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    return doc.object();
}

TEST(CliCompare, TextShowsTheTableAndWithDifferencesTheSummaryReport) {
    QTemporaryDir home;
    const CliRun run = cli(home, {"compare", fixture("base-fs1.txt"), fixture("comp-fs2.txt"),
                                  "--include-differences"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    std::vector<std::string> lines;
    for (const QString& line : QString::fromUtf8(run.out).split('\n')) {
        lines.push_back(line.toStdString());
    }
    ASSERT_GE(lines.size(), 30u);
    // The widest left text is a module row of 30 characters.
    EXPECT_EQ(lines[0], " Baseline Server: BASE-FS1       Compare Server: COMP-FS2");
    EXPECT_EQ(lines[1], " Baseline Server: BASE-FS1       Baseline Server: COMP-FS2");
    EXPECT_EQ(lines[6], std::string(33, ' '));
    EXPECT_EQ(lines[9], "*STREAMS.DXP:  Version 4.11      STREAMS.DXP: <Not Loaded>");
    EXPECT_EQ(lines[15], "   AAA.DXP        Version 1.00   ");
    EXPECT_EQ(lines[16], "                                   BBB.DXP        Version 1.00 ");
    EXPECT_EQ(lines[18], "*  CLIB.DXP       Version 4.11b    CLIB.DXP       Version 4.11c");
    EXPECT_EQ(lines[22], "   ZZA.DXP        Version 1.00     ZZA.DXP        Version 1.00 ");
    EXPECT_EQ(lines[23], "");
    EXPECT_EQ(lines[24], "  Cartovex v2.66 Summary Report for ");
    EXPECT_EQ(lines[25], "    Daltrix 4.11 Server COMP-FS2");
    EXPECT_TRUE(
        run.out.endsWith("against Baseline Server BASE-FS1:\n \n"
                         " - Update CLIB.DXP       Version 4.11c is not current\n \n"));
}

TEST(CliCompare, JsonAndCsvCarryTheTableTheControlsAndTheSuggestions) {
    QTemporaryDir home;
    const QStringList args = {"compare", fixture("base-fs1.txt"), fixture("comp-fs2.txt")};
    const QJsonObject root = json(cli(home, args + QStringList{"--json", "--include-differences"}));
    EXPECT_EQ(root["headers"].toArray(),
              QJsonArray({"Baseline Server: BASE-FS1", "Compare Server: COMP-FS2"}));
    const QJsonArray table = root["table"].toArray();
    ASSERT_EQ(table.size(), 22);
    EXPECT_EQ(table[7].toObject(), (QJsonObject{{"left", "CLIB.DXP:     Version 4.11b"},
                                                {"right", "CLIB.DXP:     Version 4.11c"},
                                                {"marked", true}}));
    const QJsonObject views = root["views"].toObject();
    EXPECT_EQ(views["BaselineConfigLabel"].toString(), "Baseline Config...from server:  BASE-FS1");
    EXPECT_EQ(views["CompareConfigLabel"].toString(), "Compare Config...from server: COMP-FS2");
    EXPECT_EQ(views["BaselineCheckBox"].toObject(),
              (QJsonObject{{"text", "Use THIS server's config (server BASE-FS1) as a baseline"},
                           {"enabled", false},
                           {"checked", true}}));
    EXPECT_EQ(views["ResetBaselineBtn"].toObject(), (QJsonObject{{"enabled", true}}));
    EXPECT_TRUE(views["chkIncludeCompareDifferences"].toBool());
    const QJsonArray suggestions = root["Suggestions"].toArray();
    EXPECT_EQ(suggestions.at(suggestions.size() - 2).toString(),
              " \u2022 Update CLIB.DXP       Version 4.11c is not current");
    EXPECT_EQ(root["messages"].toArray(), QJsonArray());
    EXPECT_TRUE(root["error"].isNull());

    const CliRun csv = cli(home, args + QStringList{"--csv"});
    EXPECT_EQ(csv.exitCode, 0);
    const QList<QByteArray> records = csv.out.split('\n');
    EXPECT_EQ(records[0], "baseline,compare,marked\r");
    EXPECT_EQ(records[1], "Baseline Server: BASE-FS1,Baseline Server: COMP-FS2,false\r");
    EXPECT_EQ(records[8], "CLIB.DXP:     Version 4.11b,CLIB.DXP:     Version 4.11c,true\r");
    EXPECT_EQ(records.size(), 24);  // header, 22 rows, nothing after the last CR LF
}

TEST(CliCompare, AReportThatCannotBeOpenedEndsTheCommand) {
    QTemporaryDir home;
    const QString missing = home.filePath("none.txt");
    const QString notFound = "File '" + missing.toUpper() + "' not found!";
    CliRun run = cli(home, {"compare", fixture("base-fs1.txt"), missing, "--json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(json(run)["error"].toString(), notFound);
    EXPECT_EQ(json(run)["table"].toArray(), QJsonArray());
    run = cli(home, {"compare", missing, fixture("base-fs1.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("error: " + notFound)) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());

    // A baseline without a server name cannot be chosen.
    run = cli(home, {"compare", fixture("nameless.txt"), fixture("base-fs1.txt"), "--json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(json(run)["error"].toString().startsWith("A Baseline Config file hasn't"));
    EXPECT_EQ(cli(home, {"compare", fixture("base-fs1.txt")}).exitCode, 2);
    EXPECT_EQ(cli(home, {"compare", "a", "b", "--json", "--csv"}).exitCode, 2);
}

TEST(CliFleet, OneRowPerReportAndABrokenReportDoesNotStopTheOthers) {
    QTemporaryDir home;
    const QString example = QStringLiteral(CARTOVEX_SOURCE_DIR) + "/examples/config.txt";
    const CliRun run =
        cli(home, {"fleet", example, fixture("postrix.txt"), fixture("comp-fs2.txt"), "--json"});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonArray rows = QJsonDocument::fromJson(run.out).array();
    ASSERT_EQ(rows.size(), 3) << run.out.toStdString();
    EXPECT_EQ(rows[0].toObject(), (QJsonObject{{"file", example},
                                               {"ServerName", "ACME-FS1"},
                                               {"OSVersion", "4.11"},
                                               {"patches", 4},
                                               {"otherModules", 11},
                                               {"completeSets", 0},
                                               {"partialMatches", 0},
                                               {"outOfDateModules", 0},
                                               {"suggestions", 7},
                                               {"error", QJsonValue()}}));
    EXPECT_TRUE(rows[1].toObject()["error"].toString().startsWith(
        "The config file to be read has ASCII control characters"));
    EXPECT_EQ(rows[1].toObject()["ServerName"].toString(), "");
    EXPECT_EQ(rows[2].toObject()["ServerName"].toString(), "COMP-FS2");
    EXPECT_EQ(rows[2].toObject()["otherModules"].toInt(), 5);
    EXPECT_TRUE(run.err.contains("error: " + fixture("postrix.txt") + ": The config file"));

    const CliRun ok = cli(home, {"fleet", fixture("base-fs1.txt"), fixture("comp-fs2.txt")});
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(ok.out),
              fixture("base-fs1.txt") +
                  ": BASE-FS1 4.11, 1 patches, 7 other modules, 0 complete sets, 0 partial "
                  "matches, 0 out-of-date core modules, 1 suggestions\n" +
                  fixture("comp-fs2.txt") +
                  ": COMP-FS2 4.11, 0 patches, 5 other modules, 0 complete sets, 0 partial "
                  "matches, 0 out-of-date core modules, 1 suggestions\n");
    const CliRun csv = cli(home, {"fleet", fixture("comp-fs2.txt"), "--csv"});
    EXPECT_EQ(csv.out,
              "file,ServerName,OSVersion,patches,otherModules,completeSets,"
              "partialMatches,outOfDateModules,suggestions,error\r\n" +
                  fixture("comp-fs2.txt").toUtf8() + ",COMP-FS2,4.11,0,5,0,0,0,1,\r\n");
}

}  // namespace
