#pragma once

#include <QStringView>
#include <memory>
#include <vector>

// Lines kept as characters in large blocks that never move, each line a view into them: many
// short lines cost a few allocations instead of one each. A copy holds copies of the lines.
class LineArena {
  public:
    LineArena() = default;
    LineArena(const LineArena& other);
    LineArena& operator=(const LineArena& other);
    LineArena(LineArena&&) noexcept = default;
    LineArena& operator=(LineArena&&) noexcept = default;

    void append(QStringView line);
    std::size_t size() const { return m_lines.size(); }
    bool empty() const { return m_lines.empty(); }
    QStringView operator[](std::size_t k) const { return m_lines[k]; }
    const std::vector<QStringView>& lines() const { return m_lines; }
    // Frees the blocks.
    void clear();

  private:
    std::vector<std::unique_ptr<char16_t[]>> m_blocks;
    qsizetype m_blockSize = 0;  // characters in the last block
    qsizetype m_blockFree = 0;  // of them still free
    std::vector<QStringView> m_lines;
};
