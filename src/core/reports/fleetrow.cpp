#include "reports/fleetrow.h"

#include "engine/engine.h"

bool hasFindings(const QStringList& suggestions) {
    static const QString nothing =
        ServerModel::Bullet + QStringLiteral("No suggestions at this time.");
    for (const QString& line : suggestions) {
        if (line.startsWith(ServerModel::Bullet) && line != nothing) {
            return true;
        }
    }
    return false;
}

void FleetRow::fill(Engine& engine) {
    const ServerModel& m = engine.model();
    const AnalysisState& a = engine.analysis();
    serverName = m.ServerName.trimmed();
    osVersion = m.OSVersion;
    patches = m.PatchEntries.size();
    otherModules = m.OtherModules.size();
    completeSets = int(a.CompleteSets.size());
    partialMatches = int(a.PartialMatches.size());
    outOfDateModules = int(a.OutOfDateModules.size());
    suggestions = 0;
    for (const QString& line : m.Suggestions) {
        suggestions += line.startsWith(ServerModel::Bullet) ? 1 : 0;
    }
    hasFindings = ::hasFindings(m.Suggestions);
}
