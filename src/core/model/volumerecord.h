#pragma once

#include <QString>

// One mounted volume: its row(s) of the volume table and its statistics block.
struct VolumeRecord {
    QString Name;
    QString NameSpaces;
    QString FreeBlocks;
    QString PurgableBlocks;
    QString PurgableDiskSpace;
    QString VolumeSize;
};
