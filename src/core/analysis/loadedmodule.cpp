#include "analysis/loadedmodule.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The three capitals after a dot that mark a driver.
template <typename Unit>
bool isDriverMark(Unit a, Unit b, Unit c) {
    return (a == 'D' && b == 'S' && c == 'K') || (a == 'C' && b == 'D' && c == 'M') ||
           (a == 'H' && b == 'A' && c == 'M') || (a == 'L' && b == 'A' && c == 'N');
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
        if (p[dot] == Unit('.') && isDriverMark(p[dot + 1], p[dot + 2], p[dot + 3])) {
            return true;
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
    const uchar* p = reinterpret_cast<const uchar*>(entry.data());
    const qsizetype n = entry.size();
#if defined(__SSE2__)
    // Sixteen characters tested for a dot at a time, and only the dots looked at.
    const __m128i dots = _mm_set1_epi8('.');
    qsizetype from = 0;
    for (; from + 16 <= n; from += 16) {
        unsigned hits = unsigned(_mm_movemask_epi8(
            _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + from)), dots)));
        for (; hits != 0; hits &= hits - 1) {
            const qsizetype dot = from + __builtin_ctz(hits);
            if (dot + 3 < n && isDriverMark(p[dot + 1], p[dot + 2], p[dot + 3])) {
                return true;
            }
        }
    }
    return hasDriverMark(p + from, n - from);
#else
    return hasDriverMark(p, n);
#endif
}

}  // namespace loadedmodule
