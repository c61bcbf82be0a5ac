#pragma once

#include <QStringList>

// Builds synthetic configuration reports of any size: a header, a module listing with the
// given number of modules (every tenth a patch module), a patch list, a volume table with its
// statistics blocks, disk devices, LAN drivers and embedded start-up files.
namespace reportgen {

struct Shape {
    int modules = 100;
    int volumes = 10;  // at most 70 are kept by the parser
    int disks = 8;
    int lanDrivers = 4;
    bool compact = false;
    // Random module names in random order (from a fixed seed), instead of names spread evenly.
    bool randomNames = false;
};

QStringList generate(const Shape& shape);

}  // namespace reportgen
