#include "settings/settingswriteback.h"

#include "download/downloadsettings.h"
#include "patchdb/databaseselection.h"
#include "settings/lastdbdownload.h"
#include "settings/preferences.h"

namespace settingswriteback {

void afterDownload(DatabaseSelection& databases, const DownloadSettings& settings,
                   const QString& dbDateOnRemoteSite, const QStringList& recentFiles) {
    const QString type = QLatin1String(databases.UncontrolledMode() ? Preferences::kUncontrolled
                                                                    : Preferences::kControlled);
    Preferences controlled(databases.controlled().path());
    controlled.setDbType(type);
    Preferences(databases.uncontrolled().path()).setDbType(type);
    LastDbDownload::writeToday();
    controlled.setDbDateOnRemoteSite(dbDateOnRemoteSite);
    settings.saveConnection(databases.controlled());
    controlled.setFrequency(0);
    controlled.setInitialized(1);
    controlled.setLastUpdateType(QStringLiteral("Automatic"));
    databases.SelectControlledDatabase();
    controlled.setRecentFiles(recentFiles);
}

void afterManualUpdate(DatabaseSelection& databases, const QStringList& recentFiles) {
    Preferences controlled(databases.controlled().path());
    LastDbDownload::writeToday();
    controlled.setFrequency(2);
    controlled.setInitialized(1);
    controlled.setLastUpdateType(QStringLiteral("Manual"));
    databases.SelectControlledDatabase();
    controlled.setRecentFiles(recentFiles);
}

}  // namespace settingswriteback
