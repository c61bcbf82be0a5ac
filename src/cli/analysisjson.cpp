#include "analysisjson.h"

#include "reportjson.h"

#include "analysis/analysisviews.h"
#include "engine/engine.h"
#include "text/jsonstream.h"

#include <QJsonArray>

namespace analysisjson {

namespace {

QJsonArray patchRows(const QList<analysisviews::PatchRow>& rows) {
    QList<JsonStream::Row> out;
    out.reserve(rows.size());
    for (const auto& row : rows) {
        out.append({row.text, row.colour ? QJsonValue(*row.colour) : QJsonValue()});
    }
    return JsonStream::rowArray(out);
}

}  // namespace

QJsonObject analysis(Engine& engine) {
    const AnalysisState& a = engine.analysis();
    const CoreModulePage& core = engine.manager().corePage();
    QJsonArray coreModules;
    for (qsizetype i = 0; i < core.keys().size(); ++i) {
        coreModules.append(
            QJsonObject{{"key", core.keys().at(i)}, {"version", core.CoreVersions().value(i)}});
    }
    using reportjson::strings;
    return QJsonObject{
        {"OutOfDateModules", strings(a.OutOfDateModules)},
        {"FilesSuggested", strings(a.FilesSuggested.lines())},
        {"CoreModules", coreModules},
        {"PatchSets", strings(engine.manager().patchSetNames())},
        {"KnownPatchSets", strings(a.KnownPatchSets)},
        {"PatchAnalysisList", strings(a.PatchAnalysisList.lines())},
        {"CompleteSets", strings(a.CompleteSets)},
        {"PartialMatches", strings(a.PartialMatches)},
        {"UnassignedPatches", strings(a.UnassignedPatches.lines())},
    };
}

void addViews(QJsonObject& views, Engine& engine) {
    const AnalysisState& a = engine.analysis();
    views.insert("OPatchListBox", patchRows(analysisviews::patchRows(a.PatchAnalysisList.lines())));
    views.insert("OPatchSetsInConfigListBox",
                 patchRows(analysisviews::completeSetRows(a.CompleteSets)));
    // One row at a time as it is written: a big report's rows are never all held at once.
    const QStringList modules = engine.model().OtherModules.lines();
    const QStringList outOfDate = a.OutOfDateModules;
    views.insert(
        "OOtherDXPListBox", JsonStream::rowArray(modules.size(), [modules, outOfDate](qsizetype i) {
            const analysisviews::ModuleRow row = analysisviews::moduleRow(modules.at(i), outOfDate);
            const QString colour = colourtable::moduleColourName(row.colour);
            return JsonStream::Row{row.text, colour.isEmpty() ? QJsonValue() : QJsonValue(colour)};
        }));
    views.insert("PartialMatchesBtn", engine.views().PartialMatchesBtn);
    views.insert("PatchListBoxVisible", engine.views().PatchListBoxVisible);
}

}  // namespace analysisjson
