#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The test FTP server (ftpserver.py) on 127.0.0.1 with a free port, serving a temporary folder
// the test fills. It ends with this object, and by itself when the test program dies. It records
// every command it receives (a PASS without its argument).
class FtpTestServer {
  public:
    // "normal", "halfway", "zerosize", "silent" or "slow"; with `tlsPem` (key and certificate) the
    // server offers AUTH TLS as well.
    explicit FtpTestServer(const QString& mode = QStringLiteral("normal"),
                           const QString& tlsPem = QString());
    ~FtpTestServer();

    bool started() const { return m_port > 0; }
    QString port() const { return QString::number(m_port); }
    QString root() const { return m_root.path(); }
    // Writes a file below the served folder with the given modification time (UTC).
    void addFile(const QString& relativePath, const QByteArray& content,
                 const QString& utcTime = QStringLiteral("2021-03-14T12:00:00Z"));
    // The commands received so far, one an entry, as sent ("AUTH TLS", "USER anonymous").
    QStringList commands() const;

  private:
    QTemporaryDir m_root;
    QTemporaryDir m_work;
    QProcess m_process;
    int m_port = 0;
};

// A certificate authority and a server certificate for 127.0.0.1 signed by it, made with the
// openssl command in a temporary folder.
class TestCertificates {
  public:
    TestCertificates();
    bool made() const { return m_made; }
    QString caFile() const { return m_dir.filePath(QStringLiteral("ca.pem")); }
    // The server's key and certificate in one file.
    QString serverPem() const { return m_dir.filePath(QStringLiteral("server.pem")); }

  private:
    bool openssl(const QStringList& arguments);

    QTemporaryDir m_dir;
    bool m_made = false;
};

// A port on 127.0.0.1 where nothing listens.
QString closedPort();
// A QCoreApplication for the tests that need an event loop; made once.
void ensureApplication();
