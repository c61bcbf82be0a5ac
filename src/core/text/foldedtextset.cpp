#include "text/foldedtextset.h"

std::pair<qsizetype, qsizetype> FoldedTextSet::probe(QStringView text, quint32 hash) const {
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
        } else if (slot.hash == hash &&
                   m_collation->equal(QStringView(slot.data, slot.size), text)) {
            return {qsizetype(i), freeSlot};
        }
    }
}

bool FoldedTextSet::contains(QStringView text) const {
    return !m_slots.empty() && probe(text, quint32(m_collation->hash(text))).first >= 0;
}

bool FoldedTextSet::insert(QStringView text) {
    if ((m_used + 1) * 4 > qsizetype(m_slots.size()) * 3) {
        grow();
    }
    const quint32 hash = quint32(m_collation->hash(text));
    const auto [found, freeSlot] = probe(text, hash);
    if (found >= 0) {
        return false;
    }
    Slot& slot = m_slots[std::size_t(freeSlot)];
    if (slot.size == Empty) {
        ++m_used;
    }
    slot = Slot{text.data(), qint32(text.size()), hash};
    ++m_size;
    return true;
}

bool FoldedTextSet::remove(QStringView text) {
    if (m_slots.empty()) {
        return false;
    }
    const qsizetype i = probe(text, quint32(m_collation->hash(text))).first;
    if (i < 0) {
        return false;
    }
    m_slots[std::size_t(i)] = Slot{nullptr, Removed, 0};
    --m_size;
    return true;
}

void FoldedTextSet::clear() {
    std::vector<Slot>().swap(m_slots);  // gives the memory back
    m_size = 0;
    m_used = 0;
}

void FoldedTextSet::grow() {
    std::vector<Slot> old;
    old.swap(m_slots);
    std::size_t capacity = 16;
    while (capacity < std::size_t(m_size + 1) * 2) {
        capacity *= 2;
    }
    m_slots.assign(capacity, Slot{});
    m_used = m_size;
    const std::size_t mask = capacity - 1;
    for (const Slot& slot : old) {
        if (slot.size >= 0) {
            std::size_t i = slot.hash & mask;
            while (m_slots[i].size != Empty) {
                i = (i + 1) & mask;
            }
            m_slots[i] = slot;
        }
    }
}
