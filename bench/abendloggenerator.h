#pragma once

#include <QByteArray>

// Builds synthetic abend logs of any size: `entries` abends of about 524 bytes each (so
// 100,000 entries make 50 MB), each with its halted and message lines, registers, a running
// process with its creator, and a block of loaded modules with version lines, closed by a line
// of asterisks. CR LF line ends.
namespace abendloggen {

QByteArray generate(int entries);

}  // namespace abendloggen
