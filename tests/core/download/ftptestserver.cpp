#include "ftptestserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

FtpTestServer::FtpTestServer(const QString& mode, const QString& tlsPem) {
    ensureApplication();
    const QString script = QStringLiteral(CARTOVEX_SOURCE_DIR "/tests/core/download/ftpserver.py");
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments{script,
                          QStringLiteral("--root"),
                          m_root.path(),
                          QStringLiteral("--mode"),
                          mode,
                          QStringLiteral("--log"),
                          m_work.filePath(QStringLiteral("commands.log"))};
    if (!tlsPem.isEmpty()) {
        arguments << QStringLiteral("--tls") << tlsPem;
    }
    m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!m_process.waitForStarted(10000)) {
        return;
    }
    while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
    }
    const QByteArray line = m_process.readLine().trimmed();
    if (line.startsWith("PORT ")) {
        m_port = line.mid(5).toInt();
    }
}

FtpTestServer::~FtpTestServer() {
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

void FtpTestServer::addFile(const QString& relativePath, const QByteArray& content,
                            const QString& utcTime) {
    const QString path = m_root.path() + u'/' + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(content);
        file.flush();  // a later flush would move the time again
        file.setFileTime(QDateTime::fromString(utcTime, Qt::ISODate),
                         QFileDevice::FileModificationTime);
    }
}

QStringList FtpTestServer::commands() const {
    QFile log(m_work.filePath(QStringLiteral("commands.log")));
    if (!log.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

TestCertificates::TestCertificates() {
    const auto file = [this](const char* name) { return m_dir.filePath(QLatin1String(name)); };
    QFile extension(file("san.cnf"));
    m_made = extension.open(QIODevice::WriteOnly) &&
             extension.write("subjectAltName=IP:127.0.0.1\n") > 0 && extension.flush() &&
             openssl({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                      "/CN=Cartovex Test CA", "-keyout", file("ca.key"), "-out", caFile()}) &&
             openssl({"req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=127.0.0.1", "-keyout",
                      file("server.key"), "-out", file("server.csr")}) &&
             openssl({"x509", "-req", "-days", "2", "-in", file("server.csr"), "-CA", caFile(),
                      "-CAkey", file("ca.key"), "-CAcreateserial", "-extfile", file("san.cnf"),
                      "-out", file("server.crt")});
    QFile key(file("server.key"));
    QFile certificate(file("server.crt"));
    QFile pem(serverPem());
    m_made = m_made && key.open(QIODevice::ReadOnly) && certificate.open(QIODevice::ReadOnly) &&
             pem.open(QIODevice::WriteOnly) && pem.write(key.readAll() + certificate.readAll()) > 0;
}

bool TestCertificates::openssl(const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("openssl"), arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QString closedPort() {
    // A port the system just handed out and that is closed again at once.
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return QString::number(ntohs(address.sin_port));
}

void ensureApplication() {
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "test_download";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
    }
}
