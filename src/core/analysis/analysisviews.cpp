#include "analysis/analysisviews.h"

#include "analysis/loadedmodule.h"

#include <algorithm>

namespace analysisviews {

QList<PatchRow> patchRows(const QStringList& patchAnalysisList) {
    QList<PatchRow> rows;
    rows.reserve(patchAnalysisList.size());
    for (const QString& line : patchAnalysisList) {
        const qsizetype n = line.size();
        // Only a real suffix counts, so a patch line with a ":" of its own is shown whole.
        if (n >= 2 && line.at(n - 2) == u':' && line.at(n - 1) >= u'0' && line.at(n - 1) <= u'7') {
            rows.append({line.left(n - 2), line.at(n - 1).unicode() - u'0'});
        } else {
            rows.append({line, std::nullopt});
        }
    }
    return rows;
}

QList<PatchRow> completeSetRows(const QStringList& completeSets) {
    QList<PatchRow> rows;
    for (qsizetype i = 0; i < completeSets.size(); ++i) {
        rows.append(
            {completeSets.at(i), int(std::min<qsizetype>(i, colourtable::kSetColours - 1))});
    }
    return rows;
}

ModuleRow moduleRow(const QString& line, const QStringList& outOfDate) {
    using colourtable::ModuleColour;
    ModuleColour colour =
        loadedmodule::isDriver(line) ? ModuleColour::Driver : ModuleColour::Normal;
    for (const QString& name : outOfDate) {
        if (!name.isEmpty() && line.startsWith(name)) {
            colour = ModuleColour::OutOfDate;
        }
    }
    return {line, colour};
}

QList<ModuleRow> moduleRows(const QStringList& otherModules, const QStringList& outOfDate) {
    QList<ModuleRow> rows;
    rows.reserve(otherModules.size());
    for (const QString& line : otherModules) {
        rows.append(moduleRow(line, outOfDate));
    }
    return rows;
}

}  // namespace analysisviews
