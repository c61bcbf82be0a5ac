#pragma once

#include <QString>

// The error numbers the transfer component reports, derived from libcurl's result codes:
// 1002 a remote file that does not exist, 1003 a host that cannot be resolved or reached,
// 1005 a network failure during the session (connection lost, short transfer, no answer in
// time); any other failure is 2000 + libcurl's code. The description is libcurl's text; for a
// failure of TLS (no TLS offered where it is required, a certificate that does not verify, a CA
// file that cannot be read) it is libcurl's reason for that connection when it gave one.
namespace ftperror {

constexpr int RemoteFileNotFound = 1002;
constexpr int CannotConnect = 1003;
constexpr int NetworkFailure = 1005;
constexpr int OtherBase = 2000;

int number(int curlCode);
QString description(int curlCode, const QString& reason = QString());
// True when the control connection is still usable after a failure with this code.
bool keepsConnection(int curlCode);

}  // namespace ftperror
