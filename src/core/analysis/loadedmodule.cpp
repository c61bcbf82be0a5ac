#include "analysis/loadedmodule.h"

#include <cstdint>
#include <cstring>

namespace loadedmodule {

namespace {

// Whether eight bytes of characters hold a dot: each character XOR '.' is zero only for a dot,
// and the carry trick finds a zero character in all of them at once.
template <typename Unit>
bool hasDot(const Unit* p) {
    constexpr std::uint64_t ones = sizeof(Unit) == 1 ? 0x0101010101010101u : 0x0001000100010001u;
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    word ^= ones * '.';
    return ((word - ones) & ~word & (ones << (8 * sizeof(Unit) - 1))) != 0;
}

// A dot with a driver's three capitals after it, in one pass over the characters, whatever
// their size. Eight bytes without a dot are passed over at once.
template <typename Unit>
bool hasDriverMark(const Unit* p, qsizetype n) {
    constexpr qsizetype wordUnits = 8 / sizeof(Unit);
    for (qsizetype dot = 0; dot + 3 < n;) {
        if (dot + wordUnits <= n && !hasDot(p + dot)) {
            dot += wordUnits;
            continue;
        }
        if (p[dot] == Unit('.')) {
            const Unit a = p[dot + 1], b = p[dot + 2], c = p[dot + 3];
            if ((a == 'D' && b == 'S' && c == 'K') || (a == 'C' && b == 'D' && c == 'M') ||
                (a == 'H' && b == 'A' && c == 'M') || (a == 'L' && b == 'A' && c == 'N')) {
                return true;
            }
        }
        ++dot;
    }
    return false;
}

}  // namespace

QString name(const QString& entry) {
    return entry.left(12).trimmed();
}

QStringView nameView(const QString& entry) {
    return QStringView(entry).left(12).trimmed();
}

QLatin1String nameView(QLatin1String entry) {
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

bool isDriver(QStringView entry) {
    return hasDriverMark(entry.utf16(), entry.size());
}

bool isDriver(QLatin1String entry) {
    return hasDriverMark(reinterpret_cast<const uchar*>(entry.data()), entry.size());
}

}  // namespace loadedmodule
