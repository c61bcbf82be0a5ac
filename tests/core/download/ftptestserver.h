#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The test FTP server (ftpserver.py) on 127.0.0.1 with a free port, serving a temporary folder
// the test fills. It ends with this object, and by itself when the test program dies.
class FtpTestServer {
  public:
    // "normal", "halfway", "zerosize", "silent" or "slow".
    explicit FtpTestServer(const QString& mode = QStringLiteral("normal"));
    ~FtpTestServer();

    bool started() const { return m_port > 0; }
    QString port() const { return QString::number(m_port); }
    QString root() const { return m_root.path(); }
    // Writes a file below the served folder with the given modification time (UTC).
    void addFile(const QString& relativePath, const QByteArray& content,
                 const QString& utcTime = QStringLiteral("2021-03-14T12:00:00Z"));

  private:
    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
};

// A port on 127.0.0.1 where nothing listens.
QString closedPort();
// A QCoreApplication for the tests that need an event loop; made once.
void ensureApplication();
