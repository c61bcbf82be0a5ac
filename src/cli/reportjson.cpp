#include "reportjson.h"

#include "text/jsonstream.h"

namespace reportjson {

QJsonArray strings(const QStringList& lines) {
    return JsonStream::stringArray(lines);
}

namespace {

// A big list in its compact form (a SortedTextList or the patch entries) is written from its
// one-byte lines, never made strings.
template <typename List>
QJsonArray listStrings(const List& list) {
    if (const std::shared_ptr<const LineArena> compact = list.compactLines()) {
        return JsonStream::stringArray(qsizetype(compact->size()), [compact](qsizetype i) {
            return (*compact)[std::size_t(i)];
        });
    }
    return strings(list.lines());
}

}  // namespace

QJsonArray strings(const SortedTextList& list) {
    return listStrings(list);
}

namespace {

QJsonArray volumes(const ServerModel& m) {
    QJsonArray out;
    for (int k = 0; k < m.VolumeCount; ++k) {
        const VolumeRecord& r = m.Volumes[k];
        out.append(QJsonObject{{"Name", r.Name},
                               {"NameSpaces", r.NameSpaces},
                               {"FreeBlocks", r.FreeBlocks},
                               {"PurgableBlocks", r.PurgableBlocks},
                               {"PurgableDiskSpace", r.PurgableDiskSpace},
                               {"VolumeSize", r.VolumeSize}});
    }
    return out;
}

template <std::size_t N>
QJsonArray strings(const std::array<QString, N>& texts) {
    QJsonArray out;
    for (const QString& t : texts) {
        out.append(t);
    }
    return out;
}

}  // namespace

QJsonObject model(const ServerModel& m) {
    return QJsonObject{
        {"ConfigFileName", m.ConfigFileName},
        {"ServerName", m.ServerName},
        {"OSVersion", m.OSVersion},
        {"EngineType", m.EngineType},
        {"InternalNetAddr", m.InternalNetAddr},
        {"TotalMemory", m.TotalMemory},
        {"LicensedConnections", m.LicensedConnections},
        {"ConfigCreated", m.ConfigCreated},
        {"ProducedBy", m.ProducedBy},
        {"UpDays", m.UpDays},
        {"UpHours", m.UpHours},
        {"PatchModuleCount", m.PatchModuleCount},
        {"OtherModuleCount", m.OtherModuleCount},
        {"ModuleListingCount", m.ModuleListingCount},
        {"ConfigHeaderCount", m.ConfigHeaderCount},
        {"VolumeStatsCount", m.VolumeStatsCount},
        {"CompactModuleLines", m.CompactModuleLines},
        {"HasPatchKitList", m.HasPatchKitList},
        {"PatchesLoaded", m.PatchesLoaded},
        {"HasAbendLog", m.HasAbendLog},
        {"PatchEntries", listStrings(m.PatchEntries)},
        {"OtherModules", strings(m.OtherModules)},
        {"Interrupts", strings(m.Interrupts)},
        {"Suggestions", strings(m.Suggestions)},
        {"AutoexecDxs", strings(m.AutoexecDxs)},
        {"DosAutoexecDxs", strings(m.DosAutoexecDxs)},
        {"StartupDxs", strings(m.StartupDxs)},
        {"ConfigSys", strings(m.ConfigSys)},
        {"AutoexecBat", strings(m.AutoexecBat)},
        {"AbendLogLines", strings(m.AbendLogLines)},
        {"Volumes", volumes(m)},
    };
}

QJsonObject views(const MainViews& v) {
    return QJsonObject{
        {"Caption", v.Caption},
        {"ServNameEdit", v.ServNameEdit},
        {"OSVerEdit", v.OSVerEdit},
        {"EngTypeEdit", v.EngTypeEdit},
        {"IntNetEdit", v.IntNetEdit},
        {"TotMemEdit", v.TotMemEdit},
        {"LicEdit", v.LicEdit},
        {"ConfigDateLabel", v.ConfigDateLabel},
        {"ConfigDXPLabel", v.ConfigDXPLabel},
        {"PatchesLabel", v.PatchesLabel},
        {"OtherDXPLabel", v.OtherDXPLabel},
        {"SuggestionGroupBox", v.SuggestionGroupBox},
        {"VolumeHeader", strings(v.VolumeHeader)},
        {"VolListBox", strings(v.VolListBox)},
        {"VolCountLabel", v.VolCountLabel},
        {"IntListBox", strings(v.IntListBox)},
        {"StatusPanels", strings(v.StatusPanels)},
    };
}

QJsonArray messages(const QList<RecordingDialogs::Message>& list) {
    QJsonArray out;
    for (const auto& m : list) {
        out.append(QJsonObject{{"kind", messageKindName(m.kind)}, {"text", m.text}});
    }
    return out;
}

}  // namespace reportjson
