#include "download/tftp.h"

#include "download/curlapi.h"
#include "download/ftpconnection.h"
#include "download/ftperror.h"
#include "download/ftpevents.h"
#include "download/ftpworker.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

// Runs on the worker thread and hands every report to the component's own thread.
class TFTP::Events : public FtpEvents {
  public:
    explicit Events(TFTP& owner) : m_owner(owner) {}

    template <typename F>
    void post(F f) {
        QMetaObject::invokeMethod(&m_owner, std::move(f), Qt::QueuedConnection);
    }

    void stateChanged(int state) override {
        post([o = &m_owner, state] { o->deliverState(state); });
    }
    void protocolStateChanged(int s) override {
        post([o = &m_owner, s] { emit o->ProtocolStateChanged(s); });
    }
    void listItem(const FtpListItem& item) override {
        post([o = &m_owner, item] { emit o->ListItem(item); });
    }
    void docOutput(qint64 bytes) override {
        post([o = &m_owner, bytes] { emit o->DocOutput(bytes); });
    }
    void error(int code, const QString& reason) override {
        post([o = &m_owner, n = ftperror::number(code), d = ftperror::description(code, reason)] {
            emit o->Error(n, d);
        });
    }
    void encrypted(bool tls) override {
        post([o = &m_owner, tls] { o->m_encrypted = tls; });
    }
    void connectionLost() override {
        post([o = &m_owner] {
            o->m_state = 0;
            o->m_encrypted = false;
        });
    }
    void localFileOpen(bool open) override {
        {
            std::lock_guard lock(m_owner.m_fileMutex);
            m_owner.m_fileOpen = open;
        }
        m_owner.m_fileClosed.notify_all();
    }

  private:
    TFTP& m_owner;
};

TFTP::TFTP(QObject* parent)
    : QObject(parent),
      m_events(std::make_unique<Events>(*this)),
      m_connection(std::make_unique<FtpConnection>(*m_events)),
      m_worker(std::make_unique<FtpWorker>()) {}

TFTP::~TFTP() {
    Abort();
    m_worker->stop();
}

void TFTP::setSecurity(FtpSecurity security, const QString& caFile) {
    m_security = security;
    m_caFile = caFile;
}

void TFTP::deliverState(int state) {
    m_state = state;
    if (state == 1 || state == 6) {
        m_encrypted = false;
    }
    emit StateChanged(state);
}

void TFTP::request(Job job, bool busy) {
    // libcurl's global set-up is not thread-safe: done once, on this thread, before any worker
    // uses libcurl, and only by programs that transfer something.
    static std::once_flag once;
    std::call_once(once, [] { curlapi::globalInit(CURL_GLOBAL_DEFAULT); });
    ++m_pending;
    auto context = std::make_shared<FtpJobContext>();
    context->passive = m_passive;
    context->timeouts = m_timeouts;
    context->security = m_security;
    context->caFile = m_caFile;
    const quint64 generation = m_generation.load();
    context->aborted = [this, generation] { return m_generation.load() != generation; };
    m_worker->queue([this, job = std::move(job), context, busy] {
        if (!context->aborted()) {
            if (busy) {
                m_events->post([this] { emit Busy(true); });
            }
            job(*m_connection, *context);
            if (busy) {
                m_events->post([this] { emit Busy(false); });
            }
        }
        m_events->post([this] { --m_pending; });
    });
}

void TFTP::Connect(const QString& remoteHost, const QString& remotePort) {
    request([=](FtpConnection& c, const FtpJobContext& j) { c.connect(remoteHost, remotePort, j); },
            true);
}

void TFTP::LogIn(const QString& userName, const QString& password) {
    request([=](FtpConnection& c, const FtpJobContext& j) { c.logIn(userName, password, j); },
            true);
}

void TFTP::ListRemoteFile(const QString& remoteFile) {
    request([=](FtpConnection& c, const FtpJobContext& j) { c.listRemoteFile(remoteFile, j); },
            true);
}

void TFTP::SetBinaryMode(int transferType) {
    request([=](FtpConnection& c, const FtpJobContext&) { c.setBinaryMode(transferType); }, false);
}

void TFTP::GetFile(const QString& remoteFile, const QString& localFile) {
    request([=](FtpConnection& c, const FtpJobContext& j) { c.getFile(remoteFile, localFile, j); },
            true);
}

void TFTP::Disconnect() {
    Abort();
    request([](FtpConnection& c, const FtpJobContext& j) { c.disconnect(j); }, true);
}

void TFTP::Abort() {
    ++m_generation;
}

bool TFTP::waitForIdle(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!isIdle()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

bool TFTP::waitForLocalFileClosed(int timeoutMs) {
    std::unique_lock lock(m_fileMutex);
    return m_fileClosed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                 [this] { return !m_fileOpen; });
}
