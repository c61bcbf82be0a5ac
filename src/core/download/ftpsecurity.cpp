#include "download/ftpsecurity.h"

namespace ftpsecurity {

QString text(FtpSecurity security) {
    switch (security) {
        case FtpSecurity::Off:
            return QStringLiteral("Off");
        case FtpSecurity::Required:
            return QStringLiteral("Required");
        default:
            return QStringLiteral("When available");
    }
}

FtpSecurity fromText(const QString& text) {
    for (FtpSecurity s : {FtpSecurity::Off, FtpSecurity::Required}) {
        if (text.compare(ftpsecurity::text(s), Qt::CaseInsensitive) == 0) {
            return s;
        }
    }
    return FtpSecurity::WhenAvailable;
}

std::optional<FtpSecurity> fromWord(const QString& word) {
    if (word == QLatin1String("off")) {
        return FtpSecurity::Off;
    }
    if (word == QLatin1String("available")) {
        return FtpSecurity::WhenAvailable;
    }
    if (word == QLatin1String("required")) {
        return FtpSecurity::Required;
    }
    return std::nullopt;
}

}  // namespace ftpsecurity
