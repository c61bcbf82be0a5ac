#include "text/linearena.h"

#include <algorithm>

namespace {

// Characters in a block (1 MB).
constexpr qsizetype BlockSize = 512 * 1024;

}  // namespace

LineArena::LineArena(const LineArena& other) {
    m_lines.reserve(other.m_lines.size());
    for (const QStringView line : other.m_lines) {
        append(line);
    }
}

LineArena& LineArena::operator=(const LineArena& other) {
    if (this != &other) {
        LineArena copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void LineArena::append(QStringView line) {
    if (m_blocks.empty() || line.size() > m_blockFree) {
        // A new block; a line longer than a block has one of its own size.
        m_blockSize = std::max(line.size(), BlockSize);
        m_blocks.push_back(std::make_unique_for_overwrite<char16_t[]>(std::size_t(m_blockSize)));
        m_blockFree = m_blockSize;
    }
    char16_t* const at = m_blocks.back().get() + (m_blockSize - m_blockFree);
    std::copy(line.utf16(), line.utf16() + line.size(), at);
    m_blockFree -= line.size();
    m_lines.emplace_back(at, line.size());
}

void LineArena::clear() {
    m_lines.clear();
    m_blocks.clear();
    m_blockSize = 0;
    m_blockFree = 0;
}
