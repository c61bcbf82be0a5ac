#pragma once

#include "download/ftpsecurity.h"

#include <QString>

class IniFile;

// The settings of the controlled database's download, kept in [Preferences] of quarixdb.ini,
// with their defaults. The maker's host names use reserved example domains.
struct DownloadSettings {
    static const QString DefaultRemoteHost;
    static const QString DefaultRemoteFile;

    QString RemoteHost = DefaultRemoteHost;
    QString RemotePort = QStringLiteral("21");
    QString UserName = QStringLiteral("anonymous");
    QString Password = QStringLiteral("anonymous");
    QString RemoteFile = DefaultRemoteFile;
    bool CheckRemoteFile = true;
    QString LocalFile;                                  // the controlled database's path
    int Frequency = 0;                                  // 0 weekly, 1 monthly, 2 never
    FtpSecurity Security = FtpSecurity::WhenAvailable;  // key FtpSecurity
    QString CaFile;  // key FtpCaFile: a CA file trusted besides the system's store

    // The defaults, with the local file set to the controlled database's path.
    static DownloadSettings defaults();
    static DownloadSettings load(const IniFile& file);
    // Writes the connection settings (not the frequency): the seven of the Options window's
    // FTP fields, then FtpSecurity and FtpCaFile. Whatever replaces the database file writes
    // them back through this one list.
    void saveConnection(IniFile& file) const;
    // "Weekly", "Monthly" or "Never"; empty for any other value.
    static QString frequencyCaption(int frequency);
};
