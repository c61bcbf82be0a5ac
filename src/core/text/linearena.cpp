#include "text/linearena.h"

#include "text/memoryhints.h"

#include <algorithm>

namespace {

// Characters in the first block (64 KB); each further block is twice the one before, up to
// 8 MB, so a short list costs little and a long one few blocks.
constexpr qsizetype FirstBlockSize = 64 * 1024;
constexpr qsizetype LargestBlockSize = 8 * 1024 * 1024;

}  // namespace

LineArena::LineArena(const LineArena& other) {
    m_lines.reserve(other.m_lines.size());
    for (const QLatin1String line : other.m_lines) {
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

char* LineArena::reserve(qsizetype length) {
    if (m_blocks.empty() || length > m_blockFree) {
        // A new block; a line longer than a block has one of its own size.
        const qsizetype next =
            m_blocks.empty() ? FirstBlockSize : std::min(m_blockSize * 2, LargestBlockSize);
        m_blockSize = std::max(length, next);
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(std::size_t(m_blockSize)));
        memoryhints::preferLargePages(m_blocks.back().get(), std::size_t(m_blockSize));
        m_blockFree = m_blockSize;
    }
    char* const at = m_blocks.back().get() + (m_blockSize - m_blockFree);
    m_blockFree -= length;
    return at;
}

void LineArena::append(QStringView line) {
    char* const at = reserve(line.size());
    const char16_t* from = line.utf16();
    for (qsizetype i = 0; i < line.size(); ++i) {
        at[i] = char(from[i]);
    }
    m_lines.emplace_back(at, line.size());
}

void LineArena::append(QLatin1String line) {
    char* const at = reserve(line.size());
    std::copy(line.data(), line.data() + line.size(), at);
    m_lines.emplace_back(at, line.size());
}

void LineArena::clear() {
    m_lines = {};
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_blockSize = 0;
    m_blockFree = 0;
}
