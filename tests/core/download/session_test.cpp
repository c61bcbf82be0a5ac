#include "downloadtest.h"

#include "settings/lastdbdownload.h"

#include <QFile>

namespace {

const QString DefaultFile = QStringLiteral("/outgoing/cartvxdb.ini");

QByteArray publishedDatabase() {
    QByteArray text = "[Core DXPs]\r\n4.11:CLIB.DXP=4.11b\r\n\r\n[Preferences]\r\nDBFormat=1.0\r\n";
    while (text.size() < 200000) {
        text += "; padding line that makes the transfer take several chunks\r\n";
    }
    return text;
}

TEST_F(DownloadTest, CompleteDownloadReplacesTheDatabaseAndWritesEverySettingBack) {
    FtpTestServer server;
    ASSERT_TRUE(server.started());
    const QByteArray published = publishedDatabase();
    server.addFile(QStringLiteral("outgoing/cartvxdb.ini"), published);
    pointAt(server);
    download().options.fields.Frequency = 1;
    download().options.OKButtonClick();
    m_engine->recentFiles().add(QStringLiteral("/reports/first.txt"));
    m_dialogs.setDefaultAnswer(true);

    runWizard();

    EXPECT_TRUE(controlledBytes().startsWith(published));
    EXPECT_EQ(preference("Frequency"), "0");
    EXPECT_EQ(preference("LastUpdateType"), "Automatic");
    EXPECT_EQ(preference("DBDateOnRemoteSite"), "Mar 14 2021");
    EXPECT_EQ(preference("Initialized"), "1");
    EXPECT_EQ(preference("DBType"), "Controlled");
    EXPECT_EQ(preference("RemotePort"), server.port());
    EXPECT_EQ(preference("Hist1"), "/reports/first.txt");
    EXPECT_EQ(preference("DBFormat"), "1.0");
    EXPECT_EQ(LastDbDownload::readDate(), QDate::currentDate());
    EXPECT_FALSE(QFile::exists(session().temporaryFile()));
    EXPECT_TRUE(session().databaseReplaced());

    const QString size = QString::number(published.size());
    const FtpStatusView& status = session().views().status;
    EXPECT_EQ(status.Status, size + " of " + size + " bytes received");
    EXPECT_EQ(status.ButtonCaption, "Ok");
    const WizardView& wizard = session().views().wizard;
    EXPECT_FALSE(wizard.visible);
    EXPECT_EQ(wizard.NextCaption, "Exit");
    EXPECT_EQ(wizard.HintLabel, "Click Exit to exit");
    EXPECT_EQ(wizard.NewDatabaseDate, " - Mar 14 2021");
    for (const WizardCheck& box :
         {wizard.Connect, wizard.SetBinaryMode, wizard.GetFile, wizard.Disconnect}) {
        EXPECT_TRUE(box.checked && box.enabled);
    }
    EXPECT_EQ(m_dialogs.texts(),
              QStringList{"Sync Custom Database with Quarix-controlled Database?"});
    EXPECT_EQ(m_syncCalls, 1);
}

TEST_F(DownloadTest, ShortTransferLeavesTheOldDatabaseAndItsSettingsUntouched) {
    FtpTestServer server(QStringLiteral("halfway"));
    ASSERT_TRUE(server.started());
    server.addFile(QStringLiteral("outgoing/cartvxdb.ini"), publishedDatabase());
    pointAt(server);
    const QByteArray before = controlledBytes();

    runWizard();

    EXPECT_EQ(controlledBytes(), before);
    EXPECT_EQ(LastDbDownload::readDays(), LastDbDownload::kMissingDays);
    EXPECT_FALSE(QFile::exists(session().temporaryFile()));
    EXPECT_FALSE(session().databaseReplaced());
    EXPECT_EQ(session().views().status.ButtonCaption, "Cancel");
    ASSERT_FALSE(m_dialogs.texts().isEmpty());
    EXPECT_TRUE(m_dialogs.texts().first().startsWith("A FTP Error has occured: \r\n1005: "));
    EXPECT_TRUE(m_dialogs.texts().first().endsWith(
        ".\r\nClose down Cartovex and verify that TCP/IP is functioning."));
    EXPECT_EQ(m_syncCalls, 0);
}

TEST_F(DownloadTest, MissingRemoteFileGivesErrorThenTheNotFoundRefusal) {
    FtpTestServer server;
    ASSERT_TRUE(server.started());
    server.addFile(QStringLiteral("outgoing/cartvxdb.ini"), "x");
    // Differs from the default only in case: still a mismatch.
    pointAt(server, QStringLiteral("/outgoing/CARTVXDB.INI"));
    m_dialogs.queueAnswer(Answer::No);  // keep the configured file
    const QByteArray before = controlledBytes();

    runWizard();

    const QString notFound = QStringLiteral(
        "Quarix database not found on 127.0.0.1 site.\r\n\r\n"
        "The default Remote File that Cartovex expects to download does not match\r\n"
        "your currently configured Remote File setting (in Tools->Options->Internet).\r\n\r\n"
        "Default expected Remote File: /outgoing/cartvxdb.ini\r\n"
        "Currently configured Remote File: /outgoing/CARTVXDB.INI\r\n\r\n"
        "Change the setting to its default value and try downloading again.");
    const QStringList texts = m_dialogs.texts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[1], "A FTP Error has occured: \r\n1002: Remote file not found.\r\n" + notFound);
    EXPECT_EQ(texts[2], notFound);
    EXPECT_EQ(session().FailureReason(), 1);
    EXPECT_EQ(controlledBytes(), before);
}

TEST_F(DownloadTest, ListingWithSizeZeroMakesGetFileRefuse) {
    FtpTestServer server(QStringLiteral("zerosize"));
    ASSERT_TRUE(server.started());
    server.addFile(QStringLiteral("outgoing/cartvxdb.ini"), publishedDatabase());
    pointAt(server);
    DownloadWizard& wizard = download().wizard;
    wizard.open();
    for (int step = 0; step < 3; ++step) {
        wizard.NextBtnClick();
        ASSERT_TRUE(session().FTP1().waitForIdle(Bound));
    }
    EXPECT_FALSE(session().TransferReady());
    EXPECT_EQ(session().WizardStep(), 2);
    EXPECT_TRUE(m_dialogs.texts().isEmpty());
    wizard.NextBtnClick();
    EXPECT_EQ(m_dialogs.texts(), QStringList{"Quarix database not found on 127.0.0.1 site.\r\n"
                                             "The database might be currently being updated.\r\n"
                                             "Try downloading the database again in a few hours."});
    wizard.CancelBtnClick();
    ASSERT_TRUE(session().FTP1().waitForIdle(Bound));
    EXPECT_EQ(session().FTP1().State(), 6);
}

TEST_F(DownloadTest, RefusedConnectionGives1003AndTheConnectionRefusal) {
    download().options.FormActivate(QStringLiteral("C:\\"));
    download().options.fields.RemoteHost = QStringLiteral("127.0.0.1");
    download().options.fields.RemotePort = closedPort();
    download().options.OKButtonClick();
    const QByteArray before = controlledBytes();

    runWizard();

    const QStringList texts = m_dialogs.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0],
              "A FTP Error has occured: \r\n1003: Couldn't connect to server.\r\n"
              "Make sure TCP/IP is configured and functioning.");
    EXPECT_TRUE(texts[1].startsWith("A FTP connection could not be established.\r\n"));
    EXPECT_TRUE(texts[1].endsWith("  below then disregard the above message and continue."));
    EXPECT_EQ(session().WizardStep(), 0);
    EXPECT_EQ(controlledBytes(), before);

    // The wizard opened again tries to connect again instead of refusing for good.
    download().wizard.open();
    EXPECT_TRUE(session().TransferReady());
    download().wizard.NextBtnClick();
    ASSERT_TRUE(session().FTP1().waitForIdle(Bound));
    ASSERT_EQ(m_dialogs.texts().size(), 3);
    EXPECT_TRUE(m_dialogs.texts()[2].startsWith("A FTP Error has occured: \r\n1003: "));
}

TEST_F(DownloadTest, ConnectingWhileConnectedEndsTheSessionFirst) {
    FtpTestServer server;
    ASSERT_TRUE(server.started());
    server.addFile(QStringLiteral("outgoing/cartvxdb.ini"), "x");
    pointAt(server);
    session().ConnectSpdBtnClick();
    ASSERT_TRUE(session().FTP1().waitForIdle(Bound));
    ASSERT_EQ(session().FTP1().State(), TFTP::Connected);
    QList<int> states;
    QObject::connect(&session().FTP1(), &TFTP::StateChanged, [&](int s) { states << s; });
    session().ConnectSpdBtnClick();
    ASSERT_TRUE(session().FTP1().waitForIdle(Bound));
    EXPECT_EQ(states, QList<int>({5, 6, 1, 2, 3, 4}));
    EXPECT_EQ(session().views().statusPanel0, "");
    EXPECT_EQ(session().RemoteSize(), 1);
}

// The status window's button and DownloadComplete follow the byte count; a completion the file
// on disk does not back up replaces nothing.
TEST_F(DownloadTest, ByteCountDecidesCompletion) {
    const QByteArray before = controlledBytes();
    session().FTP1ListItem({10, QStringLiteral("Jan 01 2020"), QStringLiteral("db")});
    session().FTP1DocOutput(9);
    EXPECT_EQ(session().views().status.ButtonCaption, "Cancel");
    EXPECT_FALSE(session().DownloadComplete());
    session().FTP1DocOutput(10);
    EXPECT_EQ(session().views().status.ButtonCaption, "Ok");
    EXPECT_EQ(session().views().status.Status, "10 of 10 bytes received");
    EXPECT_TRUE(session().DownloadComplete());
    session().DisconnectBtnClick();
    EXPECT_FALSE(session().databaseReplaced());
    EXPECT_EQ(controlledBytes(), before);
}

}  // namespace
