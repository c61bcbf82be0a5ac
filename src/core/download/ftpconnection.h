#pragma once

#include "download/ftpevents.h"

#include <QByteArray>
#include <QString>

typedef void CURL;

// libcurl's CURL_ERROR_SIZE, which its header alone defines.
inline constexpr int CurlErrorSize = 256;

// The transfer component's protocol side, used only on its worker thread. Connect resolves
// the host, opens the control connection and waits for the greeting; the log-in hands that
// connection to libcurl, which keeps it open for the listing and the transfer until
// disconnect. Every step reports through FtpEvents; failures become error events.
class FtpConnection {
  public:
    explicit FtpConnection(FtpEvents& events);
    ~FtpConnection();
    FtpConnection(const FtpConnection&) = delete;
    FtpConnection& operator=(const FtpConnection&) = delete;

    void connect(const QString& host, const QString& port, const FtpJobContext& job);
    void logIn(const QString& userName, const QString& password, const FtpJobContext& job);
    void listRemoteFile(const QString& remoteFile, const FtpJobContext& job);
    // 3 is binary (image) transfer; anything else ASCII.
    void setBinaryMode(int transferType) { m_binary = transferType == 3; }
    void getFile(const QString& remoteFile, const QString& localFile, const FtpJobContext& job);
    void disconnect(const FtpJobContext& job);

  private:
    struct Transfer;
    friend struct FtpCallbacks;

    bool usable(const FtpJobContext& job);
    // Reports a failure; `reason` defaults to what libcurl wrote into its error buffer.
    void fail(int curlCode, const FtpJobContext& job, const QString& reason = QString());
    int perform(const QByteArray& url, const FtpJobContext& job, Transfer* transfer);
    QByteArray url(const QString& remotePath) const;
    // Closes the connection; the QUIT waits at most a short while for its answer.
    void close();

    FtpEvents& m_events;
    CURL* m_curl = nullptr;
    // The control connection until libcurl takes it at the log-in, and the socket it has
    // just been given (already connected, so libcurl must not connect it again).
    struct HandOver {
        int pending = -1;
        int given = -1;
    } m_handOver;
    QByteArray m_host;
    int m_port = 21;
    bool m_binary = false;
    char m_errorText[CurlErrorSize] = {};
};
