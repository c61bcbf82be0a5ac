#pragma once

#include "text/deferredlines.h"
#include "text/fastcollation.h"
#include "text/foldedtextset.h"
#include "text/linearena.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>

// A list of text lines kept in ascending order by a locale-aware comparison without regard to
// case (or, where asked, with regard to it). The locale is fixed (en_US) so the order does not
// depend on the machine's LANG. In unique mode (the default) a line that compares equal to one
// already present is not added; otherwise it goes after its equals.
//
// Lines made of tab and printable ASCII only (what reports hold) are compared through the
// collator's per-character ranks (FastCollation): an added line goes to a pending list, a hash
// set of the pending lines and a binary search of the merged ones answer at once whether an
// equal line is present (or, for addDeferred, the sort finds equals side by side), and the
// pending lines are sorted and merged in one go when the order is next needed. Deferred lines
// wait as characters in a few large blocks, so a big list costs one string per line, made in
// sorted order. The first line that needs the full collator (or a case-sensitive list) moves
// the list to collation keys in a balanced tree, where every insert is logarithmic. Both ways
// give the same order for every input.
class SortedTextList {
  public:
    SortedTextList() : SortedTextList(true) {}
    explicit SortedTextList(bool unique, Qt::CaseSensitivity cs = Qt::CaseInsensitive);

    // Returns true when the line was added.
    bool add(const QString& line);
    // Adds the line as add() does but leaves the duplicate check to the next sort, where a
    // line equal to one added before it is dropped (in unique mode; otherwise it goes after its
    // equals): a big list is built without a lookup per line. Any other call settles the list
    // first.
    void addDeferred(QStringView line);
    // The same for a line given one byte a character; returns false, adding nothing, unless
    // every character is one the ranks cover (tab and printable ASCII). A caller that knows
    // the line to be printable ASCII says so, and the characters are not tested again.
    bool addDeferred(QLatin1String line, bool printable = false);
    // Index of a line equal under the comparison (the first one), or -1.
    int indexOf(const QString& line) const;
    bool contains(const QString& line) const;
    // Removes the first line equal under the comparison; true when there was one.
    bool remove(const QString& line);
    int size() const;
    bool isEmpty() const { return size() == 0; }
    void clear();
    const QStringList& lines() const;
    const QString& at(int i) const { return lines().at(i); }

    // A big list built with addDeferred() alone is kept, once sorted, as one-byte lines in one
    // arena instead of a string each: its lines in order, which never change (a change to the
    // list leaves them to whoever holds them), or null when the list is not kept so. lines()
    // makes the strings and ends this form.
    std::shared_ptr<const LineArena> compactLines() const;
    // Calls f(const QString&) with each line in order, in either form; in the compact form the
    // string is one buffer made again for each line (a copy kept by f stays as it was).
    template <typename F>
    void forEachLine(F&& f) const {
        if (const std::shared_ptr<const LineArena> compact = compactLines()) {
            QString line;
            for (const QLatin1String bytes : compact->lines()) {
                widen(bytes, line);
                f(std::as_const(line));
            }
            return;
        }
        for (const QString& line : lines()) {
            f(line);
        }
    }

    // Calls f with each line in order without making a string of it: a QLatin1String of the
    // compact form's one-byte line, or the line's const QString& otherwise. For a walk that
    // tests every line and keeps few.
    template <typename F>
    void forEachView(F&& f) const {
        if (const std::shared_ptr<const LineArena> compact = compactLines()) {
            for (const QLatin1String bytes : compact->lines()) {
                f(bytes);
            }
            return;
        }
        for (const QString& line : lines()) {
            f(line);
        }
    }

    // The comparison itself: <0, 0, >0.
    static int compare(const QString& a, const QString& b);

  private:
    // The one-byte line into the string, writing into its own memory unless a copy shares it.
    static void widen(QLatin1String bytes, QString& line) {
        line.resize(bytes.size());
        char16_t* to = reinterpret_cast<char16_t*>(line.data());
        for (qsizetype k = 0; k < bytes.size(); ++k) {
            to[k] = uchar(bytes.data()[k]);
        }
    }
    // Makes the strings of a compact list, which ends that form.
    void expand() const;

    struct Key {
        QCollatorSortKey sortKey;
        quint64 sequence;  // keeps equal lines in insertion order in non-unique mode
    };
    struct KeyLess {
        bool operator()(const Key& a, const Key& b) const;
    };
    using Map = std::map<Key, QString, KeyLess>;
    static const QCollator& collator(Qt::CaseSensitivity cs = Qt::CaseInsensitive);
    static const FastCollation& fast();

    // Ranked mode.
    void mergePending() const;
    // Merges first when deferred lines wait for their duplicate check.
    void settle() const;
    // Sorts the pending and deferred lines into m_pending (or, compact, into m_compact), each
    // copied afresh in order; in unique mode the first of equal lines alone stays.
    void sortPending(bool compact) const;
    // Turns the deferred lines into pending ones, in the order they came in.
    void takeDeferred() const;
    // Adds a deferred line whose characters the list keeps.
    void defer(QLatin1String kept);
    qsizetype lowerBound(const QString& line) const;
    // Index of an equal line among the merged lines, or -1.
    qsizetype sortedIndexOf(const QString& line) const;
    // Moves every line into the keyed tree, keeping the order.
    void switchToKeys();

    // Keyed mode.
    bool addKeyed(const QString& line);
    Map::const_iterator findEqual(const Key& probe) const;

    bool m_unique;
    Qt::CaseSensitivity m_cs;
    bool m_keyed;
    // Ranked mode: the sorted lines, the lines added since the last merge, and (unique mode)
    // the set of the pending lines.
    mutable QStringList m_lines;
    mutable QStringList m_pending;
    mutable FoldedTextSet m_set;
    // Deferred lines, not yet checked for equals, after the pending ones, each made ready for
    // the sort while its characters are at hand.
    mutable DeferredLines m_deferred;
    // The compact form: every line, in order; m_lines and m_pending are then empty.
    mutable std::shared_ptr<const LineArena> m_compact;
    // Keyed mode.
    quint64 m_sequence = 1;
    Map m_entries;
    mutable bool m_dirty = false;
};
