#include "patchdb/databaseselection.h"

#include "download/downloadsettings.h"
#include "ini/directorylock.h"
#include "ini/inilines.h"
#include "patchdb/defaultdatabase.h"
#include "settings/datadirectory.h"
#include "settings/lastdbdownload.h"
#include "settings/preferences.h"

#include <QLocale>

DatabaseSelection::DatabaseSelection()
    : m_controlled(DataDirectory::controlledDatabasePath()),
      m_uncontrolledFile(DataDirectory::uncontrolledDatabasePath()),
      m_current(&m_controlled) {}

void DatabaseSelection::select(bool uncontrolled) {
    m_current = uncontrolled ? &m_uncontrolledFile : &m_controlled;
    m_uncontrolled = uncontrolled;
    const QString type =
        QLatin1String(uncontrolled ? Preferences::kUncontrolled : Preferences::kControlled);
    Preferences(m_controlled.path()).setDbType(type);
    Preferences(m_uncontrolledFile.path()).setDbType(type);
    for (const auto& listener : m_listeners) {
        listener(uncontrolled);
    }
}

void DatabaseSelection::SelectControlledDatabase() {
    select(false);
}

void DatabaseSelection::SelectUncontrolledDatabase() {
    select(true);
}

void DatabaseSelection::selectByType(const QString& dbType) {
    select(!Preferences::isControlledType(dbType));
}

QString DatabaseSelection::typeLabel() const {
    return m_uncontrolled ? QStringLiteral("Uncontrolled DB")
                          : QStringLiteral("Quarix-controlled DB");
}

void DatabaseSelection::createMissingFiles() {
    if (IniLines::exists(m_uncontrolledFile.path()) && IniLines::exists(m_controlled.path())) {
        return;
    }
    // Looked at again under the lock: a program started at the same moment may have written
    // the file, and entries since, that a default database must not replace.
    const DirectoryLock lock = DirectoryLock::forFile(m_controlled.path());
    for (const IniFile* file : {&m_uncontrolledFile, &m_controlled}) {
        if (!IniLines::exists(file->path())) {
            DefaultDatabase::DefaultDatabaseWriter(file->path());
        }
    }
}

void DatabaseSelection::applyStoredType() {
    selectByType(Preferences(m_current->path()).dbType());
}

QString DatabaseSelection::databaseTypeInformation() const {
    const QString crlf = QStringLiteral("\r\n");
    if (m_uncontrolled) {
        return QStringLiteral("DB Type: UNCONTROLLED") + crlf + QStringLiteral("DB Path: ") +
               currentPath();
    }
    const Preferences prefs(m_controlled.path());
    const DownloadSettings download = DownloadSettings::load(m_controlled);
    const QString lastDownload =
        QLocale().toString(LastDbDownload::readDate(), QLocale::ShortFormat);
    return QStringLiteral("DB Type: Quarix-controlled") + crlf + QStringLiteral("DB Path: ") +
           currentPath() + crlf + QStringLiteral("Remote File: ") + download.RemoteFile + crlf +
           crlf + QStringLiteral("Last Download: ") + lastDownload + crlf +
           QStringLiteral("Type of Last Update: ") + prefs.lastUpdateType() + crlf +
           QStringLiteral("Download Frequency: ") +
           DownloadSettings::frequencyCaption(download.Frequency) + crlf + crlf +
           QStringLiteral("DB Format: ") +
           prefs.dbFormat(QLatin1String(Preferences::kDbFormatInfoDefault)) + crlf +
           QStringLiteral("DB Format Supported: 1.0");
}

void DatabaseSelection::onSelected(std::function<void(bool)> listener) {
    m_listeners.push_back(std::move(listener));
}
