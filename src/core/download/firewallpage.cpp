#include "download/firewallpage.h"

const QStringList FirewallPage::FirewallTypes = {
    QStringLiteral("SITE hostname"), QStringLiteral("USER after logon"),
    QStringLiteral("USER with no logon"), QStringLiteral("Proxy OPEN")};

std::array<QString, FirewallPage::FieldCount> FirewallPage::requiredMarks() const {
    if (!UseFirewall) {
        return {};
    }
    const QString yes = QStringLiteral("Yes");
    const QString login = FirewallType < 2 ? yes : QStringLiteral("No");
    return {yes, login, login, yes};
}
