#include "analysis/coremoduleentry.h"

#include "text/caserules.h"

CoreModuleEntry CoreModuleEntry::parse(const QString& key) {
    CoreModuleEntry e;
    const qsizetype colon = key.indexOf(u':');
    if (colon < 0) {
        e.module = key;  // unscoped: the whole key, untrimmed
        return e;
    }
    e.scoped = true;
    e.osVersion = key.left(colon).trimmed();
    e.userEntry = key.mid(colon + 1).startsWith(u'+');
    const qsizetype start = e.userEntry ? key.indexOf(u'+') + 1 : colon + 1;
    e.module = key.mid(start, 12).trimmed();
    return e;
}

bool CoreModuleEntry::appliesTo(const QString& serverOsVersion) const {
    return !scoped || caserules::equalsIgnoreCase(osVersion, serverOsVersion);
}
