#include "text/foldedtextset.h"

qsizetype FoldedTextSet::find(QStringView text) const {
    if (m_slots.empty()) {
        return -1;
    }
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = m_collation->hash(text) & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.size == Empty) {
            return -1;
        }
        if (slot.size >= 0 && m_collation->equal(QStringView(slot.data, slot.size), text)) {
            return qsizetype(i);
        }
    }
}

bool FoldedTextSet::contains(QStringView text) const {
    return find(text) >= 0;
}

bool FoldedTextSet::insert(QStringView text) {
    if (find(text) >= 0) {
        return false;
    }
    if ((m_used + 1) * 2 > qsizetype(m_slots.size())) {
        grow();
    }
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = m_collation->hash(text) & mask;
    while (m_slots[i].size >= 0) {
        i = (i + 1) & mask;
    }
    if (m_slots[i].size == Empty) {
        ++m_used;
    }
    m_slots[i] = Slot{text.data(), text.size()};
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
