#include "text/foldedtextset.h"

qsizetype FoldedTextSet::find(QStringView text) const {
    return m_slots.empty() ? -1 : probe(text, m_collation->hash(text)).first;
}

std::pair<qsizetype, qsizetype> FoldedTextSet::probe(QStringView text, std::size_t hash) const {
    const std::size_t mask = m_slots.size() - 1;
    qsizetype freeSlot = -1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.size == Empty) {
            return {-1, freeSlot < 0 ? qsizetype(i) : freeSlot};
        }
        if (slot.size == Removed) {
            if (freeSlot < 0) {
                freeSlot = qsizetype(i);
            }
        } else if (m_collation->equal(QStringView(slot.data, slot.size), text)) {
            return {qsizetype(i), freeSlot};
        }
    }
}

bool FoldedTextSet::contains(QStringView text) const {
    return find(text) >= 0;
}

bool FoldedTextSet::insert(QStringView text) {
    if ((m_used + 1) * 2 > qsizetype(m_slots.size())) {
        grow();
    }
    const auto [found, freeSlot] = probe(text, m_collation->hash(text));
    if (found >= 0) {
        return false;
    }
    Slot& slot = m_slots[std::size_t(freeSlot)];
    if (slot.size == Empty) {
        ++m_used;
    }
    slot = Slot{text.data(), text.size()};
    ++m_size;
    return true;
}

bool FoldedTextSet::remove(QStringView text) {
    const qsizetype i = find(text);
    if (i < 0) {
        return false;
    }
    m_slots[std::size_t(i)] = Slot{nullptr, Removed};
    --m_size;
    return true;
}

void FoldedTextSet::clear() {
    m_slots.clear();
    m_size = 0;
    m_used = 0;
}

void FoldedTextSet::grow() {
    std::vector<Slot> old;
    old.swap(m_slots);
    std::size_t capacity = 16;
    while (capacity < std::size_t(m_size + 1) * 4) {
        capacity *= 2;
    }
    m_slots.assign(capacity, Slot{});
    m_used = 0;
    m_size = 0;
    for (const Slot& slot : old) {
        if (slot.size >= 0) {
            insert(QStringView(slot.data, slot.size));
        }
    }
}
