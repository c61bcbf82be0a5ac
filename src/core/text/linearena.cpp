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

char* LineArena::room(qsizetype length) {
    if (m_blocks.empty() || length > m_blockFree) {
        makeRoom(length);
    }
    char* const at = m_blocks.back().get() + (m_blockSize - m_blockFree);
    m_blockFree -= length;
    return at;
}

void LineArena::makeRoom(qsizetype length) {
    if (m_blocks.empty() || length > m_blockFree + m_blockUnbacked) {
        newBlock(length);  // a line longer than a block has one of its own size
    } else {
        backMore(length);
    }
}

void LineArena::newBlock(qsizetype atLeast) {
    const qsizetype next = m_blocks.empty()
                               ? FirstBlockSize
                               : std::min((m_blockSize + m_blockUnbacked) * 2, LargestBlockSize);
    std::size_t size = std::size_t(std::max(atLeast, next));
    m_blocks.push_back(memoryhints::makeBlock<char>(size, false));
    m_blockSize = 0;
    m_blockFree = 0;
    m_blockUnbacked = qsizetype(size);
    backMore(atLeast);
}

void LineArena::backMore(qsizetype length) {
    const qsizetype step = std::min(
        m_blockUnbacked, std::max(qsizetype(memoryhints::BackingStep), length - m_blockFree));
    memoryhints::prepareForWriting(m_blocks.back().get() + m_blockSize, std::size_t(step));
    m_blockSize += step;
    m_blockFree += step;
    m_blockUnbacked -= step;
}

QLatin1String LineArena::keep(QStringView line) {
    char* const at = room(line.size());
    const char16_t* from = line.utf16();
    for (qsizetype i = 0; i < line.size(); ++i) {
        at[i] = char(from[i]);
    }
    return QLatin1String(at, line.size());
}

QLatin1String LineArena::keepInNewBlock(QLatin1String line) {
    return copyInto(room(line.size()), line);
}

void LineArena::append(QStringView line) {
    m_lines.push_back(keep(line));
}

void LineArena::reserve(std::size_t lines, qsizetype characters) {
    m_lines.reserve(m_lines.size() + lines);
    memoryhints::prepareForWriting(m_lines.data() + m_lines.size(), lines * sizeof(QLatin1String));
    if (characters > m_blockFree) {
        makeRoom(characters);
    }
}

void LineArena::splice(LineArena&& other) {
    m_lines.insert(m_lines.end(), other.m_lines.begin(), other.m_lines.end());
    for (auto& block : other.m_blocks) {
        m_blocks.push_back(std::move(block));
    }
    if (!other.m_blocks.empty()) {  // later lines go on in other's last block
        m_blockSize = other.m_blockSize;
        m_blockFree = other.m_blockFree;
        m_blockUnbacked = other.m_blockUnbacked;
    }
    other.clear();
}

void LineArena::clear() {
    m_lines = {};
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_blockSize = 0;
    m_blockFree = 0;
    m_blockUnbacked = 0;
}
