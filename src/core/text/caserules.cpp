#include "text/caserules.h"

namespace caserules {

QChar asciiUpper(QChar c) {
    return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c;
}

QString asciiUpper(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        c = asciiUpper(c);
    }
    return out;
}

int compareIgnoreCase(const QString& a, const QString& b) {
    return compareIgnoreCase(QStringView(a), QStringView(b));
}

int compareIgnoreCase(QStringView a, QStringView b) {
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const ushort x = asciiUpper(a[i]).unicode();
        const ushort y = asciiUpper(b[i]).unicode();
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool equalsIgnoreCase(const QString& a, const QString& b) {
    return equalsIgnoreCase(QStringView(a), QStringView(b));
}

bool equalsIgnoreCase(QStringView a, QStringView b) {
    return a.size() == b.size() && compareIgnoreCase(a, b) == 0;
}

bool startsWithIgnoreCase(const QString& text, const QString& prefix) {
    return text.size() >= prefix.size() && equalsIgnoreCase(text.left(prefix.size()), prefix);
}

bool containsIgnoreCase(const QString& text, const QString& part) {
    if (part.isEmpty()) {
        return true;
    }
    const QString upper = asciiUpper(text);
    return upper.contains(asciiUpper(part));
}

QString padRight(const QString& text, int n) {
    return text.size() >= n ? text : text.leftJustified(n, u' ');
}

}  // namespace caserules
