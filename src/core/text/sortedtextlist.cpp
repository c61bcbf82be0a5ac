#include "text/sortedtextlist.h"

#include <QLocale>

SortedTextList::SortedTextList(bool unique, Qt::CaseSensitivity cs) : m_unique(unique), m_cs(cs) {}

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

int SortedTextList::compare(const QString& a, const QString& b) {
    return collator().compare(a, b);
}

bool SortedTextList::KeyLess::operator()(const Key& a, const Key& b) const {
    const int c = a.sortKey.compare(b.sortKey);
    if (c != 0) {
        return c < 0;
    }
    return a.sequence < b.sequence;
}

bool SortedTextList::add(const QString& line) {
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

int SortedTextList::indexOf(const QString& line) const {
    const auto it = findEqual(Key{collator(m_cs).sortKey(line), 0});
    return it == m_entries.end() ? -1 : int(std::distance(m_entries.begin(), it));
}

bool SortedTextList::remove(const QString& line) {
    const auto it = findEqual(Key{collator(m_cs).sortKey(line), 0});
    if (it == m_entries.end()) {
        return false;
    }
    m_entries.erase(it);
    m_dirty = true;
    return true;
}

void SortedTextList::clear() {
    m_entries.clear();
    m_lines.clear();
    m_dirty = false;
}

const QStringList& SortedTextList::lines() const {
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
