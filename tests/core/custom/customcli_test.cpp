// The custom command of the command line, and the custom entries surviving a manual update.
#include "testsupport.h"

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using testsupport::CliRun;

namespace {

class CustomCli : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(m_home.isValid()); }
    CliRun cli(QStringList args) {
        args.prepend(m_home.path());
        args.prepend("--home");
        return testsupport::runCli(m_home.path(), args);
    }
    QJsonObject json(QStringList args) {
        const CliRun run = cli(args << "--json");
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return QJsonDocument::fromJson(run.out).object();
    }
    QTemporaryDir m_home;
};

QStringList strings(const QJsonValue& value) {
    QStringList out;
    for (const QJsonValue& item : value.toArray()) {
        out.append(item.toString());
    }
    return out;
}

}  // namespace

TEST_F(CustomCli, AddListAndShow) {
    CliRun run = cli(
        {"custom", "add", "clib", "4.12", "--os", "4.11", "--os", "4.10", "--file", "LIBUP12.EXE"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = cli({"custom", "add", "ne2000.lan", "3.10", "--other-os", "6.5"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();

    const QJsonObject list = json({"custom", "list"});
    EXPECT_EQ(strings(list["entries"]),
              QStringList({"4.10:+CLIB.DXP=4.12", "4.11:+CLIB.DXP=4.12", "6.5:+NE2000.LAN=3.10"}));
    EXPECT_EQ(list["label"].toString(), "Custom Database Entries:  3");
    EXPECT_TRUE(list["messages"].toArray().isEmpty());

    run = cli({"custom", "list"});
    EXPECT_EQ(run.out,
              "Custom Database Entries:  3\n4.10:+CLIB.DXP=4.12\n4.11:+CLIB.DXP=4.12\n"
              "6.5:+NE2000.LAN=3.10\n");

    const QJsonObject shown = json({"custom", "show", "2"});
    const QJsonObject boxes{{"5.00", false}, {"4.11", true},  {"4.10", false},
                            {"3.12", false}, {"3.11", false}, {"Other", false}};
    EXPECT_EQ(shown, QJsonObject({{"edtModuleName", "CLIB.DXP"},
                                  {"edtModuleVer", "4.12"},
                                  {"boxes", boxes},
                                  {"edtOtherVer", ""},
                                  {"cbxCustomFileSet", "LIBUP12.EXE"}}));
    const QJsonObject other = json({"custom", "show", "3"});
    EXPECT_TRUE(other["boxes"].toObject()["Other"].toBool());
    EXPECT_EQ(other["edtOtherVer"].toString(), "6.5");

    EXPECT_EQ(cli({"custom", "show", "4"}).exitCode, 1);
    EXPECT_EQ(cli({"custom", "show", "0"}).exitCode, 1);
}

TEST_F(CustomCli, RefusedInputAndBadUsage) {
    CliRun run = cli({"custom", "add", "clib", "12/05/98"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "error: Invalid input. Cannot add module:\n\n"
              "- Enter module VERSION, not module DATE\n"
              "- You must choose the Daltrix OS\n"
              "   version(s) that this module runs on\n\n");
    EXPECT_EQ(cli({"custom", "add", "clib", "4.12", "--os", "4.00"}).exitCode, 2);
    EXPECT_EQ(cli({"custom", "add", "clib"}).exitCode, 2);
    EXPECT_EQ(cli({"custom", "list", "--os", "4.11"}).exitCode, 2);
    EXPECT_EQ(cli({"custom", "frobnicate"}).exitCode, 2);
    EXPECT_EQ(cli({"custom", "list", "--bogus"}).exitCode, 2);
}

TEST_F(CustomCli, DeleteAsksAndNeedsYes) {
    for (const char* os : {"4.11", "4.10"}) {
        ASSERT_EQ(cli({"custom", "add", "clib", "4.12", "--os", os}).exitCode, 0);
    }
    ASSERT_EQ(cli({"custom", "add", "spx", "4.11b", "--os", "4.11"}).exitCode, 0);

    CliRun run = cli({"custom", "delete", "4.11:+clib.dxp"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "confirmation: Delete selected item?\n");
    EXPECT_EQ(strings(json({"custom", "list"})["entries"]).size(), 3);

    EXPECT_EQ(cli({"custom", "delete", "4.11:+NOSUCH.DXP", "--yes"}).exitCode, 1);
    EXPECT_EQ(strings(json({"custom", "list"})["entries"]).size(), 3);

    const QJsonObject deleted =
        json({"custom", "delete", "4.11:+CLIB.DXP", "4.10:+clib.DXP", "--yes"});
    EXPECT_EQ(strings(deleted["entries"]), QStringList({"4.11:+SPX.DXP=4.11b"}));
    const QJsonArray messages = deleted["messages"].toArray();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].toObject()["text"].toString(), "Delete selected items?");
    EXPECT_EQ(messages[1].toObject()["kind"].toString(), "information");
}

TEST_F(CustomCli, AfterAManualUpdateTheCustomEntriesAreBackAndCheckedAgain) {
    ASSERT_EQ(
        cli({"custom", "add", "clib", "4.12", "--os", "4.11", "--file", "LIBUP12.EXE"}).exitCode,
        0);
    ASSERT_EQ(cli({"custom", "add", "ne2000.lan", "3.10", "--os", "4.11"}).exitCode, 0);
    CliRun run = cli({"custom", "status"});
    EXPECT_EQ(run.err, "information: Databases appear synchronized.\n");

    const QString download = testsupport::dataPath("custom/cartvxdb.ini");
    run = cli({"db", "manual-update", download});  // answered No: the entries are gone
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = cli({"custom", "status"});
    EXPECT_TRUE(run.err.startsWith("warning: Databases ARE NOT synchronized."))
        << run.err.toStdString();

    run = cli({"db", "manual-update", download, "--yes"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("information: Database Sync Complete.")) << run.err.toStdString();
    run = cli({"custom", "status"});
    EXPECT_EQ(run.err, "information: Databases appear synchronized.\n");

    const QJsonObject analysed = json({"analyze", testsupport::dataPath("custom/elm-fs3.txt")});
    const QStringList suggestions = strings(analysed["Suggestions"]);
    const QString bullet = QStringLiteral(" \u2022 ");
    const qsizetype clib = suggestions.indexOf(bullet + "CLIB.DXP is out of date.");
    ASSERT_GE(clib, 0) << suggestions.join('\n').toStdString();
    EXPECT_EQ(suggestions.mid(clib + 1, 3),
              QStringList({"   Current version is 4.12. Your version is 4.11f.",
                           "   Apply the updates from the file LIBUP12.EXE.",
                           "   (This data is from user-customized database)"}));
    EXPECT_TRUE(suggestions.contains(bullet + "NE2000.LAN is out of date."));
}
