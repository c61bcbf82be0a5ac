#pragma once

#include <QString>

// One key of the core module list: "4.11:CLIB.DXP" (the maker's, for one OS version),
// "4.11:+CLIB.DXP" (the user's) or "CLIB.DXP" (for every server).
struct CoreModuleEntry {
    bool scoped = false;
    bool userEntry = false;
    QString osVersion;  // trimmed, for scoped entries
    QString module;     // at most 12 characters, trimmed for scoped entries

    static CoreModuleEntry parse(const QString& key);
    // Whether the entry applies to a server of that OS version (case ignored).
    bool appliesTo(const QString& serverOsVersion) const;
};
