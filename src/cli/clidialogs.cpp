#include "clidialogs.h"

#include "output.h"

void CliDialogs::shown(const Message& message) {
    if (!m_echo) {
        return;
    }
    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    output::printError(messageKindName(message.kind) + QStringLiteral(": ") + text);
}
