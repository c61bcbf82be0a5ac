#pragma once

#include "ini/directorylock.h"

#include <QString>
#include <memory>

// Where the program keeps its files: the folder that stands in for the Windows directory of the
// original platform (both database files live there) and its "system" subfolder. The folder is
// the one set by setOverride() (the command line's --home), else $CARTOVEX_HOME, else
// $XDG_CONFIG_HOME/cartovex, else ~/.config/cartovex; an empty variable counts as unset. Each
// call resolves the folder afresh, creates it when missing and returns it as an absolute path
// ending in "/". When it cannot be created the result is empty, and the caller reports
// "Windows directory not found!" (or "Windows SYSTEM directory not found!").
class DataDirectory {
  public:
    static constexpr const char* kControlledFileName = "quarixdb.ini";
    static constexpr const char* kUncontrolledFileName = "CARTOVEX.INI";

    // An empty path removes the override.
    static void setOverride(const QString& path);

    static QString windowsDirectory();
    static QString systemDirectory();
    static QString controlledDatabasePath();
    static QString uncontrolledDatabasePath();

    // The data directory's write lock, held by every operation that changes its files from its
    // first read to its last write; null when there is no data directory. Throws OperationError
    // when another program holds it too long.
    static std::unique_ptr<DirectoryLock> lock();
};
