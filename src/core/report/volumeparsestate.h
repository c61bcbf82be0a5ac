#pragma once

#include <QString>

// The states that the volume table, statistics and output recognisers share in one parse.
struct VolumeParseState {
    bool tableDone = false;
    bool statisticsComplete = false;
    int rows = 0;  // records of the current table; the model keeps the most ever filled
    QString previousName;
    bool dropRows = false;  // the current volume found no room in the table
};
