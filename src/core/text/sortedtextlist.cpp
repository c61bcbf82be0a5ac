#include "text/sortedtextlist.h"

#include "text/memoryhints.h"
#include "text/paralleltasks.h"

#include <QLocale>
#include <algorithm>
#include <array>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Below this many pending lines a merge inserts them one by one.
constexpr qsizetype SmallMerge = 8;

// How many lines ahead a sorted copy fetches a line's characters.
constexpr std::size_t PrefetchAhead = 8;

// From this many lines on, the lines are ordered by a radix sort of their prefixes, which
// takes the same time per line however many there are.
constexpr std::size_t RadixFrom = 4096;

quint64 prefixOf(const FastCollation& ranks, QLatin1String line) {
    quint64 prefix = 0;
    for (qsizetype c = 0; c < 8; ++c) {
        prefix = (prefix << 8) | quint64(c < line.size() ? ranks.rank(line.data()[c]) : 0);
    }
    return prefix;
}

// The item of a line kept one byte a character, the index-th added.
SortItem itemOf(const FastCollation& ranks, QLatin1String kept, quint32 index) {
    return {prefixOf(ranks, kept), kept.data(), qint32(kept.size()), index};
}

// Lines with the same prefix by their full comparison; equal lines keep the order they came in.
bool lessInFull(const FastCollation& ranks, const SortItem& a, const SortItem& b) {
    const int c = ranks.compare(a.text(), b.text());
    return c != 0 ? c < 0 : a.index < b.index;
}

// From this many lines on, the radix sort and the copy in order are shared with a second
// thread, each taking the lines on one side of a prefix digit's value.
constexpr std::size_t ParallelFrom = 64 * 1024;

// The prefix as eight digits of eight bits each, one a character: where a big list is cut.
constexpr std::size_t Digits = 8;
constexpr std::size_t Values = 1 << 8;

std::size_t digitOf(const SortItem& item, std::size_t digit) {
    return (item.prefix >> (8 * digit)) & (Values - 1);
}

bool sameForAll(const auto& count, std::size_t n) {
    return std::find(count.begin(), count.end(), n) != count.end();
}

// The radix sort reads the prefix as six digits of eleven bits (the last of nine): two passes
// fewer than a character a digit, with few enough places for a pass to write to that its
// writes stay in the cache.
constexpr std::size_t RadixBits = 11;
constexpr std::size_t RadixDigits = (64 + RadixBits - 1) / RadixBits;
constexpr std::size_t RadixValues = std::size_t(1) << RadixBits;
using RadixCounts = std::array<std::array<std::size_t, RadixValues>, RadixDigits>;

std::size_t radixDigitOf(const SortItem& item, std::size_t digit) {
    return (item.prefix >> (RadixBits * digit)) & (RadixValues - 1);
}

void countDigits(const SortItem& item, RadixCounts& counts) {
    for (std::size_t digit = 0; digit < RadixDigits; ++digit) {
        ++counts[digit][radixDigitOf(item, digit)];
    }
}

// A least-significant-digit radix sort of the prefixes of items[0, n), stable, so lines with
// the same prefix stay in the order they came in; scratch has room for n items, and counts
// holds how many items have each value of each digit (it is used up). The sorted items end in
// items.
void radixSort(SortItem* items, SortItem* scratch, std::size_t n, RadixCounts& counts) {
    SortItem* from = items;
    SortItem* to = scratch;
    for (std::size_t digit = 0; digit < RadixDigits; ++digit) {
        std::array<std::size_t, RadixValues>& count = counts[digit];
        if (sameForAll(count, n)) {
            continue;
        }
        std::size_t sum = 0;
        for (std::size_t& c : count) {
            sum += std::exchange(c, sum);
        }
        for (std::size_t k = 0; k < n; ++k) {
            to[count[radixDigitOf(from[k], digit)]++] = from[k];
        }
        std::swap(from, to);
    }
    if (from != items) {
        std::copy(from, from + n, items);
    }
}

// Puts the runs of items that share a prefix in order by their full comparison.
void sortRuns(const FastCollation& ranks, SortItem* first, SortItem* last) {
    for (SortItem* run = first; run != last;) {
        SortItem* const end = std::find_if(
            run + 1, last, [&run](const SortItem& item) { return item.prefix != run->prefix; });
        if (end - run > 1) {
            std::sort(run, end, [&ranks](const SortItem& a, const SortItem& b) {
                return lessInFull(ranks, a, b);
            });
        }
        run = end;
    }
}

// Room for n items, backed by the system at once and left unset.
memoryhints::Block<SortItem> itemRoom(std::size_t n) {
    return memoryhints::makeBlock<SortItem>(n);
}

// Where a big list is cut in two so that every line before the cut sorts before every line
// after it: at a value of the highest prefix digit that differs, as near the middle as may be.
struct Cut {
    std::size_t digit = 0;
    std::size_t value = 0;  // the value the second part starts at
    std::size_t below = 0;  // how many lines go before the cut; 0 when no digit differs
};

// The cut of the n items the source gives; the counts of the highest digit's values, when
// known already, are not counted again.
template <typename Source>
Cut cutOf(const Source& source, std::size_t n, const std::array<std::size_t, Values>* highest) {
    for (std::size_t digit = Digits; digit-- > 0;) {
        std::array<std::size_t, Values> count{};
        if (digit == Digits - 1 && highest != nullptr) {
            count = *highest;
        } else {
            source([&](const SortItem& item) { ++count[digitOf(item, digit)]; });
        }
        if (sameForAll(count, n)) {
            continue;  // the same for every line: the order lies in a lower digit
        }
        Cut cut{digit, 0, 0};
        for (std::size_t value = 0; value < Values && cut.below + count[value] <= n / 2; ++value) {
            cut.below += count[value];
            cut.value = value + 1;
        }
        if (cut.below == 0) {  // the first value present holds more than half: it goes first
            std::size_t value = 0;
            while (count[value] == 0) {
                ++value;
            }
            cut.below = count[value];
            cut.value = value + 1;
        }
        return cut;
    }
    return {};
}

// Sorts the n items the source gives (source(f) calls f with each, in the order the lines
// came in) into sorted: by prefix, then by the full comparison, then by the order the lines
// came in. A big list goes through a radix sort of the prefixes, and only the runs that share
// a prefix are then sorted by their full comparison. highest, when given, counts the values of
// the highest prefix digit. Returns where a list shared between two threads was cut (every line
// before it sorts before every line after it), or 0.
template <typename Source>
std::size_t sortItems(const FastCollation& ranks, std::size_t n, const Source& source,
                      const std::array<std::size_t, Values>* highest,
                      memoryhints::Block<SortItem>& sorted) {
    sorted = itemRoom(n);
    SortItem* const items = sorted.get();
    if (n < RadixFrom) {
        std::size_t k = 0;
        source([&](const SortItem& item) { items[k++] = item; });
        std::sort(items, items + n, [&ranks](const SortItem& a, const SortItem& b) {
            return a.prefix != b.prefix ? a.prefix < b.prefix : lessInFull(ranks, a, b);
        });
        return 0;
    }
    const memoryhints::Block<SortItem> scratch = itemRoom(n);
    const Cut cut = n >= ParallelFrom ? cutOf(source, n, highest) : Cut{};
    // Each part takes its items from the source itself, in the order they came in, and sorts
    // them; both parts run at once when the list is cut.
    const auto sortPart = [&](bool first) {
        const std::size_t from = first ? 0 : cut.below;
        const std::size_t to = first && cut.below > 0 ? cut.below : n;
        // The digits are counted on the way, for the radix sort.
        const auto counts = std::make_unique<RadixCounts>();
        std::size_t k = from;
        if (cut.below == 0) {
            source([&](const SortItem& item) {
                items[k++] = item;
                countDigits(item, *counts);
            });
        } else {
            source([&](const SortItem& item) {
                if ((digitOf(item, cut.digit) < cut.value) == first) {
                    items[k++] = item;
                    countDigits(item, *counts);
                }
            });
        }
        radixSort(items + from, scratch.get() + from, to - from, *counts);
        sortRuns(ranks, items + from, items + to);
    };
    if (cut.below == 0) {
        sortPart(true);
        return 0;
    }
    paralleltasks::runBoth([&] { sortPart(true); }, [&] { sortPart(false); });
    return cut.below;
}

}  // namespace

SortedTextList::SortedTextList(bool unique, Qt::CaseSensitivity cs)
    : m_unique(unique), m_cs(cs), m_keyed(cs == Qt::CaseSensitive), m_set(fast()) {}

const QCollator& SortedTextList::collator(Qt::CaseSensitivity cs) {
    static const auto make = [](Qt::CaseSensitivity sensitivity) {
        QCollator c{QLocale(QLocale::English, QLocale::UnitedStates)};
        c.setCaseSensitivity(sensitivity);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    };
    static const QCollator insensitive = make(Qt::CaseInsensitive);
    static const QCollator sensitive = make(Qt::CaseSensitive);
    return cs == Qt::CaseSensitive ? sensitive : insensitive;
}

const FastCollation& SortedTextList::fast() {
    static const FastCollation ranks(collator(Qt::CaseInsensitive));
    return ranks;
}

int SortedTextList::compare(const QString& a, const QString& b) {
    return collator().compare(a, b);
}

bool SortedTextList::add(const QString& line) {
    settle();
    expand();
    if (!m_keyed && !fast().eligible(line)) {
        switchToKeys();
    }
    if (m_keyed) {
        return addKeyed(line);
    }
    if (m_unique && (sortedIndexOf(line) >= 0 || !m_set.insert(line))) {
        return false;
    }
    m_pending.append(line);
    // The set holds a view of the line's characters: it must be the list's own copy, which a
    // shared copy is, since the list never changes a line.
    return true;
}

void SortedTextList::addDeferred(QStringView line) {
    if (m_keyed || !fast().eligible(line)) {
        add(line.toString());
        return;
    }
    defer(m_deferred.chars.keep(line));
}

bool SortedTextList::addDeferred(QLatin1String line, bool printable) {
    if (m_keyed || !((printable && fast().printableOnly()) || fast().eligible(line))) {
        return false;
    }
    defer(m_deferred.chars.keep(line));
    return true;
}

void SortedTextList::defer(QLatin1String kept) {
    m_deferred.items.push_back(itemOf(fast(), kept, quint32(m_deferred.items.size())));
}

void SortedTextList::takeDeferred() const {
    m_deferred.items.forEach(
        [this](const SortItem& item) { m_pending.append(QString(item.text())); });
    m_deferred.clear();
}

void SortedTextList::settle() const {
    if (!m_deferred.empty()) {
        mergePending();
    }
}

void SortedTextList::mergePending() const {
    const qsizetype count = m_pending.size() + qsizetype(m_deferred.items.size());
    if (count == 0) {
        return;
    }
    expand();
    const FastCollation& ranks = fast();
    const auto less = [&ranks](const QString& a, const QString& b) {
        return ranks.compare(a, b) < 0;
    };
    if (count <= SmallMerge) {
        takeDeferred();
        for (QString& line : m_pending) {
            // After its equals, so equal lines keep the order they were added in; in unique
            // mode a line with an equal before it is dropped.
            const auto at = std::upper_bound(m_lines.begin(), m_lines.end(), line, less);
            if (!m_unique || at == m_lines.begin() || !ranks.equal(*(at - 1), line)) {
                m_lines.insert(at, std::move(line));
            }
        }
    } else if (m_lines.isEmpty() && m_pending.isEmpty() && std::size_t(count) >= RadixFrom) {
        sortPending(true);
    } else {
        sortPending(false);
        // Equal lines: the merged one first, then the pending ones in the order they came in;
        // in unique mode only the first of them stays.
        QStringList merged;
        merged.reserve(m_lines.size() + m_pending.size());
        qsizetype i = 0;
        qsizetype j = 0;
        while (i < m_lines.size() && j < m_pending.size()) {
            const int c = ranks.compare(m_lines.at(i), m_pending.at(j));
            if (c > 0) {
                merged.append(std::move(m_pending[j++]));
            } else {
                if (c == 0 && m_unique) {
                    ++j;
                }
                merged.append(std::move(m_lines[i++]));
            }
        }
        for (; i < m_lines.size(); ++i) {
            merged.append(std::move(m_lines[i]));
        }
        for (; j < m_pending.size(); ++j) {
            merged.append(std::move(m_pending[j]));
        }
        m_lines.swap(merged);
    }
    m_pending.clear();
    m_set.clear();  // it holds the pending lines only
}

void SortedTextList::sortPending(bool compact) const {
    // The pending lines come first (any add() settles the deferred ones before it), then the
    // deferred ones: item k is the k-th line added. Each item carries where its line lies, so
    // the sort and the copy below read the items in order and only the characters out of it.
    // The pending lines are eligible, hence ASCII: they are sorted from one-byte copies too.
    const FastCollation& ranks = fast();
    LineArena pending;
    std::vector<SortItem> pendingItems;
    for (const QString& line : std::as_const(m_pending)) {
        pendingItems.push_back(
            itemOf(ranks, pending.keep(QStringView(line)), quint32(pendingItems.size())));
    }
    const auto source = [&](const auto& f) {
        for (const SortItem& item : pendingItems) {
            f(item);
        }
        const quint32 after = quint32(pendingItems.size());
        m_deferred.items.forEach([&](SortItem item) {
            item.index += after;
            f(item);
        });
    };
    const std::size_t n = pendingItems.size() + m_deferred.items.size();
    memoryhints::Block<SortItem> items;
    // The first ranks counted as the deferred lines came hold for the whole list when no
    // pending line comes before them.
    const std::size_t cut = sortItems(
        ranks, n, source, pendingItems.empty() ? &m_deferred.items.firstRanks() : nullptr, items);
    // Each line is made afresh in sorted order, so the lines lie side by side in memory in
    // the order every later walk over the list reads them, instead of scattered in the order
    // they were added; for a big list that saves a cache miss on almost every line of a walk.
    // The reads jump around, so each line's characters are fetched a few items ahead. Equal
    // lines lie side by side, the first added first: in unique mode it alone stays.
    const auto dropped = [&](std::size_t k) {
        return m_unique && k > 0 && items[k].prefix == items[k - 1].prefix &&
               ranks.equal(items[k - 1].text(), items[k].text());
    };
    const auto prefetch = [&](std::size_t k) {
        if (k + PrefetchAhead < n) {
            __builtin_prefetch(items[k + PrefetchAhead].data);
        }
    };
    QStringList sorted;
    std::shared_ptr<LineArena> arena;
    if (compact) {
        // A list cut in two for the sort is copied by two threads, into an arena each, and the
        // second is joined to the first; no line equals one across the cut.
        const auto copyLines = [&](LineArena& into, std::size_t from, std::size_t to,
                                   std::size_t lines) {
            qsizetype characters = 0;
            for (std::size_t k = from; k < to; ++k) {
                characters += items[k].size;
            }
            into.reserve(lines, characters);
            for (std::size_t k = from; k < to; ++k) {
                prefetch(k);
                if (!dropped(k)) {
                    into.append(items[k].text());
                }
            }
        };
        arena = std::make_shared<LineArena>();
        if (cut > 0) {
            LineArena second;
            // The first arena has room for every line, so the second's lines join it in place.
            paralleltasks::runBoth([&] { copyLines(*arena, 0, cut, n); },
                                   [&] { copyLines(second, cut, n, n - cut); });
            arena->splice(std::move(second));
        } else {
            copyLines(*arena, 0, n, n);
        }
    } else {
        sorted.reserve(qsizetype(n));
        for (std::size_t k = 0; k < n; ++k) {
            prefetch(k);
            if (!dropped(k)) {
                sorted.append(QString(items[k].text()));
            }
        }
    }
    items.reset();
    m_pending.swap(sorted);
    m_deferred.clear();
    if (compact) {
        m_compact = std::move(arena);
    }
}

void SortedTextList::expand() const {
    if (!m_compact) {
        return;
    }
    m_lines.reserve(qsizetype(m_compact->size()));
    for (const QLatin1String line : m_compact->lines()) {
        m_lines.append(QString(line));
    }
    m_compact.reset();
}

std::shared_ptr<const LineArena> SortedTextList::compactLines() const {
    settle();
    return m_compact;
}

qsizetype SortedTextList::lowerBound(const QString& line) const {
    mergePending();
    const FastCollation& ranks = fast();
    const auto at = std::lower_bound(
        m_lines.cbegin(), m_lines.cend(), line,
        [&ranks](const QString& a, const QString& b) { return ranks.compare(a, b) < 0; });
    return qsizetype(at - m_lines.cbegin());
}

qsizetype SortedTextList::sortedIndexOf(const QString& line) const {
    const FastCollation& ranks = fast();
    const auto at = std::lower_bound(
        m_lines.cbegin(), m_lines.cend(), line,
        [&ranks](const QString& a, const QString& b) { return ranks.compare(a, b) < 0; });
    return at != m_lines.cend() && ranks.equal(*at, line) ? qsizetype(at - m_lines.cbegin()) : -1;
}

int SortedTextList::indexOf(const QString& line) const {
    settle();
    expand();
    if (m_keyed) {
        const auto it = findEqual(Key{collator(m_cs).sortKey(line), 0});
        return it == m_entries.end() ? -1 : int(std::distance(m_entries.begin(), it));
    }
    if (!fast().eligible(line)) {
        return -1;  // a ranked list holds no line that needs the full collator
    }
    if (m_unique && !m_set.contains(line) && sortedIndexOf(line) < 0) {
        return -1;
    }
    const qsizetype at = lowerBound(line);
    return at < m_lines.size() && fast().equal(m_lines.at(at), line) ? int(at) : -1;
}

bool SortedTextList::contains(const QString& line) const {
    settle();
    expand();
    if (!m_keyed && m_unique) {
        return fast().eligible(line) && (m_set.contains(line) || sortedIndexOf(line) >= 0);
    }
    return indexOf(line) >= 0;
}

bool SortedTextList::remove(const QString& line) {
    settle();
    expand();
    if (m_keyed) {
        const auto it = findEqual(Key{collator(m_cs).sortKey(line), 0});
        if (it == m_entries.end()) {
            return false;
        }
        m_entries.erase(it);
        m_dirty = true;
        return true;
    }
    const int at = indexOf(line);
    if (at < 0) {
        return false;
    }
    m_lines.removeAt(at);  // merged by indexOf(), so the set of pending lines is empty
    return true;
}

int SortedTextList::size() const {
    settle();
    if (m_compact) {
        return int(m_compact->size());
    }
    return m_keyed ? int(m_entries.size()) : int(m_lines.size() + m_pending.size());
}

void SortedTextList::clear() {
    m_entries.clear();
    m_lines.clear();
    m_pending.clear();
    m_set.clear();
    m_deferred.clear();
    m_compact.reset();
    m_dirty = false;
    m_keyed = m_cs == Qt::CaseSensitive;
}

const QStringList& SortedTextList::lines() const {
    if (!m_keyed) {
        mergePending();
        expand();
        return m_lines;
    }
    if (m_dirty) {
        m_lines.clear();
        m_lines.reserve(qsizetype(m_entries.size()));
        for (const auto& entry : m_entries) {
            m_lines.append(entry.second);
        }
        m_dirty = false;
    }
    return m_lines;
}

void SortedTextList::switchToKeys() {
    mergePending();
    expand();
    m_set.clear();
    m_keyed = true;
    // The ranked order is the collator's, so numbering the lines in it keeps equal lines in
    // the order they were added.
    for (const QString& line : std::as_const(m_lines)) {
        m_entries.emplace(Key{collator(m_cs).sortKey(line), m_sequence++}, line);
    }
    m_dirty = true;
}

// The keyed tree: each line with its collation key, equal keys ordered by sequence.

bool SortedTextList::KeyLess::operator()(const Key& a, const Key& b) const {
    const int c = a.sortKey.compare(b.sortKey);
    if (c != 0) {
        return c < 0;
    }
    return a.sequence < b.sequence;
}

bool SortedTextList::addKeyed(const QString& line) {
    Key key{collator(m_cs).sortKey(line), 0};
    if (m_unique && findEqual(key) != m_entries.end()) {
        return false;
    }
    key.sequence = m_sequence;
    ++m_sequence;
    m_entries.emplace(std::move(key), line);
    m_dirty = true;
    return true;
}

SortedTextList::Map::const_iterator SortedTextList::findEqual(const Key& probe) const {
    // Equal lines share a sort key; with sequence 0 the probe sorts before all of them.
    const auto it = m_entries.lower_bound(probe);
    if (it == m_entries.end() || it->first.sortKey.compare(probe.sortKey) != 0) {
        return m_entries.end();
    }
    return it;
}
