#pragma once

#include <QString>

// The texts the download session and the wizard show, with "\r\n" line breaks.
namespace downloadmessages {

// The error event's message: "A FTP Error has occured: " with the number and description,
// and the addition for that number (the not-found text for 1002).
QString ftpError(int number, const QString& description, const QString& remoteHost,
                 const QString& remoteFile);
// Why the database was not found: a remote file differing from the default (case-sensitive)
// is named as the likely cause; with the default file the site may be updating it.
QString notFound(const QString& remoteHost, const QString& remoteFile);
// The wizard's refusal to go on when no connection could be made (failure reason 0).
QString noConnection();
// The wizard's question when the configured remote file is not the default.
QString remoteFileQuestion(const QString& remoteFile);
QString passiveModeQuestion();
QString syncQuestion();

}  // namespace downloadmessages
