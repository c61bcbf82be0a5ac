#pragma once

#include "download/ftplisting.h"
#include "download/ftpsecurity.h"
#include "download/ftptimeouts.h"

#include <functional>

// What one operation of the transfer component reports while it runs on the worker thread;
// the component passes each report on to its owner's thread as a queued event.
class FtpEvents {
  public:
    virtual ~FtpEvents() = default;
    virtual void stateChanged(int state) = 0;
    virtual void protocolStateChanged(int protocolState) = 0;
    virtual void listItem(const FtpListItem& item) = 0;
    virtual void docOutput(qint64 bytesTransferred) = 0;
    // A failure, as a libcurl result code, with libcurl's own account of it where it gave one.
    virtual void error(int curlCode, const QString& reason) = 0;
    // Whether the log-in that just succeeded runs over TLS.
    virtual void encrypted(bool tls) = 0;
    // The connection was dropped after a failure: the state is 0 again, with no event.
    virtual void connectionLost() = 0;
    // The local file of a transfer is open (true) or closed again (false).
    virtual void localFileOpen(bool open) = 0;
};

// The settings an operation runs with, taken when it was requested.
struct FtpJobContext {
    bool passive = true;
    FtpTimeouts timeouts;
    FtpSecurity security = FtpSecurity::WhenAvailable;
    QString caFile;
    std::function<bool()> aborted;
};
