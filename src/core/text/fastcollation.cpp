#include "text/fastcollation.h"

#include <QCollatorSortKey>
#include <QList>
#include <algorithm>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

FastCollation::FastCollation(const QCollator& collator) {
    const QCollatorSortKey emptyKey = collator.sortKey(QString());
    struct Candidate {
        char16_t c;
        QCollatorSortKey key;
    };
    QList<Candidate> candidates;
    for (char16_t c = 9; c < 127; ++c) {
        if (c > 13 && c < 32) {
            continue;  // control characters the collator ignores
        }
        QCollatorSortKey key = collator.sortKey(QString(QChar(c)));
        if (key.compare(emptyKey) != 0) {
            candidates.append({c, key});
        }
    }
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const Candidate& a, const Candidate& b) { return a.key.compare(b.key) < 0; });
    int rank = 0;
    for (qsizetype k = 0; k < candidates.size(); ++k) {
        if (k == 0 || candidates.at(k - 1).key.compare(candidates.at(k).key) != 0) {
            ++rank;  // equal characters (a letter and its capital) share a rank
        }
        m_ranks[candidates.at(k).c] = quint8(rank);
    }
    // With the collators in use exactly tab, the line-break controls and the printable
    // characters have a rank: the test
    // for them is then two comparisons, which the compiler turns into vector code.
    m_printableOnly = true;
    for (char16_t c = 0; c < 128; ++c) {
        m_printableOnly =
            m_printableOnly && (m_ranks[c] != 0) == ((c >= 9 && c <= 13) || (c >= 32 && c < 127));
    }
}

namespace {

// Every character has a rank; Char is char16_t or uchar. No early exit: nearly every text is
// eligible, and a loop without branches is faster.
template <typename Char>
bool allRanked(const Char* p, qsizetype n, const std::array<quint8, 128>& ranks,
               bool printableOnly) {
    if (n > std::numeric_limits<qint32>::max()) {
        return false;
    }
    unsigned missing = 0;
    if (printableOnly) {
        for (qsizetype i = 0; i < n; ++i) {
            const Char c = p[i];
            missing |= unsigned(Char(c - 32) >= 95) & unsigned(Char(c - 9) >= 5);
        }
        return missing == 0;
    }
    for (qsizetype i = 0; i < n; ++i) {
        const Char c = p[i];
        missing |= unsigned(c >= 128) | unsigned(ranks[c & 127] == 0);
    }
    return missing == 0;
}

#if defined(__SSE2__)
// A bit for each of sixteen bytes that is a tab, a line-break control or printable ASCII.
unsigned printableMask(const uchar* p) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i printable = _mm_sub_epi8(v, _mm_set1_epi8(32));
    const __m128i control = _mm_sub_epi8(v, _mm_set1_epi8(9));
    const __m128i ok =
        _mm_or_si128(_mm_cmpeq_epi8(_mm_min_epu8(printable, _mm_set1_epi8(94)), printable),
                     _mm_cmpeq_epi8(_mm_min_epu8(control, _mm_set1_epi8(4)), control));
    return unsigned(_mm_movemask_epi8(ok));
}
#endif

}  // namespace

bool FastCollation::eligible(QStringView text) const {
    return allRanked(text.utf16(), text.size(), m_ranks, m_printableOnly);
}

bool FastCollation::eligible(QLatin1String text) const {
    const uchar* p = reinterpret_cast<const uchar*>(text.data());
    const qsizetype n = text.size();
#if defined(__SSE2__)
    // Sixteen characters at a time, the last sixteen overlapping those already tested.
    if (m_printableOnly && n >= 16 && n <= std::numeric_limits<qint32>::max()) {
        unsigned all = 0xFFFF;
        for (qsizetype i = 0; i + 16 < n; i += 16) {
            all &= printableMask(p + i);
        }
        return (all & printableMask(p + n - 16)) == 0xFFFF;
    }
#endif
    return allRanked(p, n, m_ranks, m_printableOnly);
}

namespace {

template <typename View>
int compareRanks(const FastCollation& ranks, View a, View b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int d = ranks.rank(a.data()[i]) - ranks.rank(b.data()[i]);
        if (d != 0) {
            return d;
        }
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

int FastCollation::compare(QStringView a, QStringView b) const {
    return compareRanks(*this, a, b);
}

bool FastCollation::equal(QStringView a, QStringView b) const {
    return a.size() == b.size() && compare(a, b) == 0;
}

int FastCollation::compare(QLatin1String a, QLatin1String b) const {
    return compareRanks(*this, a, b);
}

bool FastCollation::equal(QLatin1String a, QLatin1String b) const {
    return a.size() == b.size() && compare(a, b) == 0;
}

std::size_t FastCollation::hash(QStringView text) const {
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    std::size_t h = 14695981039346656037ull;
    for (qsizetype i = 0; i < n; ++i) {
        h = (h ^ std::size_t(p[i] < 128 ? m_ranks[p[i]] : 0)) * 1099511628211ull;
    }
    return h;
}
