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

#if defined(__SSE2__)
__m128i equals(__m128i v, char c) {
    return _mm_cmpeq_epi8(v, _mm_set1_epi8(c));
}

// Whether a driver mark starts at one of the sixteen places from p; p[0, 19) is read.
bool markInSixteen(const char* p) {
    const auto at = [p](int k) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k)); };
    const __m128i c1 = at(1);
    const __m128i c2 = at(2);
    const __m128i c3 = at(3);
    const __m128i dsk =
        _mm_and_si128(equals(c1, 'D'), _mm_and_si128(equals(c2, 'S'), equals(c3, 'K')));
    const __m128i cdm =
        _mm_and_si128(equals(c1, 'C'), _mm_and_si128(equals(c2, 'D'), equals(c3, 'M')));
    const __m128i ham = _mm_and_si128(equals(c1, 'H'), equals(c3, 'M'));
    const __m128i lan = _mm_and_si128(equals(c1, 'L'), equals(c3, 'N'));
    const __m128i marks = _mm_or_si128(_mm_or_si128(dsk, cdm),
                                       _mm_and_si128(equals(c2, 'A'), _mm_or_si128(ham, lan)));
    return _mm_movemask_epi8(_mm_and_si128(equals(at(0), '.'), marks)) != 0;
}
#endif

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
    const char* p = entry.data();
    const qsizetype n = entry.size();
#if defined(__SSE2__)
    // Sixteen places tested for a dot and a mark after it at once, without a branch per dot;
    // the last sixteen places a mark may start at overlap the ones before.
    constexpr qsizetype Span = 16 + 3;
    if (n >= Span) {
        qsizetype at = 0;
        for (; at + Span <= n; at += 16) {
            if (markInSixteen(p + at)) {
                return true;
            }
        }
        return at + 3 < n && markInSixteen(p + n - Span);
    }
#endif
    return hasDriverMark(reinterpret_cast<const uchar*>(p), n);
}

}  // namespace loadedmodule
