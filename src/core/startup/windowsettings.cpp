#include "startup/windowsettings.h"

#include "settings/preferences.h"
#include "ui/operationerror.h"
#include "ui/userdialogs.h"

#include <QDir>
#include <QFileInfo>

const QString WindowSettings::DefaultRootDir = QStringLiteral("C:\\");

WindowSettings WindowSettings::read(const QString& settingsPath) {
    WindowSettings settings;
    if (QFileInfo(settingsPath).isFile()) {
        const Preferences prefs(settingsPath);
        settings.Height = prefs.height();
        settings.Width = prefs.width();
        settings.RootDir = prefs.rootDir();
    }
    return settings;
}

void WindowSettings::writeBack(const QString& settingsPath, UserDialogs& dialogs) const {
    try {
        Preferences prefs(settingsPath);
        prefs.setHeight(Height);
        prefs.setWidth(Width);
        prefs.setRootDir(RootDir);
    } catch (const OperationError& error) {
        dialogs.error(error.message());
    }
}

QString WindowSettings::startFolder(const QString& rootDir) {
    if (!rootDir.isEmpty() && QFileInfo(rootDir).isDir()) {
        return rootDir;
    }
    return QDir::homePath() + u'/';
}
