#include "clidialogs.h"

#include "output.h"

void CliDialogs::shown(const Message& message) {
    if (!m_echo) {
        return;
    }
    output::printError(messageKindName(message.kind) + QStringLiteral(": ") +
                       output::plain(message.text));
}
