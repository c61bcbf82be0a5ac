#pragma once

#include "model/servermodel.h"

#include <QString>
#include <QStringList>

// The copy of one analysed server that the comparison keeps: the baseline server or the
// compared server. It is taken from the current model and the complete patch sets that the
// patch set verification found, and later loads never change it. A snapshot whose ServerName
// is empty is empty.
struct ServerSnapshot {
    QString ServerName;  // trimmed
    QString OSVersion;
    int PatchTotal = 0;
    int ModuleTotal = 0;
    int SetTotal = 0;
    QStringList Sets;     // the complete sets' display lines, in verification order
    QStringList Modules;  // OtherModules, in their sorted order

    bool isEmpty() const { return ServerName.isEmpty(); }
    void clear();
    // Replaces every field with the current report's values.
    void take(const ServerModel& model, const QStringList& completeSets);
};
