#pragma once

#include "download/ftpsecurity.h"

#include <QByteArray>
#include <QString>

typedef void CURL;

// TLS for the transfer component's FTP session ("AUTH TLS", then PBSZ and PROT P so that the
// data connections are protected too). The server is verified, name and chain, against the
// system's certificate store plus an optional CA file; there is no switch that accepts a
// server that does not verify.
namespace ftptls {

// Sets a handle's TLS options for `security` before its log-in. libcurl's CAINFO would replace
// the system's store, so an extra CA file is handed over in memory, appended to the system's
// bundle. Returns CURLE_OK, or CURLE_SSL_CACERT_BADFILE with `reason` when the CA file cannot
// be read.
int configure(CURL* curl, FtpSecurity security, const QString& caFile, QString& reason);

// Watches one log-in's exchange with the server, from construction to destruction: secured()
// is true once the server has accepted AUTH (reply 234), after which libcurl either completes
// the handshake or fails the log-in.
class Watch {
  public:
    explicit Watch(CURL* curl);
    ~Watch();
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    bool secured() const { return m_secured; }
    // One line of the exchange: a command sent, or a line of a reply received.
    void line(bool sent, const QByteArray& text);

  private:
    CURL* m_curl;
    bool m_authSent = false;
    bool m_secured = false;
};

}  // namespace ftptls
