#include "downloadtest.h"

#include "settings/lastdbdownload.h"
#include "testsupport.h"

#include <QFile>

namespace {

const QByteArray Published = "[Core DXPs]\r\n4.11:CLIB.DXP=4.11b\r\n\r\n[Preferences]\r\n";
const QString Password = QStringLiteral("s3cret-Word");

// One certificate authority for the whole test program: making keys takes a while.
const TestCertificates& certificates() {
    static const TestCertificates made;
    return made;
}

// Records every wizard hint and status window connection text the session shows.
class ShownTexts : public DownloadObserver {
  public:
    explicit ShownTexts(DownloadSession& session) : m_session(session) {}
    void viewsChanged() override {
        const QString hint = m_session.views().wizard.HintLabel;
        if (!hint.isEmpty() && !texts.contains(hint)) {
            texts << hint;
        }
    }
    void runStatusWindow() override {
        texts << m_session.views().status.Connection;
        m_session.FTP1().waitForIdle(-1);
    }
    QStringList texts;

  private:
    DownloadSession& m_session;
};

class TlsDownloadTest : public DownloadTest {
  protected:
    // The stored settings for this server, with the given security and CA file.
    void configure(const FtpTestServer& server, FtpSecurity security, const QString& caFile) {
        ASSERT_TRUE(server.started());
        pointAt(server);
        OptionsState& options = download().options;
        options.FormActivate(QStringLiteral("C:\\"));
        options.fields.Password = Password;
        options.fields.Security = security;
        options.fields.CaFile = caFile;
        options.OKButtonClick();
    }

    // Runs the wizard; true when the database was replaced. No message may show the password.
    bool downloads() {
        m_dialogs.clear();
        m_dialogs.setDefaultAnswer(false);
        runWizard();
        for (const QString& text : m_dialogs.texts()) {
            EXPECT_FALSE(text.contains(Password)) << text.toStdString();
        }
        return session().databaseReplaced();
    }

    QString firstMessage() const { return m_dialogs.texts().value(0); }
};

TEST_F(TlsDownloadTest, RequiredVerifiesTheServerAgainstTheCaFile) {
    ASSERT_TRUE(certificates().made());
    FtpTestServer server(QStringLiteral("normal"), certificates().serverPem());
    server.addFile(QStringLiteral("outgoing/cartvxdb.ini"), Published);
    configure(server, FtpSecurity::Required, QString());
    const QByteArray before = controlledBytes();

    EXPECT_FALSE(downloads());
    EXPECT_TRUE(
        firstMessage().startsWith("A FTP Error has occured: \r\n2060: SSL certificate "
                                  "problem: unable to get local issuer certificate."))
        << firstMessage().toStdString();
    EXPECT_EQ(controlledBytes(), before);
    EXPECT_FALSE(server.commands().contains("PASS"));

    configure(server, FtpSecurity::Required, certificates().caFile());
    EXPECT_TRUE(downloads()) << firstMessage().toStdString();
    EXPECT_TRUE(controlledBytes().startsWith(Published));
    EXPECT_EQ(preference("FtpSecurity"), "Required");
    EXPECT_EQ(preference("FtpCaFile"), certificates().caFile());
    EXPECT_EQ(session().views().status.Connection, "Connected (TLS)");
    const QStringList commands = server.commands();
    EXPECT_LT(commands.indexOf("AUTH TLS"), commands.indexOf("PASS"));
    EXPECT_TRUE(commands.contains("PROT P"));
    EXPECT_EQ(testsupport::fileMode(controlledPath()), 0600);
}

TEST_F(TlsDownloadTest, RequiredAgainstAPlainServerEndsBeforeThePassword) {
    FtpTestServer server;
    server.addFile(QStringLiteral("outgoing/cartvxdb.ini"), Published);
    configure(server, FtpSecurity::Required, QString());
    const QByteArray before = controlledBytes();

    EXPECT_FALSE(downloads());
    EXPECT_EQ(firstMessage(),
              "A FTP Error has occured: \r\n2064: The server does not offer TLS, which the "
              "security setting requires; the password was not sent.\r\n"
              "[Unknown FTP error code number: 2064]");
    EXPECT_EQ(controlledBytes(), before);
    EXPECT_TRUE(server.commands().contains("AUTH TLS"));
    EXPECT_FALSE(server.commands().contains("PASS"));
    EXPECT_EQ(LastDbDownload::readDays(), LastDbDownload::kMissingDays);
}

TEST_F(TlsDownloadTest, WhenAvailableUsesTlsWhereOfferedAndOffNeverAsks) {
    ASSERT_TRUE(certificates().made());
    FtpTestServer secure(QStringLiteral("normal"), certificates().serverPem());
    FtpTestServer plain;
    secure.addFile(QStringLiteral("outgoing/cartvxdb.ini"), Published);
    plain.addFile(QStringLiteral("outgoing/cartvxdb.ini"), Published);

    configure(secure, FtpSecurity::WhenAvailable, certificates().caFile());
    ShownTexts shown(session());
    session().setObserver(&shown);
    EXPECT_TRUE(downloads()) << firstMessage().toStdString();
    session().setObserver(nullptr);
    EXPECT_EQ(shown.texts,
              QStringList({"Click Next to continue", "Connected (TLS). Click Next to continue",
                           "Connected (TLS)", "Click Exit to exit"}));
    configure(plain, FtpSecurity::WhenAvailable, certificates().caFile());
    EXPECT_TRUE(downloads()) << firstMessage().toStdString();
    EXPECT_EQ(session().views().status.Connection, "Connected");
    EXPECT_TRUE(plain.commands().contains("PASS"));

    const qsizetype secureCommands = secure.commands().size();
    configure(secure, FtpSecurity::Off, QString());
    EXPECT_TRUE(downloads()) << firstMessage().toStdString();
    const QStringList offSession = secure.commands().mid(secureCommands);
    EXPECT_TRUE(offSession.contains("PASS"));
    EXPECT_FALSE(offSession.join(u'\n').contains("AUTH"));
    EXPECT_EQ(session().views().status.Connection, "Connected");
}

TEST_F(TlsDownloadTest, ShortTransferAndRefusedConnectionLeaveTheOldDatabase) {
    ASSERT_TRUE(certificates().made());
    FtpTestServer server(QStringLiteral("halfway"), certificates().serverPem());
    QByteArray large = Published;
    while (large.size() < 200000) {
        large += "; padding line that makes the transfer take several chunks\r\n";
    }
    server.addFile(QStringLiteral("outgoing/cartvxdb.ini"), large);
    configure(server, FtpSecurity::Required, certificates().caFile());
    const QByteArray before = controlledBytes();
    EXPECT_FALSE(downloads());
    EXPECT_TRUE(firstMessage().startsWith("A FTP Error has occured: \r\n1005: "))
        << firstMessage().toStdString();
    EXPECT_EQ(controlledBytes(), before);
    EXPECT_FALSE(QFile::exists(session().temporaryFile()));

    OptionsState& options = download().options;
    options.FormActivate(QStringLiteral("C:\\"));
    options.fields.RemotePort = closedPort();
    options.OKButtonClick();
    const QByteArray stored = controlledBytes();
    EXPECT_FALSE(downloads());
    EXPECT_TRUE(firstMessage().startsWith("A FTP Error has occured: \r\n1003: "));
    EXPECT_EQ(controlledBytes(), stored);
}

}  // namespace
