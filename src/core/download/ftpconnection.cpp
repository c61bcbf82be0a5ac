#include "download/ftpconnection.h"

#include "download/curlapi.h"
#include "download/ftpcontrolsocket.h"
#include "download/ftperror.h"
#include "download/ftptls.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QFile>
#include <QUrl>
#include <algorithm>

static_assert(CurlErrorSize >= CURL_ERROR_SIZE);

// A listing is small; anything past this is not kept.
static constexpr qsizetype MaxListingBytes = 1 << 20;

struct FtpConnection::Transfer {
    FtpEvents* events = nullptr;
    QFile* file = nullptr;  // null for a listing
    QByteArray listing;
    qint64 bytes = 0;
};

struct FtpCallbacks {
    static int progress(void* job, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
        const auto* context = static_cast<const FtpJobContext*>(job);
        return context->aborted && context->aborted() ? 1 : 0;
    }

    static size_t collect(char* data, size_t size, size_t count, void* target) {
        auto* transfer = static_cast<FtpConnection::Transfer*>(target);
        const qint64 n = qint64(size * count);
        if (transfer->file) {
            if (transfer->file->write(data, n) != n) {
                return 0;  // libcurl ends the transfer with a write error
            }
            transfer->bytes += n;
            transfer->events->docOutput(transfer->bytes);
        } else if (transfer->listing.size() < MaxListingBytes) {
            transfer->listing.append(data, n);
        }
        return size * count;
    }

    static curl_socket_t openSocket(void* target, curlsocktype purpose, curl_sockaddr* address) {
        auto* handOver = static_cast<FtpConnection::HandOver*>(target);
        if (purpose == CURLSOCKTYPE_IPCXN && handOver->pending >= 0) {
            handOver->given = handOver->pending;
            handOver->pending = -1;
            return handOver->given;
        }
        return ::socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
    }

    static int socketOptions(void* target, curl_socket_t socket, curlsocktype) {
        auto* handOver = static_cast<FtpConnection::HandOver*>(target);
        if (socket == handOver->given) {
            handOver->given = -1;
            return CURL_SOCKOPT_ALREADY_CONNECTED;
        }
        return CURL_SOCKOPT_OK;
    }
};

namespace {

int secondsAtLeastOne(int ms) {
    return std::max(1, (ms + 999) / 1000);
}

bool hasLineBreak(const QString& text) {
    return text.contains(u'\r') || text.contains(u'\n');
}

// The port as typed: empty means 21; anything but a number from 1 to 65535 is refused.
int parsePort(const QString& text, bool& ok) {
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        ok = true;
        return 21;
    }
    const int port = t.toInt(&ok);
    ok = ok && port > 0 && port < 65536;
    return port;
}

}  // namespace

FtpConnection::FtpConnection(FtpEvents& events) : m_events(events) {}

FtpConnection::~FtpConnection() {
    close();
}

void FtpConnection::close() {
    if (m_curl) {
        // The QUIT of a dropped or silent server must not hold the program up.
        curlapi::setopt(m_curl, CURLOPT_FTP_RESPONSE_TIMEOUT, 2L);
        curlapi::easyCleanup(m_curl);
        m_curl = nullptr;
    }
    if (m_handOver.pending >= 0) {
        ::close(m_handOver.pending);
        m_handOver.pending = -1;
    }
    m_handOver.given = -1;
}

bool FtpConnection::usable(const FtpJobContext& job) {
    if (m_curl) {
        return true;
    }
    fail(CURLE_COULDNT_CONNECT, job);
    return false;
}

void FtpConnection::fail(int curlCode, const FtpJobContext& job, const QString& reason) {
    // libcurl's account of the failure, which it wrote during the last transfer.
    const QString told = reason.isEmpty() ? QString::fromUtf8(m_errorText) : reason;
    m_errorText[0] = '\0';
    if (curlCode == CURLE_ABORTED_BY_CALLBACK && job.aborted && job.aborted()) {
        return;  // ended on request: not an error
    }
    m_events.error(curlCode, told);
    if (!ftperror::keepsConnection(curlCode)) {
        close();
        m_events.connectionLost();
    }
}

QByteArray FtpConnection::url(const QString& remotePath) const {
    const QByteArray host = m_host.contains(':') ? '[' + m_host + ']' : m_host;
    // An absolute path is kept absolute ("%2F"); libcurl sends it whole, without changing
    // directories.
    QByteArray path;
    QString rest = remotePath;
    if (rest.startsWith(u'/')) {
        path = "%2F";
        rest.remove(0, 1);
    }
    path += QUrl::toPercentEncoding(rest, "/");
    return "ftp://" + host + ':' + QByteArray::number(m_port) + '/' + path;
}

void FtpConnection::connect(const QString& host, const QString& port, const FtpJobContext& job) {
    close();
    m_events.stateChanged(1);
    bool portOk = false;
    m_port = parsePort(port, portOk);
    m_host = host.trimmed().toUtf8();
    m_events.stateChanged(2);
    if (!portOk || hasLineBreak(host) || m_host.contains('/') || m_host.contains('@')) {
        fail(CURLE_URL_MALFORMAT, job);
        return;
    }
    ftpcontrolsocket::Addresses addresses;
    int result = ftpcontrolsocket::resolve(m_host, m_port, addresses);
    if (result != CURLE_OK) {
        fail(result, job);
        return;
    }
    m_events.stateChanged(3);
    int socket = -1;
    result = ftpcontrolsocket::connectTo(addresses, job.timeouts.connectMs, job.aborted, socket);
    if (result == CURLE_OK) {
        m_handOver.pending = socket;
        result = ftpcontrolsocket::awaitGreeting(socket, job.timeouts.idleMs, job.aborted);
    }
    if (result != CURLE_OK) {
        fail(result, job);
        return;
    }
    m_curl = curlapi::easyInit();
    m_events.stateChanged(4);
    m_events.protocolStateChanged(1);
}

int FtpConnection::perform(const QByteArray& url, const FtpJobContext& job, Transfer* transfer) {
    CURL* c = m_curl;
    m_errorText[0] = '\0';
    curlapi::setopt(c, CURLOPT_ERRORBUFFER, m_errorText);
    curlapi::setopt(c, CURLOPT_URL, url.constData());
    curlapi::setopt(c, CURLOPT_NOSIGNAL, 1L);
    curlapi::setopt(c, CURLOPT_CONNECTTIMEOUT_MS, long(job.timeouts.connectMs));
    curlapi::setopt(c, CURLOPT_FTP_RESPONSE_TIMEOUT, long(secondsAtLeastOne(job.timeouts.idleMs)));
    curlapi::setopt(c, CURLOPT_ACCEPTTIMEOUT_MS, long(job.timeouts.idleMs));
    curlapi::setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curlapi::setopt(c, CURLOPT_LOW_SPEED_TIME, long(secondsAtLeastOne(job.timeouts.idleMs)));
    curlapi::setopt(c, CURLOPT_NOPROGRESS, 0L);
    curlapi::setopt(c, CURLOPT_XFERINFOFUNCTION, &FtpCallbacks::progress);
    curlapi::setopt(c, CURLOPT_XFERINFODATA, &job);
    curlapi::setopt(c, CURLOPT_FTPPORT, job.passive ? nullptr : "-");
    curlapi::setopt(c, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    curlapi::setopt(c, CURLOPT_TRANSFERTEXT, m_binary ? 0L : 1L);
    // Only the log-in needs the connection made at Connect; later sockets are libcurl's own.
    const bool handOver = m_handOver.pending >= 0;
    curlapi::setopt(c, CURLOPT_OPENSOCKETFUNCTION, handOver ? &FtpCallbacks::openSocket : nullptr);
    curlapi::setopt(c, CURLOPT_OPENSOCKETDATA, &m_handOver);
    curlapi::setopt(c, CURLOPT_SOCKOPTFUNCTION, handOver ? &FtpCallbacks::socketOptions : nullptr);
    curlapi::setopt(c, CURLOPT_SOCKOPTDATA, &m_handOver);
    curlapi::setopt(c, CURLOPT_NOBODY, transfer ? 0L : 1L);
    curlapi::setopt(c, CURLOPT_WRITEFUNCTION, &FtpCallbacks::collect);
    curlapi::setopt(c, CURLOPT_WRITEDATA, transfer);
    return curlapi::easyPerform(c);
}

void FtpConnection::logIn(const QString& userName, const QString& password,
                          const FtpJobContext& job) {
    if (!usable(job)) {
        return;
    }
    QString reason;
    int result = ftptls::configure(m_curl, job.security, job.caFile, reason);
    if (result != CURLE_OK) {
        fail(result, job, reason);
        return;
    }
    // libcurl sends AUTH TLS first and, where TLS is required and refused, ends here without
    // sending USER or PASS.
    curlapi::setopt(m_curl, CURLOPT_USERNAME, userName.toUtf8().constData());
    curlapi::setopt(m_curl, CURLOPT_PASSWORD, password.toUtf8().constData());
    curlapi::setopt(m_curl, CURLOPT_CUSTOMREQUEST, nullptr);
    bool secured = false;
    {
        const ftptls::Watch watch(m_curl);
        result = perform(url(QString()), job, nullptr);
        secured = watch.secured();
    }
    if (result == CURLE_USE_SSL_FAILED) {
        fail(result, job,
             QStringLiteral("The server does not offer TLS, which the security "
                            "setting requires; the password was not sent"));
        return;
    }
    if (result != CURLE_OK) {
        fail(result, job);
        return;
    }
    m_events.encrypted(secured);
    m_events.protocolStateChanged(2);
}

void FtpConnection::listRemoteFile(const QString& remoteFile, const FtpJobContext& job) {
    if (!usable(job)) {
        return;
    }
    if (hasLineBreak(remoteFile)) {
        fail(CURLE_URL_MALFORMAT, job);
        return;
    }
    Transfer transfer{&m_events, nullptr, {}, 0};
    const QByteArray command = "LIST " + remoteFile.toUtf8();
    curlapi::setopt(m_curl, CURLOPT_CUSTOMREQUEST, command.constData());
    int result = perform(url(QString()), job, &transfer);
    curlapi::setopt(m_curl, CURLOPT_CUSTOMREQUEST, nullptr);
    const QList<FtpListItem> items = ftplisting::parse(transfer.listing);
    if (result == CURLE_OK && items.isEmpty()) {
        result = CURLE_REMOTE_FILE_NOT_FOUND;
    }
    if (result != CURLE_OK) {
        fail(result, job);
        return;
    }
    for (const FtpListItem& item : items) {
        m_events.listItem(item);
    }
}

void FtpConnection::getFile(const QString& remoteFile, const QString& localFile,
                            const FtpJobContext& job) {
    if (!usable(job)) {
        return;
    }
    // The received file becomes the database, which holds the password: private from the start.
    QFile file(localFile);
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered, ownerOnly) ||
        !file.setPermissions(ownerOnly)) {
        fail(CURLE_WRITE_ERROR, job);
        return;
    }
    m_events.localFileOpen(true);
    Transfer transfer{&m_events, &file, {}, 0};
    const int result = perform(url(remoteFile), job, &transfer);
    file.close();
    m_events.localFileOpen(false);
    if (result != CURLE_OK) {
        fail(result, job);
    }
}

void FtpConnection::disconnect(const FtpJobContext&) {
    m_events.stateChanged(5);
    close();
    m_events.stateChanged(6);
}
