#include "settings/datadirectory.h"

#include <QDir>

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

// The folder as an absolute path ending in "/", created when missing; empty on failure.
QString ensureFolder(const QString& folder) {
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    if (!QDir().mkpath(path)) {
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
