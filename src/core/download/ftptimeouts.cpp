#include "download/ftptimeouts.h"

#include <QtGlobal>

FtpTimeouts FtpTimeouts::defaults() {
    FtpTimeouts t;
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("CARTOVEX_FTP_TIMEOUT_MS", &ok);
    if (ok && ms > 0) {
        t.connectMs = ms;
        t.idleMs = ms;
    }
    return t;
}
