#include "clidialogs.h"

#include <cstdio>

void CliDialogs::shown(const Message& message) {
    if (!m_echo) {
        return;
    }
    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QByteArray out = (messageKindName(message.kind) + QStringLiteral(": ") + text).toUtf8();
    std::fprintf(stderr, "%s\n", out.constData());
}
