#include "ini/directorylock.h"

#include "ui/operationerror.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRecursiveMutex>
#include <QThread>
#include <algorithm>
#include <cerrno>

namespace {

// The process's held locks: a folder's open lock file and how many holders share it. The
// threads of one process take turns through one recursive mutex, since flock does not tell
// them apart.
struct Held {
    int fd = -1;
    int count = 0;
};

QRecursiveMutex& gate() {
    static QRecursiveMutex mutex;
    return mutex;
}

QHash<QString, Held>& held() {
    static QHash<QString, Held> locks;
    return locks;
}

// CARTOVEX_LOCK_WAIT_MS lengthens or shortens the wait, for tests on slow machines.
int& waitLimit() {
    static int ms = [] {
        bool ok = false;
        const int given = qEnvironmentVariableIntValue("CARTOVEX_LOCK_WAIT_MS", &ok);
        return ok && given > 0 ? given : DirectoryLock::kDefaultWaitMs;
    }();
    return ms;
}

// One name per folder, so two spellings of it never lock each other out within this process.
QString folderKey(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}

[[noreturn]] void busy(const QString& folder) {
    throw OperationError(QStringLiteral("The data directory ") + folder +
                         QStringLiteral(" is in use by another Cartovex program, which has held "
                                        "its lock for ") +
                         QString::number((waitLimit() + 999) / 1000) +
                         QStringLiteral(" seconds; try again when it has finished."));
}

// Opens the folder's lock file and waits for its exclusive lock; -1 when there is no lock file.
int lockFolder(const QString& folder, QDeadlineTimer deadline) {
    const QByteArray path =
        QFile::encodeName(folder + u'/' + QLatin1String(DirectoryLock::kLockFileName));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return -1;
    }
    // Most holders keep the lock for well under a millisecond, so the wait starts short and
    // doubles up to 20 ms: fleet workers that meet at the lock do not idle.
    unsigned long pause = 100;  // microseconds
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            break;  // a file system without locks: go on unlocked
        }
        if (deadline.hasExpired()) {
            ::close(fd);
            busy(folder);
        }
        QThread::usleep(pause);
        pause = std::min(pause * 2, 20000UL);
    }
    return fd;
}

}  // namespace

DirectoryLock::DirectoryLock(const QString& folder) : m_folder(folderKey(folder)) {
    const QDeadlineTimer deadline(waitLimit());
    if (!gate().tryLock(int(deadline.remainingTime()))) {
        busy(m_folder);
    }
    Held& h = held()[m_folder];
    if (h.count == 0) {
        try {
            h.fd = lockFolder(m_folder, deadline);
        } catch (...) {
            held().remove(m_folder);
            gate().unlock();
            throw;
        }
    }
    ++h.count;
}

DirectoryLock::~DirectoryLock() {
    const auto it = held().find(m_folder);
    if (it != held().end() && --it->count == 0) {
        if (it->fd >= 0) {
            ::close(it->fd);  // closing the last descriptor releases the flock
        }
        held().erase(it);
    }
    gate().unlock();
}

DirectoryLock DirectoryLock::forFile(const QString& filePath) {
    return DirectoryLock(QFileInfo(filePath).absolutePath());
}

void DirectoryLock::setWaitLimit(int milliseconds) {
    waitLimit() = milliseconds;
}
