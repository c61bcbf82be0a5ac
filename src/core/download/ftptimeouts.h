#pragma once

// How long the transfer component waits: for a connection to be made, and for any sign of
// life from the server (a reply, or data) before it gives the operation up. The defaults can
// be shortened for tests with CARTOVEX_FTP_TIMEOUT_MS, which sets both.
struct FtpTimeouts {
    int connectMs = 30000;
    int idleMs = 60000;

    static FtpTimeouts defaults();
};
