#include "model/serversnapshot.h"

void ServerSnapshot::clear() {
    *this = ServerSnapshot{};
}

void ServerSnapshot::take(const ServerModel& model, const QStringList& completeSets) {
    ServerName = model.ServerName.trimmed();
    OSVersion = model.OSVersion;
    PatchTotal = int(model.PatchEntries.size());
    ModuleTotal = model.OtherModules.size();
    SetTotal = int(completeSets.size());
    Sets = completeSets;
    Modules = model.OtherModules.lines();
}
