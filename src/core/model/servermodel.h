#pragma once

#include "model/patchentrylist.h"
#include "model/reporttext.h"
#include "model/volumerecord.h"
#include "text/sortedtextlist.h"

#include <QStringList>
#include <array>

// The one in-memory description of the file server whose report is open. Most values stay in
// the report's own text form; the parser fills it line by line, the analysis reads it. A load
// resets it; it is plain data and copies item by item.
struct ServerModel {
    static constexpr int MaxVolumes = 70;

    // Server information, as text.
    QString ServerName;
    QString OSVersion;
    QString EngineType;
    QString InternalNetAddr;
    QString TotalMemory;
    QString LicensedConnections;
    QString ConfigCreated;
    QString ProducedBy;
    QString UpDays;
    QString UpHours;

    // Counters.
    int PatchModuleCount = 0;
    int OtherModuleCount = 0;
    int ModuleListingCount = 0;
    int ConfigHeaderCount = 0;
    int VolumeStatsCount = 0;

    // Flags.
    bool CompactModuleLines = false;
    bool HasPatchKitList = false;
    bool PatchesLoaded = false;
    bool HasAbendLog = false;

    // Lists.
    PatchEntryList PatchEntries;
    SortedTextList OtherModules;
    QStringList Interrupts;
    std::array<VolumeRecord, MaxVolumes> Volumes;
    int VolumeCount = 0;  // records the table holds (the most any volume table filled)
    // Suggestion groups: a first line that begins with Bullet, continuation lines, and a line
    // that holds one blank.
    QStringList Suggestions;
    inline static const QString Bullet = QStringLiteral(" \u2022 ");
    QStringList AutoexecDxs;
    QStringList DosAutoexecDxs;
    QStringList StartupDxs;
    QStringList ConfigSys;
    QStringList AutoexecBat;
    QStringList AbendLogLines;

    // Report text.
    QString ConfigFileName;
    ReportText ReportLines;
    int ActualLineCount = 0;

    // Empties every text field, list and volume record, zeroes the counters and flags and
    // sets the up-time parts to "0". The patch entries' ordering mode is kept.
    void reset();
    // The counters, flags and up time as the parse starts them.
    void resetParseValues();
    void clearVolumes();
};
