#include "settings/datadirectory.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString& overridePath() {
    static QString path;
    return path;
}

QString environment(const char* name) {
    return qEnvironmentVariable(name);
}

QString chosenFolder() {
    if (!overridePath().isEmpty()) {
        return overridePath();
    }
    const QString home = environment("CARTOVEX_HOME");
    if (!home.isEmpty()) {
        return home;
    }
    const QString config = environment("XDG_CONFIG_HOME");
    const QString base = config.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : config;
    return base + QStringLiteral("/cartovex");
}

// The folder as an absolute path ending in "/", created when missing (the folders above it as
// usual, the folder itself for its owner alone, as its files may hold the password); an existing
// folder keeps its mode. Empty on failure.
QString ensureFolder(const QString& folder) {
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    const QFileInfo info(path);
    const bool made =
        info.isDir() ||
        (QDir().mkpath(info.absolutePath()) &&
         (QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) ||
          QFileInfo(path).isDir()));
    if (!made) {
        return QString();
    }
    return path.endsWith(u'/') ? path : path + u'/';
}

}  // namespace

void DataDirectory::setOverride(const QString& path) {
    overridePath() = path;
}

QString DataDirectory::windowsDirectory() {
    return ensureFolder(chosenFolder());
}

QString DataDirectory::systemDirectory() {
    const QString windows = windowsDirectory();
    return windows.isEmpty() ? QString() : ensureFolder(windows + QStringLiteral("system"));
}

QString DataDirectory::controlledDatabasePath() {
    return windowsDirectory() + QLatin1String(kControlledFileName);
}

QString DataDirectory::uncontrolledDatabasePath() {
    return windowsDirectory() + QLatin1String(kUncontrolledFileName);
}

std::unique_ptr<DirectoryLock> DataDirectory::lock() {
    const QString folder = windowsDirectory();
    return folder.isEmpty() ? nullptr : std::make_unique<DirectoryLock>(folder);
}
