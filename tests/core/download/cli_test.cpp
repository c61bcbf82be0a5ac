#include "ftptestserver.h"
#include "testsupport.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

using testsupport::runCli;

QJsonObject json(const testsupport::CliRun& run) {
    return QJsonDocument::fromJson(run.out).object();
}

TEST(DownloadCli, DownloadsWithTheGivenSettingsAndFailsWithoutAServer) {
    FtpTestServer server;
    ASSERT_TRUE(server.started());
    server.addFile(QStringLiteral("outgoing/cartvxdb.ini"), "[Core DXPs]\r\n");
    QTemporaryDir home;
    auto run = runCli(home.path(), {"download", "--host", "127.0.0.1", "--port", server.port(),
                                    "--active", "--sync", "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("13 of 13 bytes received\n"));
    EXPECT_TRUE(run.err.contains("confirmation: Sync Custom Database"));
    EXPECT_EQ(json(run).value("RemoteDate").toString(), "Mar 14 2021");
    EXPECT_TRUE(json(run).value("replaced").toBool());
    QFile db(home.filePath("quarixdb.ini"));
    ASSERT_TRUE(db.open(QIODevice::ReadOnly));
    EXPECT_TRUE(db.readAll().startsWith("[Core DXPs]\r\n\r\n[Preferences]\r\nDBType=Controlled"));

    // The stored port now points at a closed one.
    run = runCli(home.path(), {"download", "--port", closedPort()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("error: A FTP Error has occured: \n1003: "));
    EXPECT_TRUE(run.err.contains("error: A FTP connection could not be established."));
    EXPECT_FALSE(run.err.contains("Sync Custom Database"));
}

TEST(DownloadCli, SecurityGivenForOneRunIsNotStoredAndThePasswordNeverShows) {
    FtpTestServer server;
    ASSERT_TRUE(server.started());
    server.addFile(QStringLiteral("outgoing/cartvxdb.ini"), "[Core DXPs]\r\n");
    QTemporaryDir home;
    const QString password = QStringLiteral("hunter2-Secret");
    auto run = runCli(home.path(), {"options", "set", "--remote-host", "127.0.0.1", "--remote-port",
                                    server.port(), "--password", password});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = runCli(home.path(), {"download", "--security", "required", "--json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("the password was not sent")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(password) || run.out.contains(password.toUtf8()));
    EXPECT_FALSE(server.commands().contains("PASS"));
    run = runCli(home.path(), {"options", "--json"});
    EXPECT_EQ(json(run).value("FtpSecurity").toString(), "When available");
    EXPECT_EQ(runCli(home.path(), {"download", "--security", "on"}).exitCode, 2);
}

TEST(OptionsCli, KeepsTheDataDirectoryAndItsFilesPrivate) {
    QTemporaryDir base;
    using testsupport::fileMode;
    const QString fresh = base.filePath(QStringLiteral("new/data"));
    auto run = runCli(base.path(), {"--home", fresh, "options", "set", "--password", "pw"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(fileMode(fresh), 0700);
    EXPECT_EQ(fileMode(fresh + "/quarixdb.ini"), 0600);
    EXPECT_EQ(fileMode(fresh + "/CARTOVEX.INI"), 0600);

    // An existing folder keeps its mode; a world-readable file becomes private when written, a
    // file that only its group may read keeps its mode.
    QFile::setPermissions(fresh, QFile::Permissions(0x7755));
    QFile::setPermissions(fresh + "/quarixdb.ini", QFile::Permissions(0x6644));
    QFile::setPermissions(fresh + "/CARTOVEX.INI", QFile::Permissions(0x6640));
    run = runCli(base.path(), {"--home", fresh, "options", "set", "--db-type", "uncontrolled"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(fileMode(fresh), 0755);
    EXPECT_EQ(fileMode(fresh + "/quarixdb.ini"), 0600);
    EXPECT_EQ(fileMode(fresh + "/CARTOVEX.INI"), 0640);
}

TEST(OptionsCli, RoundTripsEveryFieldAndRestoresTheDefaults) {
    QTemporaryDir home;
    auto run = runCli(home.path(), {"options",
                                    "set",
                                    "--remote-host",
                                    "h.example",
                                    "--remote-port",
                                    "2121",
                                    "--user",
                                    "bob",
                                    "--password",
                                    "",
                                    "--remote-file",
                                    "/x.ini",
                                    "--check-remote-file",
                                    "off",
                                    "--frequency",
                                    "never",
                                    "--db-type",
                                    "uncontrolled",
                                    "--root-dir",
                                    "/reports",
                                    "--security",
                                    "off",
                                    "--ca-file",
                                    "/ca.pem",
                                    "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = runCli(home.path(), {"options", "--json"});
    const QJsonObject expected{{"RemoteHost", "h.example"},
                               {"RemotePort", "2121"},
                               {"UserName", "bob"},
                               {"Password", ""},
                               {"RemoteFile", "/x.ini"},
                               {"CheckRemoteFile", false},
                               {"LocalFile", home.filePath("quarixdb.ini")},
                               {"Frequency", 2},
                               {"DBType", "Uncontrolled"},
                               {"RootDir", "/reports"},
                               {"enabled", false},
                               {"FtpSecurity", "Off"},
                               {"CaFile", "/ca.pem"}};
    EXPECT_EQ(json(run), expected);

    run = runCli(home.path(), {"options", "defaults", "--json"});
    EXPECT_EQ(json(run).value("RemoteHost").toString(), "ftp.quarix.example");
    EXPECT_EQ(json(run).value("Frequency").toInt(), 0);
    EXPECT_EQ(json(run).value("DBType").toString(), "Uncontrolled");

    EXPECT_EQ(json(run).value("FtpSecurity").toString(), "When available");
    EXPECT_EQ(runCli(home.path(), {"options", "set", "--frequency", "daily"}).exitCode, 2);
    EXPECT_EQ(runCli(home.path(), {"options", "set", "--security", "on"}).exitCode, 2);
    EXPECT_EQ(runCli(home.path(), {"options", "--user", "x"}).exitCode, 2);
}

// A download stopped by SIGINT or SIGTERM half-way removes its temporary file and exits with
// 130 or 143; the database stays as it was.
TEST(DownloadCli, ASignalDuringTheTransferLeavesNoPartFile) {
    FtpTestServer server(QStringLiteral("slow"));
    ASSERT_TRUE(server.started());
    server.addFile(QStringLiteral("outgoing/cartvxdb.ini"), QByteArray(400000, 'x'));
    for (const int signal : {SIGINT, SIGTERM}) {
        QTemporaryDir home;
        ASSERT_EQ(runCli(home.path(), {"options", "set", "--remote-host", "127.0.0.1",
                                       "--remote-port", server.port()})
                      .exitCode,
                  0);
        QFile db(home.filePath("quarixdb.ini"));
        ASSERT_TRUE(db.open(QIODevice::ReadOnly));
        const QByteArray before = db.readAll();
        db.close();
        QProcess cli;
        cli.setProgram(QStringLiteral(CARTOVEX_CLI));
        cli.setArguments({"--home", home.path(), "download"});
        cli.start();
        ASSERT_TRUE(cli.waitForStarted());
        const QString part = home.filePath("quarixdb.ini.part");
        const QDeadlineTimer deadline(30000);
        while (QFileInfo(part).size() == 0 && !deadline.hasExpired()) {
            QThread::msleep(10);
        }
        ASSERT_GT(QFileInfo(part).size(), 0);
        ::kill(pid_t(cli.processId()), signal);
        ASSERT_TRUE(cli.waitForFinished(10000));
        EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(cli.exitCode(), 128 + signal);
        EXPECT_FALSE(QFile::exists(part));
        ASSERT_TRUE(db.open(QIODevice::ReadOnly));
        EXPECT_EQ(db.readAll(), before);
    }
}

}  // namespace
