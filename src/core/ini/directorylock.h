#pragma once

#include <QString>

// The exclusive write lock of a folder, held while a program reads, changes and writes back a
// file in it, so two programs (or two commands started at once) never lose each other's
// changes. It is an advisory flock on the file ".cartovex-write.lock" in the folder, taken with
// a bounded wait. Within one process the lock is re-entrant: an operation that holds it may
// call others that take it again. Readers need not take it, since every write replaces a file
// by an atomic rename. A folder in which the lock file cannot be made is not locked (a write
// there fails on its own, with its own message).
class DirectoryLock {
  public:
    static constexpr const char* kLockFileName = ".cartovex-write.lock";
    static constexpr int kDefaultWaitMs = 30000;

    // Waits for the folder's lock; throws OperationError with a clear message when another
    // program holds it for longer than the wait limit.
    explicit DirectoryLock(const QString& folder);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    // The lock of the folder that holds the file.
    static DirectoryLock forFile(const QString& filePath);
    // How long a lock is waited for: 30 s, or $CARTOVEX_LOCK_WAIT_MS (tests change it).
    static void setWaitLimit(int milliseconds);

  private:
    QString m_folder;
};
