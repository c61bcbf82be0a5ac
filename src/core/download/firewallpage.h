#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The download wizard's "Firewall" page. It is never shown and the download does not use its
// values; what it would show is kept here so the window and the tests see the same thing.
// "Use Firewall" enables the fields and the type group and shows the "Required" column: the
// host name and the port are always required, the user ID and the password only with the first
// two firewall types.
struct FirewallPage {
    static const QStringList FirewallTypes;  // "SITE hostname" ... "Proxy OPEN"
    enum Field { HostName, UserID, Password, Port, FieldCount };

    bool UseFirewall = false;
    int FirewallType = 0;
    std::array<QString, FieldCount> values;

    bool controlsEnabled() const { return UseFirewall; }
    // The "Required" marks of the four fields: "Yes" or "No", all empty while unticked.
    std::array<QString, FieldCount> requiredMarks() const;
};
