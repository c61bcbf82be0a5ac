#pragma once

#include "download/ftplisting.h"
#include "download/ftpsecurity.h"
#include "download/ftptimeouts.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class FtpConnection;
class FtpWorker;
struct FtpJobContext;

// The FTP transfer component. Every operation returns at once and runs, in the order
// requested, on the component's own worker thread (libcurl); what happens reaches the caller's
// thread as queued events, in this order for a whole session:
//   Connect:        Busy(true), StateChanged 1 connecting, 2 resolving host, 3 host resolved,
//                   4 connected, ProtocolStateChanged 1 (ready for log-in), Busy(false)
//   LogIn:          Busy(true), ProtocolStateChanged 2 (logged in; Encrypted() now tells
//                   whether the session runs over TLS), Busy(false)
//   ListRemoteFile: Busy(true), ListItem for each entry of the listing, Busy(false)
//   GetFile:        Busy(true), DocOutput with the bytes received so far, Busy(false)
//   Disconnect:     Busy(true), StateChanged 5 disconnecting, 6 disconnected, Busy(false)
// A failure sends Error(Number, Description) (numbers in ftperror.h) before the Busy(false)
// that ends the operation; unless the connection survives it (a remote file not found) the
// connection is dropped and State() is 0 again without a state event. SetBinaryMode sends
// nothing. PassiveMode is on from the start; Security (TLS when the server offers it, by
// default) and the extra CA file are taken, like PassiveMode, when an operation is requested. Abort
// and Disconnect end the operation in progress (an ended operation reports no error) and drop the
// ones requested before them.
class TFTP : public QObject {
    Q_OBJECT

  public:
    static constexpr int Connected = 4;
    static constexpr int BinaryTransfer = 3;

    explicit TFTP(QObject* parent = nullptr);
    ~TFTP() override;

    void Connect(const QString& remoteHost, const QString& remotePort);
    void LogIn(const QString& userName, const QString& password);
    void ListRemoteFile(const QString& remoteFile);
    void SetBinaryMode(int transferType);
    void GetFile(const QString& remoteFile, const QString& localFile);
    void Disconnect();
    void Abort();

    bool PassiveMode() const { return m_passive; }
    void setPassiveMode(bool passive) { m_passive = passive; }
    // The last state reported (0 before any connection and after a dropped one).
    int State() const { return m_state; }

    FtpSecurity Security() const { return m_security; }
    const QString& CaFile() const { return m_caFile; }
    void setSecurity(FtpSecurity security, const QString& caFile);
    // True while the logged-in session runs over TLS.
    bool Encrypted() const { return m_encrypted; }

    const FtpTimeouts& timeouts() const { return m_timeouts; }
    void setTimeouts(const FtpTimeouts& timeouts) { m_timeouts = timeouts; }

    // True when every requested operation has ended and its events have been delivered.
    bool isIdle() const { return m_pending == 0; }
    // Handles the caller thread's events until the component is idle; false on time-out.
    bool waitForIdle(int timeoutMs);
    // Blocks until no transfer holds its local file open; false on time-out.
    bool waitForLocalFileClosed(int timeoutMs);

  signals:
    void StateChanged(int State);
    void ProtocolStateChanged(int ProtocolState);
    void Busy(bool isBusy);
    void ListItem(const FtpListItem& Item);
    void DocOutput(qint64 BytesTransferred);
    void Error(int Number, const QString& Description);

  private:
    class Events;
    using Job = std::function<void(FtpConnection&, const FtpJobContext&)>;

    void request(Job job, bool busy);
    void deliverState(int state);

    bool m_passive = true;
    int m_state = 0;
    FtpSecurity m_security = FtpSecurity::WhenAvailable;
    QString m_caFile;
    bool m_encrypted = false;
    int m_pending = 0;
    FtpTimeouts m_timeouts = FtpTimeouts::defaults();
    std::atomic<quint64> m_generation{0};
    std::mutex m_fileMutex;
    std::condition_variable m_fileClosed;
    bool m_fileOpen = false;
    std::unique_ptr<Events> m_events;
    std::unique_ptr<FtpConnection> m_connection;
    std::unique_ptr<FtpWorker> m_worker;
};
