#include "download/ftpcontrolsocket.h"

#include "download/curlapi.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QDeadlineTimer>
#include <algorithm>
#include <cerrno>
#include <string>

namespace ftpcontrolsocket {

struct Resolved {
    addrinfo* list = nullptr;
};

namespace {

// Slices of waiting, so an abort is noticed quickly.
constexpr int SliceMs = 50;

// Polls one socket for `events` until the deadline; 1 ready, 0 timed out, -1 aborted.
int pollUntil(int socket, short events, const QDeadlineTimer& deadline, const AbortCheck& aborted) {
    for (;;) {
        if (aborted && aborted()) {
            return -1;
        }
        const qint64 left = deadline.remainingTime();
        if (left == 0) {
            return 0;
        }
        pollfd p{socket, events, 0};
        const int wait = left < 0 ? SliceMs : int(std::min<qint64>(left, SliceMs));
        const int n = ::poll(&p, 1, wait);
        if (n > 0) {
            return 1;
        }
        if (n < 0 && errno != EINTR) {
            return 1;  // let the caller's own check report the socket's state
        }
    }
}

int connectOne(const addrinfo* a, int connectMs, const AbortCheck& aborted, int& socket) {
    const int fd =
        ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
    if (fd < 0) {
        return CURLE_COULDNT_CONNECT;
    }
    if (::connect(fd, a->ai_addr, a->ai_addrlen) != 0 && errno != EINPROGRESS) {
        ::close(fd);
        return CURLE_COULDNT_CONNECT;
    }
    const int ready = pollUntil(fd, POLLOUT, QDeadlineTimer(connectMs), aborted);
    int error = 0;
    socklen_t length = sizeof error;
    if (ready == 1 && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) {
        socket = fd;
        return CURLE_OK;
    }
    ::close(fd);
    return ready < 0 ? CURLE_ABORTED_BY_CALLBACK : CURLE_COULDNT_CONNECT;
}

}  // namespace

int resolve(const QByteArray& host, int port, Addresses& result) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    const std::string service = std::to_string(port);
    if (host.isEmpty() || ::getaddrinfo(host.constData(), service.c_str(), &hints, &list) != 0) {
        return CURLE_COULDNT_RESOLVE_HOST;
    }
    result.reset(new Resolved{list});
    return CURLE_OK;
}

void ResolvedDeleter::operator()(Resolved* resolved) const {
    ::freeaddrinfo(resolved->list);
    delete resolved;
}

int connectTo(const Addresses& addresses, int connectMs, const AbortCheck& aborted, int& socket) {
    int result = CURLE_COULDNT_CONNECT;
    for (const addrinfo* a = addresses->list; a; a = a->ai_next) {
        result = connectOne(a, connectMs, aborted, socket);
        if (result != CURLE_COULDNT_CONNECT) {
            break;
        }
    }
    return result;
}

int awaitGreeting(int socket, int idleMs, const AbortCheck& aborted) {
    const int ready = pollUntil(socket, POLLIN, QDeadlineTimer(idleMs), aborted);
    if (ready < 0) {
        return CURLE_ABORTED_BY_CALLBACK;
    }
    if (ready == 0) {
        return CURLE_OPERATION_TIMEDOUT;
    }
    char c = 0;
    const ssize_t n = ::recv(socket, &c, 1, MSG_PEEK);
    return n > 0 ? CURLE_OK : CURLE_GOT_NOTHING;
}

}  // namespace ftpcontrolsocket
