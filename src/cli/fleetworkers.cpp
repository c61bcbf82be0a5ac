#include "fleetworkers.h"

#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDataStream>
#include <QDir>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <new>
#include <vector>

namespace fleetworkers {

namespace {

// A worker sends its rows a few at a time: the parent, a third process on cores the workers
// keep busy, then wakes once for several rows. It sends at once when no request waits, so
// neither side ever waits for the other, and it holds more requests than it batches, so it
// never waits for the next one either.
constexpr int RowsPerSend = 4;
constexpr int Outstanding = RowsPerSend + 2;

// A row as it travels from a worker to the parent: Qt's binary stream, which keeps a null
// error apart from an empty one and costs far less than JSON on both sides.
QByteArray encode(const FleetRow& r) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(r.number) << r.file << r.serverName << r.osVersion << qint32(r.patches)
        << qint32(r.otherModules) << qint32(r.completeSets) << qint32(r.partialMatches)
        << qint32(r.outOfDateModules) << qint32(r.suggestions) << r.hasFindings << r.error
        << r.page;
    return bytes;
}

FleetRow decode(const QByteArray& bytes) {
    QDataStream in(bytes);
    FleetRow r;
    qint32 number = 0, patches = 0, others = 0, complete = 0, partial = 0, outOfDate = 0,
           suggestions = 0;
    in >> number >> r.file >> r.serverName >> r.osVersion >> patches >> others >> complete >>
        partial >> outOfDate >> suggestions >> r.hasFindings >> r.error >> r.page;
    r.number = number;
    r.patches = patches;
    r.otherModules = others;
    r.completeSets = complete;
    r.partialMatches = partial;
    r.outOfDateModules = outOfDate;
    r.suggestions = suggestions;
    return r;
}

// Runs `op` on the rest of the bytes until all are through; false at end of file or an error.
template <typename Op>
bool whole(char* data, size_t size, Op op) {
    while (size > 0) {
        const ssize_t n = op(data, size);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

bool sendAll(int fd, const char* data, size_t size) {
    return whole(const_cast<char*>(data), size,
                 [fd](char* d, size_t n) { return ::send(fd, d, n, MSG_NOSIGNAL); });
}

bool readAll(int fd, char* data, size_t size) {
    return whole(data, size, [fd](char* d, size_t n) { return ::read(fd, d, n); });
}

// True when a whole request can be read without waiting.
bool requestWaiting(int fd) {
    qint32 index = 0;
    return ::recv(fd, &index, sizeof index, MSG_PEEK | MSG_DONTWAIT) == ssize_t(sizeof index);
}

// A worker: reads report indexes until the socket closes, answers each with its row. The
// report in hand is noted in `current`, which the parent sees, so a death is put down to that
// report even while rows done before it wait to be sent.
[[noreturn]] void serve(int fd, const Analyse& analyse, std::atomic<qint32>* current) {
    QByteArray rows;
    int held = 0;
    const auto send = [&] {
        if (!sendAll(fd, rows.constData(), size_t(rows.size()))) {
            ::_exit(1);
        }
        rows.clear();
        held = 0;
    };
    qint32 index = 0;
    for (;;) {
        if (held > 0 && !requestWaiting(fd)) {
            send();
        }
        if (!readAll(fd, reinterpret_cast<char*>(&index), sizeof index)) {
            break;
        }
        current->store(index);
        const QByteArray row = encode(analyse(index));
        current->store(-1);
        const qint32 size = qint32(row.size());
        rows.append(reinterpret_cast<const char*>(&size), sizeof size);
        rows.append(row);
        if (++held >= RowsPerSend) {
            send();
        }
    }
    if (held > 0) {
        send();
    }
    ::_exit(0);
}

// A number that a worker and the parent both see: memory shared across the fork.
std::atomic<qint32>* sharedNumber() {
    void* p = ::mmap(nullptr, sizeof(std::atomic<qint32>), PROT_READ | PROT_WRITE,
                     MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    return p == MAP_FAILED ? nullptr : new (p) std::atomic<qint32>(-1);
}

bool singleThreaded() {
    return QDir(QStringLiteral("/proc/self/task"))
               .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
               .size() == 1;
}

QString reason(int status) {
    if (WIFSIGNALED(status)) {
        return QStringLiteral("The analysis of this report ended abnormally (signal %1).")
            .arg(WTERMSIG(status));
    }
    return QStringLiteral("The analysis of this report ended abnormally (exit status %1).")
        .arg(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}

struct Worker {
    pid_t pid = -1;
    int fd = -1;
    std::atomic<qint32>* current = nullptr;  // the report it is analysing, or -1
    QByteArray received;
    std::deque<int> outstanding;
};

class Pool {
  public:
    Pool(int count, const Analyse& analyse, const Crashed& crashed, const Deliver& deliver)
        : m_count(count), m_analyse(analyse), m_crashed(crashed), m_deliver(deliver) {}

    void run(int jobs);

  private:
    bool spawn();
    void feed(Worker& w);
    bool receive(Worker& w);
    void bury(std::size_t k);
    void ready(FleetRow row);

    int m_count;
    const Analyse& m_analyse;
    const Crashed& m_crashed;
    const Deliver& m_deliver;
    std::vector<Worker> m_workers;
    std::deque<int> m_requeued;
    int m_next = 0;       // next index never sent
    int m_delivered = 0;  // rows handed on so far
    std::map<int, FleetRow> m_waiting;
};

bool Pool::spawn() {
    std::atomic<qint32>* const current = sharedNumber();
    if (current == nullptr) {
        return false;
    }
    int sv[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sv) != 0) {
        ::munmap(current, sizeof *current);
        return false;
    }
    std::fflush(stdout);  // a child must not write the parent's buffered output again
    std::fflush(stderr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(sv[0]);
        for (const Worker& w : m_workers) {
            ::close(w.fd);
        }
        serve(sv[1], m_analyse, current);
    }
    ::close(sv[1]);
    if (pid < 0) {
        ::close(sv[0]);
        ::munmap(current, sizeof *current);
        return false;
    }
    m_workers.push_back({pid, sv[0], current, {}, {}});
    feed(m_workers.back());
    return true;
}

void Pool::feed(Worker& w) {
    // Near the end each worker holds fewer, so that they run out of work at about the same time.
    const int unsent = int(m_requeued.size()) + m_count - m_next;
    const int holds =
        std::clamp(1 + unsent / std::max<int>(1, int(m_workers.size())), 1, Outstanding);
    QByteArray requests;
    while (int(w.outstanding.size()) < holds && (!m_requeued.empty() || m_next < m_count)) {
        qint32 index = 0;
        if (!m_requeued.empty()) {
            index = m_requeued.front();
            m_requeued.pop_front();
        } else {
            index = m_next++;
        }
        w.outstanding.push_back(index);
        requests.append(reinterpret_cast<const char*>(&index), sizeof index);
    }
    // A worker that is gone is found at the end of its file, read next.
    sendAll(w.fd, requests.constData(), size_t(requests.size()));
}

void Pool::ready(FleetRow row) {
    const int index = row.number - 1;
    m_waiting.emplace(index, std::move(row));
    for (auto it = m_waiting.find(m_delivered); it != m_waiting.end();
         it = m_waiting.find(m_delivered)) {
        m_deliver(it->second);
        m_waiting.erase(it);
        ++m_delivered;
    }
}

// Reads what the worker sent; false at its end of file.
bool Pool::receive(Worker& w) {
    char buffer[65536];
    const ssize_t n = ::read(w.fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) {
        return true;
    }
    if (n <= 0) {
        return false;
    }
    w.received.append(buffer, n);
    while (w.received.size() >= qsizetype(sizeof(qint32))) {
        qint32 size = 0;
        std::memcpy(&size, w.received.constData(), sizeof size);
        if (w.received.size() < qsizetype(sizeof size) + size) {
            break;
        }
        FleetRow row = decode(w.received.mid(sizeof size, size));
        w.received.remove(0, sizeof size + size);
        if (!w.outstanding.empty()) {
            w.outstanding.pop_front();
        }
        ready(std::move(row));
    }
    feed(w);
    return true;
}

// A worker that closed its socket: a death with work in hand fails the report it was on and
// gives the rest to the others.
void Pool::bury(std::size_t k) {
    Worker w = std::move(m_workers[k]);
    m_workers.erase(m_workers.begin() + std::ptrdiff_t(k));
    ::close(w.fd);
    int status = 0;
    while (::waitpid(w.pid, &status, 0) < 0 && errno == EINTR) {
    }
    const int current = w.current->load();
    ::munmap(w.current, sizeof *w.current);
    if (w.outstanding.empty()) {
        return;
    }
    // The report in hand at its death (the first unanswered one when it died between two);
    // the rest, also rows it had made but not sent, are done again by the others.
    auto lostAt = std::find(w.outstanding.begin(), w.outstanding.end(), current);
    if (lostAt == w.outstanding.end()) {
        lostAt = w.outstanding.begin();
    }
    const int lost = *lostAt;
    w.outstanding.erase(lostAt);
    m_requeued.insert(m_requeued.begin(), w.outstanding.begin(), w.outstanding.end());
    ready(m_crashed(lost, reason(status)));
    if (!m_requeued.empty() || m_next < m_count) {
        spawn();  // a replacement, so the others' share does not grow
    }
}

void Pool::run(int jobs) {
    for (int k = 0; k < jobs && m_next < m_count; ++k) {
        if (!spawn()) {
            break;
        }
    }
    while (m_delivered < m_count) {
        if (m_workers.empty()) {
            // No process could be started: the rest is analysed here.
            int index = m_next;
            if (!m_requeued.empty()) {
                index = m_requeued.front();
                m_requeued.pop_front();
            } else {
                ++m_next;
            }
            ready(m_analyse(index));
            continue;
        }
        std::vector<pollfd> fds;
        for (const Worker& w : m_workers) {
            fds.push_back({w.fd, POLLIN, 0});
        }
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            continue;
        }
        for (std::size_t k = fds.size(); k-- > 0;) {
            if (fds[k].revents != 0 && !receive(m_workers[k])) {
                bury(k);
            }
        }
    }
    for (const Worker& w : m_workers) {
        ::close(w.fd);
    }
    for (const Worker& w : m_workers) {
        int status = 0;
        while (::waitpid(w.pid, &status, 0) < 0 && errno == EINTR) {
        }
        ::munmap(w.current, sizeof *w.current);
    }
}

}  // namespace

void run(int jobs, int count, const Analyse& analyse, const Crashed& crashed,
         const Deliver& deliver) {
    if (jobs <= 1 || count <= 1 || !singleThreaded()) {
        for (int index = 0; index < count; ++index) {
            deliver(analyse(index));
        }
        return;
    }
    Pool(count, analyse, crashed, deliver).run(std::min(jobs, count));
}

}  // namespace fleetworkers
