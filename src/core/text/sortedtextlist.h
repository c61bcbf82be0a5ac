#pragma once

#include <QCollator>
#include <QCollatorSortKey>
#include <QString>
#include <QStringList>
#include <map>

// A list of text lines kept in ascending order by a locale-aware comparison without regard to
// case (or, where asked, with regard to it). The locale is fixed (en_US) so the order does not
// depend on the machine's LANG. In unique mode (the default) a line that compares equal to one
// already present is not added; otherwise it goes after its equals. Inserting is logarithmic, so a
// report with tens of thousands of modules stays linear to parse; the plain list is built when
// first asked for.
class SortedTextList {
  public:
    SortedTextList() : SortedTextList(true) {}
    explicit SortedTextList(bool unique, Qt::CaseSensitivity cs = Qt::CaseInsensitive);

    // Returns true when the line was added.
    bool add(const QString& line);
    // Index of a line equal under the comparison, or -1.
    int indexOf(const QString& line) const;
    bool contains(const QString& line) const { return indexOf(line) >= 0; }
    // Removes the first line equal under the comparison; true when there was one.
    bool remove(const QString& line);
    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    void clear();
    const QStringList& lines() const;
    const QString& at(int i) const { return lines().at(i); }

    // The comparison itself: <0, 0, >0.
    static int compare(const QString& a, const QString& b);

  private:
    struct Key {
        QCollatorSortKey sortKey;
        quint64 sequence;  // keeps equal lines in insertion order in non-unique mode
    };
    struct KeyLess {
        bool operator()(const Key& a, const Key& b) const;
    };
    using Map = std::map<Key, QString, KeyLess>;
    static const QCollator& collator(Qt::CaseSensitivity cs = Qt::CaseInsensitive);
    Map::const_iterator findEqual(const Key& probe) const;

    bool m_unique;
    Qt::CaseSensitivity m_cs;
    quint64 m_sequence = 1;
    Map m_entries;
    mutable QStringList m_lines;
    mutable bool m_dirty = false;
};
