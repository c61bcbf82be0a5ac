#include "analysis/loadedmodule.h"

namespace loadedmodule {

QString name(const QString& entry) {
    return entry.left(12).trimmed();
}

QStringView nameView(const QString& entry) {
    return QStringView(entry).left(12).trimmed();
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
    // Each mark is a dot and three capitals: the dots are found by Qt's vectorised search and
    // the three characters after each looked at.
    const QChar* p = entry.constData();
    const qsizetype n = entry.size();
    for (qsizetype dot = entry.indexOf(u'.'); dot >= 0 && dot + 3 < n;
         dot = entry.indexOf(u'.', dot + 1)) {
        const char16_t a = p[dot + 1].unicode(), b = p[dot + 2].unicode(), c = p[dot + 3].unicode();
        if ((a == u'D' && b == u'S' && c == u'K') || (a == u'C' && b == u'D' && c == u'M') ||
            (a == u'H' && b == u'A' && c == u'M') || (a == u'L' && b == u'A' && c == u'N')) {
            return true;
        }
    }
    return false;
}

}  // namespace loadedmodule
