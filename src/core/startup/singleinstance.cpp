#include "startup/singleinstance.h"

const QString SingleInstance::AlreadyRunning = QStringLiteral("Cartovex already running!");

bool SingleInstance::acquire(const QString& dataDirectory) {
    if (dataDirectory.isEmpty()) {
        return true;
    }
    m_lock = std::make_unique<QLockFile>(dataDirectory + QLatin1String(LockFileName));
    m_lock->setStaleLockTime(0);  // only a lock whose process is gone is stale
    if (m_lock->tryLock(0)) {
        return true;
    }
    m_lock.reset();
    return false;
}
