#include "download/downloadmessages.h"

#include "download/downloadsettings.h"
#include "download/ftperror.h"

namespace downloadmessages {

namespace {

const QString MismatchLines = QStringLiteral(
    "The default Remote File that Cartovex expects to download does not match\r\n"
    "your currently configured Remote File setting (in Tools->Options->Internet).\r\n\r\n");

}  // namespace

QString notFound(const QString& remoteHost, const QString& remoteFile) {
    const QString& expected = DownloadSettings::DefaultRemoteFile;
    QString text = QStringLiteral("Quarix database not found on ") + remoteHost;
    if (remoteFile != expected) {
        return text + QStringLiteral(" site.\r\n\r\n") + MismatchLines +
               QStringLiteral("Default expected Remote File: ") + expected +
               QStringLiteral("\r\nCurrently configured Remote File: ") + remoteFile +
               QStringLiteral(
                   "\r\n\r\nChange the setting to its default value and try "
                   "downloading again.");
    }
    return text + QStringLiteral(
                      " site.\r\nThe database might be currently being updated.\r\n"
                      "Try downloading the database again in a few hours.");
}

QString ftpError(int number, const QString& description, const QString& remoteHost,
                 const QString& remoteFile) {
    QString text = QStringLiteral("A FTP Error has occured: \r\n") + QString::number(number) +
                   QStringLiteral(": ") + description + u'.';
    switch (number) {
        case ftperror::RemoteFileNotFound:
            return text + QStringLiteral("\r\n") + notFound(remoteHost, remoteFile);
        case ftperror::CannotConnect:
            return text + QStringLiteral("\r\nMake sure TCP/IP is configured and functioning.");
        case ftperror::NetworkFailure:
            return text +
                   QStringLiteral("\r\nClose down Cartovex and verify that TCP/IP is functioning.");
        default:
            return text + QStringLiteral("\r\n[Unknown FTP error code number: ") +
                   QString::number(number) + u']';
    }
}

QString noConnection() {
    return QStringLiteral(
        "A FTP connection could not be established.\r\n"
        "The FTP site could have reached its maximum # of supported\r\n"
        "connections or TCP/IP is not functioning on your system, or\r\n"
        "some other miscellaneous TCP/IP error has occurred.\r\n"
        "Make sure TCP/IP is configured and functioning on your system\r\n"
        "or download at another time.\r\n\r\n"
        "* If the 'Resolving Host' string disappears in the status bar\r\n"
        "  below then disregard the above message and continue.");
}

QString remoteFileQuestion(const QString& remoteFile) {
    return MismatchLines + QStringLiteral("Default expected Remote File: ") +
           DownloadSettings::DefaultRemoteFile +
           QStringLiteral("\r\nCurrently configured Remote File: ") + remoteFile +
           QStringLiteral(
               "\r\n\r\nIf you don't use the default setting you might not be able "
               "to download the\r\nQuarix-controlled database.  Do you want to use "
               "the default setting?\r\n\r\n(To not display this message again goto "
               "Tools->Options->Internet\r\n and clear the \"Check Remote File\" "
               "checkbox)");
}

QString passiveModeQuestion() {
    return QStringLiteral(
        "It is strongly recommended to use the Passive Mode FTP connection.\r\n"
        "It's possible that the FTP connection will not be established or that the\r\n"
        "session will fail if Passive Mode is not used.\r\n\r\n"
        "Use Passive Mode FTP connection?");
}

QString syncQuestion() {
    return QStringLiteral("Sync Custom Database with Quarix-controlled Database?");
}

}  // namespace downloadmessages
