#include "model/servermodel.h"

void ServerModel::resetParseValues() {
    PatchModuleCount = 0;
    OtherModuleCount = 0;
    ModuleListingCount = 0;
    ConfigHeaderCount = 0;
    VolumeStatsCount = 0;
    CompactModuleLines = false;
    HasPatchKitList = false;
    PatchesLoaded = false;
    HasAbendLog = false;
    UpDays = QStringLiteral("0");
    UpHours = QStringLiteral("0");
}

void ServerModel::clearVolumes() {
    Volumes.fill(VolumeRecord{});
    VolumeCount = 0;
}

void ServerModel::reset() {
    const QString fileName = ConfigFileName;
    const PatchEntryList::Order order = PatchEntries.order();
    *this = ServerModel{};
    PatchEntries.setOrder(order);
    ConfigFileName = fileName;
    resetParseValues();
}
