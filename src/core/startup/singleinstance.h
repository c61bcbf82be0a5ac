#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// One running program per data directory: a lock file there, held while the program runs.
// A lock left by a program that crashed is taken over.
class SingleInstance {
  public:
    static const QString AlreadyRunning;  // "Cartovex already running!"
    static constexpr const char* LockFileName = "cartovex.lock";

    // Takes the lock in the data directory; false when another instance holds it. Without a
    // data directory there is nothing to share, and the lock counts as taken.
    bool acquire(const QString& dataDirectory);

  private:
    std::unique_ptr<QLockFile> m_lock;
};
