#include "download/downloadsettings.h"

#include "ini/inifile.h"
#include "settings/datadirectory.h"
#include "settings/preferences.h"

namespace {

const QLatin1String Section(Preferences::kSection);

}  // namespace

const QString DownloadSettings::DefaultRemoteHost = QStringLiteral("ftp.quarix.example");
const QString DownloadSettings::DefaultRemoteFile = QStringLiteral("/outgoing/cartvxdb.ini");

DownloadSettings DownloadSettings::defaults() {
    DownloadSettings s;
    s.LocalFile = DataDirectory::controlledDatabasePath();
    return s;
}

DownloadSettings DownloadSettings::load(const IniFile& file) {
    const DownloadSettings d = defaults();
    DownloadSettings s;
    s.RemoteHost = file.readString(Section, QStringLiteral("RemoteHost"), d.RemoteHost);
    s.RemotePort = file.readString(Section, QStringLiteral("RemotePort"), d.RemotePort);
    s.UserName = file.readString(Section, QStringLiteral("UserName"), d.UserName);
    s.Password = file.readString(Section, QStringLiteral("Password"), d.Password);
    s.RemoteFile = file.readString(Section, QStringLiteral("RemoteFile"), d.RemoteFile);
    s.CheckRemoteFile =
        file.readBool(Section, QStringLiteral("CheckRemoteFile"), d.CheckRemoteFile);
    s.LocalFile = file.readString(Section, QStringLiteral("LocalFile"), d.LocalFile);
    s.Frequency = file.readInteger(Section, QStringLiteral("Frequency"), d.Frequency);
    s.Security = ftpsecurity::fromText(
        file.readString(Section, QStringLiteral("FtpSecurity"), ftpsecurity::text(d.Security)));
    s.CaFile = file.readString(Section, QStringLiteral("FtpCaFile"), d.CaFile);
    return s;
}

void DownloadSettings::saveConnection(IniFile& file) const {
    file.writeString(Section, QStringLiteral("RemoteHost"), RemoteHost);
    file.writeString(Section, QStringLiteral("RemotePort"), RemotePort);
    file.writeString(Section, QStringLiteral("UserName"), UserName);
    file.writeString(Section, QStringLiteral("Password"), Password);
    file.writeString(Section, QStringLiteral("RemoteFile"), RemoteFile);
    file.writeBool(Section, QStringLiteral("CheckRemoteFile"), CheckRemoteFile);
    file.writeString(Section, QStringLiteral("LocalFile"), LocalFile);
    file.writeString(Section, QStringLiteral("FtpSecurity"), ftpsecurity::text(Security));
    file.writeString(Section, QStringLiteral("FtpCaFile"), CaFile);
}

QString DownloadSettings::frequencyCaption(int frequency) {
    switch (frequency) {
        case 0:
            return QStringLiteral("Weekly");
        case 1:
            return QStringLiteral("Monthly");
        case 2:
            return QStringLiteral("Never");
        default:
            return {};
    }
}
