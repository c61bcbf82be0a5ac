#pragma once

#include <QString>
#include <optional>

// Whether the transfer component protects the FTP session with TLS ("AUTH TLS"): Off is plain
// FTP; WhenAvailable uses TLS when the server offers it and plain FTP when it does not;
// Required ends the session before the log-in when the server offers no TLS. Whenever TLS is
// used the server's certificate must verify; a failed verification never falls back to plain.
enum class FtpSecurity { Off, WhenAvailable, Required };

namespace ftpsecurity {

// "Off", "When available" or "Required": the stored value and what options shows.
QString text(FtpSecurity security);
// A stored value, ignoring case; anything else is the default, WhenAvailable.
FtpSecurity fromText(const QString& text);
// The command line's words "off", "available" and "required"; nothing for any other word.
std::optional<FtpSecurity> fromWord(const QString& word);

}  // namespace ftpsecurity
