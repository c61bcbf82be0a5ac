#pragma once

#include <cstddef>

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

}  // namespace memoryhints
