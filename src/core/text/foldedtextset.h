#pragma once

#include "text/fastcollation.h"

#include <QStringView>
#include <utility>
#include <vector>

// A set of texts compared with a FastCollation (so "abc" and "ABC" are one member), for texts
// that the caller keeps alive and unchanged while they are members: it stores views, not
// copies. Open addressing with linear probing, at most three quarters full; each slot keeps its
// text's hash, so a probe looks at a text only when the hashes agree and growing never hashes a
// text again. Removal leaves a tombstone.
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
        qint32 size = Empty;
        quint32 hash = 0;
    };
    static constexpr qint32 Empty = -1;
    static constexpr qint32 Removed = -2;

    // The slot holding an equal text (or -1) and the first free slot on the way.
    std::pair<qsizetype, qsizetype> probe(QStringView text, quint32 hash) const;
    void grow();

    const FastCollation* m_collation;
    std::vector<Slot> m_slots;
    qsizetype m_size = 0;
    qsizetype m_used = 0;  // members and tombstones
};
