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

FtpTestServer::FtpTestServer(const QString& mode) {
    ensureApplication();
    const QString script = QStringLiteral(CARTOVEX_SOURCE_DIR "/tests/core/download/ftpserver.py");
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(
        QStringLiteral("/usr/bin/python3"),
        {script, QStringLiteral("--root"), m_root.path(), QStringLiteral("--mode"), mode});
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
