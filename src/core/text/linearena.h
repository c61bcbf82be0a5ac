#pragma once

#include "text/memoryhints.h"

#include <QLatin1String>
#include <QStringView>
#include <cstring>
#include <memory>
#include <vector>

// Lines kept as characters in large blocks that never move, each line a view into them: many
// short lines cost a few allocations instead of one each. Every character must be below 256
// (the lists that keep lines here hold ASCII only), so a character takes one byte. A copy holds
// copies of the lines.
class LineArena {
  public:
    LineArena() = default;
    LineArena(const LineArena& other);
    LineArena& operator=(const LineArena& other);
    LineArena(LineArena&&) noexcept = default;
    LineArena& operator=(LineArena&&) noexcept = default;

    void append(QStringView line);
    void append(QLatin1String line) { m_lines.push_back(keep(line)); }
    // Copies the characters into the blocks without listing them as a line; the view stays
    // valid as long as the arena.
    QLatin1String keep(QLatin1String line) {
        if (m_blocks.empty() || line.size() > m_blockFree) {
            return keepInNewBlock(line);
        }
        const QLatin1String kept =
            copyInto(m_blocks.back().get() + (m_blockSize - m_blockFree), line);
        m_blockFree -= line.size();
        return kept;
    }
    QLatin1String keep(QStringView line);
    // Room for this many more lines of this many characters in all, so they are added without
    // a block or the list of lines growing on the way.
    void reserve(std::size_t lines, qsizetype characters);
    // Moves the lines of other, in their order, after these; their characters stay where they
    // are, in blocks this arena now owns.
    void splice(LineArena&& other);
    std::size_t size() const { return m_lines.size(); }
    bool empty() const { return m_lines.empty(); }
    QLatin1String operator[](std::size_t k) const { return m_lines[k]; }
    const std::vector<QLatin1String>& lines() const { return m_lines; }
    // Frees the blocks.
    void clear();

  private:
    // Room for a line of the given length at the end of the last block.
    char* room(qsizetype length);
    QLatin1String keepInNewBlock(QLatin1String line);
    // The line's characters copied to `at`; a short line is two copies of a fixed size that
    // overlap as needed, inline.
    static QLatin1String copyInto(char* at, QLatin1String line) {
        const char* from = line.data();
        const qsizetype n = line.size();
        if (n >= 16 && n <= 32) {
            std::memcpy(at, from, 16);
            std::memcpy(at + n - 16, from + n - 16, 16);
        } else if (n > 32 && n <= 64) {
            std::memcpy(at, from, 32);
            std::memcpy(at + n - 32, from + n - 32, 32);
        } else if (n > 0) {
            std::memcpy(at, from, std::size_t(n));
        }
        return QLatin1String(at, n);
    }
    // Room for this many characters at the end of the last block: more of it backed, or a new
    // last block of at least this many characters.
    void makeRoom(qsizetype length);
    void newBlock(qsizetype atLeast);
    void backMore(qsizetype length);

    std::vector<memoryhints::Block<char>> m_blocks;
    // The last block is backed piece by piece as it fills (see memoryhints::BackingStep).
    qsizetype m_blockSize = 0;      // characters of the last block that are backed
    qsizetype m_blockFree = 0;      // of them still free
    qsizetype m_blockUnbacked = 0;  // characters of the last block beyond them
    std::vector<QLatin1String> m_lines;
};
