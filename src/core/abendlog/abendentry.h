#pragma once

#include <QString>

// One abend found in a log, in the order of the log (oldest first). The first three fields are
// the entry list's columns; DateTimeAndServer is also the key that finds the entry again.
struct AbendEntry {
    QString DateTimeAndServer;  // date and time of the halt, "  [", server name, "]"
    QString AbendMessage;       // the reason for the halt
    QString RunningProcess;     // process " (" creator ")", empty without such a line
    int StartLine = 0;          // index of the entry's halted line in the analysed text
};
