#include "reportparsing.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QStringList bullets(const QStringList& texts) {
    QStringList out;
    for (const QString& t : texts) {
        out << QStringLiteral(" \u2022 ") + t << QStringLiteral(" ");
    }
    return out;
}

struct CliRun {
    int exitCode = -1;
    QJsonObject json;
};

CliRun runCli(const QString& report) {
    QProcess cli;
    cli.start(QStringLiteral(CARTOVEX_CLI), {"analyze", report, "--json"});
    CliRun run;
    if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "cartovex-cli did not finish";
        return run;
    }
    run.exitCode = cli.exitCode();
    run.json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    return run;
}

}  // namespace

TEST(FullReports, StandardServerWithLongModuleEntries) {
    auto p = parseFixture("acct-fs1.txt");
    const ServerModel& m = p->model;
    ASSERT_EQ(p->error, "");
    EXPECT_EQ(m.ServerName, "ACCT-FS1");
    EXPECT_EQ(m.OSVersion, "4.11  Rev. B");
    EXPECT_EQ(m.TotalMemory, "255 MB");
    EXPECT_EQ(m.UpDays, "12");
    EXPECT_EQ(m.ConfigHeaderCount, 1);
    EXPECT_EQ(m.PatchModuleCount, 3);
    EXPECT_EQ(m.OtherModuleCount, 6);
    EXPECT_EQ(m.OtherModules.size(), 5);
    EXPECT_EQ(m.OtherModules.at(1), "CLIB.DXP       Version 4.11b   June 12, 1996");
    EXPECT_EQ(m.PatchEntries.lines().first(), "DSFIX.DXP      Version 4.11   January 9, 1997");
    EXPECT_EQ(p->views.PatchesLabel, "Patches: 3");
    EXPECT_EQ(p->views.OtherDXPLabel, "Other DXPs: 6");

    EXPECT_EQ(p->views.VolCountLabel, "(3 mounted volumes)");
    EXPECT_EQ(p->views.VolumeHeader[1], pad("Volume Size", 37));
    EXPECT_EQ(m.Volumes[1].NameSpaces, "DOS, MAC, LONG");
    EXPECT_EQ(m.Interrupts, QStringList({
                                "11      Fixed Disk       AHA2940.DSK   Mirrored (group 1)",
                                "--      CD-ROM           IDECD.DSK     Not mirrored",
                                "3       ETHERNET_II",
                                "3       ETHERNET_802.2",
                                "2       TOKEN-RING",
                            }));
    EXPECT_EQ(m.AbendLogLines.size(), 5);
    // The file is Windows-1252 text.
    EXPECT_EQ(m.AutoexecDxs.first(),
              QStringLiteral("# Accounting server \u2013 M\u00fcller & Co."));
    EXPECT_EQ(m.AutoexecBat.at(2), "");
    // Suggestions come in report order, the interrupt check last.
    EXPECT_EQ(m.Suggestions, bullets({
                                 "Add more memory to server. LRU Sitting Time < 15 min.",
                                 "Purge suggested for volume SYS...free blocks = 1499",
                                 "No DOS devices should be loaded in CONFIG.SYS.",
                                 "Possible int problem: 2       TOKEN-RING",
                             }));
}

TEST(FullReports, MirroredServerWithCompactEntriesAndAPatchKit) {
    auto p = parseFixture("mirror-fs2.txt");
    const ServerModel& m = p->model;
    ASSERT_EQ(p->error, "");
    EXPECT_EQ(m.EngineType, "IOENGINE");
    EXPECT_EQ(m.TotalMemory, "512 MB");
    EXPECT_TRUE(m.CompactModuleLines);
    EXPECT_TRUE(m.HasPatchKitList);
    EXPECT_TRUE(m.PatchesLoaded);
    // The kit lines in report order, then the fix found in the module list.
    EXPECT_EQ(m.PatchEntries.size(), 7);
    EXPECT_EQ(m.PatchEntries.lines().at(5), "   MMFIX.DXP       Not loaded   Memory Manager Fix");
    EXPECT_EQ(m.PatchEntries.lines().last(), "NE2KFX.DXP    1.02      02-02-1997");
    EXPECT_EQ(m.OtherModules.lines().first(), "3C5X9.LAN     1.10      08-30-1996");
    EXPECT_EQ(p->views.PatchesLabel, "Patches");
    EXPECT_EQ(p->views.OtherDXPLabel, "Other DXPs: 5");
    EXPECT_EQ(p->views.VolumeHeader[1], pad("Name Spaces Loaded", 49));
    EXPECT_EQ(p->views.VolListBox.first(),
              pad("SYS", 16) + pad("DOS, LONG", 30) + pad("20480", 13) + pad("0", 15) + "0 KB");
    EXPECT_TRUE(m.HasAbendLog);
    EXPECT_TRUE(m.AbendLogLines.isEmpty());
    EXPECT_EQ(m.ConfigSys.size(), 9);
    EXPECT_EQ(p->suggestions(), QStringList({"Possible int problem: 15      ETHERNET_802.2",
                                             "Possible int problem: 9       ETHERNET_802.2"}));
}

TEST(FullReports, TwoReportsInOneFile) {
    auto p = parseFixture("two-reports.txt");
    const ServerModel& m = p->model;
    EXPECT_EQ(m.ConfigHeaderCount, 2);
    EXPECT_EQ(m.ModuleListingCount, 2);
    EXPECT_EQ(m.OtherModuleCount, 3);
    EXPECT_EQ(m.OtherModules.size(), 3);
    EXPECT_EQ(m.PatchEntries.size(), 2);
    // The model ends with the last report's values; the boxes show the first header.
    EXPECT_EQ(m.ServerName, "FS-SOUTH");
    EXPECT_EQ(m.TotalMemory, "128 MB");
    EXPECT_EQ(m.ProducedBy, "CFGDUMP.DXP  Version 2.13");
    EXPECT_EQ(p->views.ServNameEdit, "FS-NORTH");
    EXPECT_EQ(p->views.TotMemEdit, "");
    EXPECT_EQ(p->views.ConfigDXPLabel, "- Produced by CFGDUMP.DXP  Version 2.10");
    EXPECT_EQ(p->views.SuggestionGroupBox, "Suggestions for server FS-SOUTH ");
    EXPECT_EQ(p->views.StatusPanels[3], "2 module listings found.");
    EXPECT_EQ(p->views.StatusPanels[4], "2 config headers found.");
    EXPECT_EQ(p->hooks.calls.count("RefreshBaselineControls"), 2);
    // The second server has been up less than an hour: its low sitting time says nothing.
    EXPECT_TRUE(m.Suggestions.isEmpty());
}

TEST(FullReports, CommandLineAnalysePrintsTheModelAsJson) {
    const CliRun ok = runCli(testsupport::dataPath("reports/acct-fs1.txt"));
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(ok.json.value("ServerName").toString(), "ACCT-FS1");
    EXPECT_EQ(ok.json.value("OtherModuleCount").toInt(), 6);
    EXPECT_EQ(ok.json.value("Volumes").toArray().size(), 3);
    EXPECT_EQ(ok.json.value("views").toObject().value("VolCountLabel").toString(),
              "(3 mounted volumes)");
    EXPECT_TRUE(ok.json.value("error").isNull());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList lines;
    ASSERT_TRUE(codepage::readLines(testsupport::dataPath("reports/acct-fs1.txt"), lines));
    lines.replaceInStrings("267386880 bytes", "abc bytes");
    QFile bad(dir.filePath("config.txt"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(codepage::encode(lines.join("\r\n") + "\r\n"));
    bad.close();
    const CliRun failed = runCli(bad.fileName());
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.json.value("error").toString(), "'abc' is not a valid floating point value");
    EXPECT_EQ(failed.json.value("ServerName").toString(), "ACCT-FS1");
    EXPECT_EQ(failed.json.value("OtherModuleCount").toInt(), 0);
}
