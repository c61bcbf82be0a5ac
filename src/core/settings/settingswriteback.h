#pragma once

#include <QString>
#include <QStringList>

class DatabaseSelection;
struct DownloadSettings;

// The settings live inside the controlled database file, so whatever replaces that file writes
// the settings it holds in memory back afterwards, in a fixed order.
namespace settingswriteback {

// After a download: DBType (current type) to both files, LastDBDownload = today, the remote
// file's date, the connection settings, Frequency 0, Initialized 1, LastUpdateType
// "Automatic", the controlled database selected, and the recent file list.
void afterDownload(DatabaseSelection& databases, const DownloadSettings& settings,
                   const QString& dbDateOnRemoteSite, const QStringList& recentFiles);

// After a manual update: LastDBDownload = today, Frequency 2, Initialized 1, LastUpdateType
// "Manual", the controlled database selected, and the recent file list.
void afterManualUpdate(DatabaseSelection& databases, const QStringList& recentFiles);

}  // namespace settingswriteback
