#include "analysis/loadedmodule.h"

#include <algorithm>
#include <iterator>

namespace loadedmodule {

QString name(const QString& entry) {
    return entry.left(12).trimmed();
}

QString version(const QString& entry, bool compact) {
    if (compact) {
        const qsizetype v = entry.indexOf(QLatin1String(" v"));
        return (v < 0 ? entry.mid(1, 6) : entry.mid(v + 2, 6)).trimmed();
    }
    const QString t = entry.mid(14, 14).trimmed();
    const qsizetype blank = t.indexOf(u' ');
    return (blank < 0 ? t.left(6) : t.mid(blank + 1, 6)).trimmed();
}

bool isDriver(const QString& entry) {
    // Each mark is a dot and three letters: one pass over the dots finds any of them.
    static const QString Marks[] = {QStringLiteral("DSK"), QStringLiteral("CDM"),
                                    QStringLiteral("HAM"), QStringLiteral("LAN")};
    for (qsizetype dot = entry.indexOf(u'.'); dot >= 0 && dot + 3 < entry.size();
         dot = entry.indexOf(u'.', dot + 1)) {
        const QStringView after = QStringView(entry).mid(dot + 1, 3);
        if (std::any_of(std::begin(Marks), std::end(Marks),
                        [&](const QString& mark) { return after == mark; })) {
            return true;
        }
    }
    return false;
}

}  // namespace loadedmodule
