#include "text/deferredlines.h"

#include "text/memoryhints.h"

void SortItemBlocks::addBlock() {
    m_lastCapacity = capacityOf(m_blocks.size());
    m_blocks.push_back(std::make_unique_for_overwrite<SortItem[]>(m_lastCapacity));
    memoryhints::prepareForWriting(m_blocks.back().get(), m_lastCapacity * sizeof(SortItem));
    m_inLast = 0;
}

void SortItemBlocks::clear() {
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_size = 0;
    m_inLast = 0;
    m_lastCapacity = 0;
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
