#pragma once

#include "text/linearena.h"
#include "text/memoryhints.h"

#include <QLatin1String>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

// A line of a sorted list waiting to be sorted: its first eight collation ranks packed in one
// number, which decide most comparisons without touching its characters, where its one-byte
// characters lie, and its place among the lines added.
struct SortItem {
    quint64 prefix;
    const char* data;
    qint32 size;
    quint32 index;

    QLatin1String text() const { return QLatin1String(data, size); }
};

// Items kept in blocks that never move, each twice the one before up to a limit: a list of half
// a million lines grows without copying what it holds, and the sort reads the blocks where they
// are.
class SortItemBlocks {
  public:
    void push_back(const SortItem& item) {
        if (m_inLast == m_lastCapacity) {
            addBlock();
        }
        m_blocks.back().items[m_inLast++] = item;
        ++m_size;
        ++m_firstRanks[item.prefix >> 56];
    }
    std::size_t size() const { return m_size; }
    // How many items have each rank of their first character (the prefix's highest byte),
    // counted as they come so that a big sort need not count them again.
    const std::array<std::size_t, 256>& firstRanks() const { return m_firstRanks; }
    bool empty() const { return m_size == 0; }
    // Calls f(const SortItem&) with every item in order.
    template <typename F>
    void forEach(F&& f) const {
        for (std::size_t b = 0; b < m_blocks.size(); ++b) {
            const std::size_t count = b + 1 < m_blocks.size() ? m_blocks[b].capacity : m_inLast;
            for (std::size_t k = 0; k < count; ++k) {
                f(m_blocks[b].items[k]);
            }
        }
    }
    void clear();

  private:
    static constexpr std::size_t FirstBlockItems = 256;
    static constexpr std::size_t LargestBlockItems = 128 * 1024;
    // Backs more of the last block, or adds a block when it is full.
    void addBlock();

    struct Block {
        memoryhints::Block<SortItem> items;
        std::size_t capacity;
    };
    std::vector<Block> m_blocks;
    std::size_t m_size = 0;
    std::size_t m_inLast = 0;        // items in the last block
    std::size_t m_lastCapacity = 0;  // room in the last block, as far as it is backed
    std::array<std::size_t, 256> m_firstRanks{};
};

// Lines added to a sorted list and not yet sorted: their characters, and each line ready for
// the sort, in the order they came in. A copy keeps copies of the characters.
struct DeferredLines {
    LineArena chars;
    SortItemBlocks items;

    DeferredLines() = default;
    DeferredLines(const DeferredLines& other);
    DeferredLines& operator=(const DeferredLines& other);
    DeferredLines(DeferredLines&&) noexcept = default;
    DeferredLines& operator=(DeferredLines&&) noexcept = default;

    bool empty() const { return items.empty(); }
    void clear() {
        items.clear();
        chars.clear();
    }
};
