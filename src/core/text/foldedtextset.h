#pragma once

#include "text/fastcollation.h"

#include <QStringView>
#include <utility>
#include <vector>

// A set of texts compared with a FastCollation (so "abc" and "ABC" are one member), for texts
// that the caller keeps alive and unchanged while they are members: it stores views, not
// copies. Open addressing with linear probing; removal leaves a tombstone.
class FoldedTextSet {
  public:
    explicit FoldedTextSet(const FastCollation& collation) : m_collation(&collation) {}

    bool contains(QStringView text) const;
    // Adds the text unless an equal one is a member; true when added.
    bool insert(QStringView text);
    bool remove(QStringView text);
    void clear();
    qsizetype size() const { return m_size; }

  private:
    struct Slot {
        const QChar* data = nullptr;
        qsizetype size = Empty;
    };
    static constexpr qsizetype Empty = -1;
    static constexpr qsizetype Removed = -2;

    // The slot holding an equal text, or -1.
    qsizetype find(QStringView text) const;
    // The slot of an equal text (or -1) and the first free slot on the way.
    std::pair<qsizetype, qsizetype> probe(QStringView text, std::size_t hash) const;
    void grow();

    const FastCollation* m_collation;
    std::vector<Slot> m_slots;
    qsizetype m_size = 0;
    qsizetype m_used = 0;  // members and tombstones
};
