#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

// Hints to the system about how the program uses its memory.
namespace memoryhints {

// Asks for the memory from p on to be backed by large pages where the system offers them
// (only the whole large pages inside it): a buffer of tens of megabytes then costs a few page
// faults instead of thousands. Call it before the memory is first written.
void preferLargePages(void* p, std::size_t size);

// Large pages as above, and the memory backed by the system now, in one call: for a buffer
// about to be written whole. A fault on every page as the writing reaches it costs several
// times as much where the program runs in a virtual machine.
void prepareForWriting(void* p, std::size_t size);

// A block of memory to be written whole: from large-page size on it is aligned to and rounded
// up to whole large pages, so every page of it may be a large one, and it is backed at once
// (see prepareForWriting) unless backNow is false, when its owner backs each part before it
// writes there. Its usable size is returned through size.
struct FreeMemory {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Block = std::unique_ptr<T[], FreeMemory>;
void* allocateBlock(std::size_t& size, bool backNow = true);
template <typename T>
Block<T> makeBlock(std::size_t& count, bool backNow = true) {
    std::size_t size = count * sizeof(T);
    Block<T> block(static_cast<T*>(allocateBlock(size, backNow)));
    count = size / sizeof(T);
    return block;
}

// How much of a big block its owner backs at a time (see allocateBlock): the last block of a
// long list is mostly empty, and memory costs nothing until it is backed.
constexpr std::size_t BackingStep = 2 * 1024 * 1024;

// For a process that does one job and ends: memory it frees is kept for its next allocations
// instead of being handed back to the system, whose fresh pages must each be cleared first (and
// on a virtual machine may have to be fetched from the host). Large blocks come from the same
// pool, and every thread shares it. Call it first thing, before any thread starts.
void keepFreedMemory();

}  // namespace memoryhints
