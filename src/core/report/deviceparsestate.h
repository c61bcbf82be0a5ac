#pragma once

#include <QSet>
#include <QString>

// The states that the disk and LAN recognisers and the interrupt step share in one parse.
struct DeviceParseState {
    QString text;  // the disk or LAN line being built
    bool deviceOpen = false;
    bool disksDone = false;
    bool lanDone = false;
    QSet<QString> interruptLines;  // every line of Interrupts, for the duplicate test
};
