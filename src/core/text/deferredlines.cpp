#include "text/deferredlines.h"

#include "text/memoryhints.h"

void SortItemBlocks::addBlock() {
    if (m_blocks.empty() || m_lastCapacity == m_blocks.back().capacity) {
        std::size_t capacity = std::min(
            FirstBlockItems << std::min<std::size_t>(m_blocks.size(), 16), LargestBlockItems);
        m_blocks.push_back({memoryhints::makeBlock<SortItem>(capacity, false), capacity});
        m_lastCapacity = 0;
        m_inLast = 0;
    }
    // The last block is backed piece by piece as it fills.
    const Block& last = m_blocks.back();
    const std::size_t step =
        std::min(last.capacity - m_lastCapacity, memoryhints::BackingStep / sizeof(SortItem));
    memoryhints::prepareForWriting(last.items.get() + m_lastCapacity, step * sizeof(SortItem));
    m_lastCapacity += step;
}

void SortItemBlocks::clear() {
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_size = 0;
    m_inLast = 0;
    m_lastCapacity = 0;
    m_firstRanks.fill(0);
}

DeferredLines::DeferredLines(const DeferredLines& other) {
    other.items.forEach([this](SortItem item) {
        item.data = chars.keep(item.text()).data();
        items.push_back(item);
    });
}

DeferredLines& DeferredLines::operator=(const DeferredLines& other) {
    if (this != &other) {
        DeferredLines copy(other);
        *this = std::move(copy);
    }
    return *this;
}
