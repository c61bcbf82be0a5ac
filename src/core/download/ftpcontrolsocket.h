#pragma once

#include <QByteArray>
#include <functional>
#include <memory>

// The first part of an FTP connection, done before libcurl takes over: the host name resolved,
// a TCP connection made, and the server's greeting waited for (seen, not read, so libcurl reads
// it when it logs in over this very connection). Each step is bounded in time and gives up
// early when `aborted` turns true. The results are libcurl codes so that one table turns every
// failure into the component's error number.
namespace ftpcontrolsocket {

using AbortCheck = std::function<bool()>;

// The addresses a host name resolved to.
struct Resolved;
struct ResolvedDeleter {
    void operator()(Resolved* resolved) const;
};
using Addresses = std::unique_ptr<Resolved, ResolvedDeleter>;

// Resolves host; CURLE_OK and the addresses, or CURLE_COULDNT_RESOLVE_HOST.
int resolve(const QByteArray& host, int port, Addresses& result);

// Connects to the first address that accepts within connectMs. CURLE_OK and the socket,
// CURLE_COULDNT_CONNECT, or CURLE_ABORTED_BY_CALLBACK.
int connectTo(const Addresses& addresses, int connectMs, const AbortCheck& aborted, int& socket);

// Waits until the server has sent something (its greeting) within idleMs. CURLE_OK,
// CURLE_OPERATION_TIMEDOUT, CURLE_GOT_NOTHING when the server closed the connection, or
// CURLE_ABORTED_BY_CALLBACK.
int awaitGreeting(int socket, int idleMs, const AbortCheck& aborted);

}  // namespace ftpcontrolsocket
