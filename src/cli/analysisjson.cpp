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
        {"FilesSuggested", strings(a.FilesSuggested)},
        {"CoreModules", coreModules},
        {"PatchSets", strings(engine.manager().patchSetNames())},
        {"KnownPatchSets", strings(a.KnownPatchSets)},
        {"PatchAnalysisList", strings(a.PatchAnalysisList)},
        {"CompleteSets", strings(a.CompleteSets)},
        {"PartialMatches", strings(a.PartialMatches)},
        {"UnassignedPatches", strings(a.UnassignedPatches)},
    };
}

void addViews(QJsonObject& views, Engine& engine) {
    const AnalysisState& a = engine.analysis();
    // Rows made one at a time as they are written: a big report's rows are never all held at
    // once. The colours are JSON texts made once.
    QList<QByteArray> setColours;
    for (int k = 0; k < colourtable::kSetColours; ++k) {
        setColours.append(JsonStream::valueText(k));
    }
    const QByteArray none = JsonStream::valueText(QJsonValue());
    // A line's colour is its ":n" suffix, which the row's text leaves out.
    const auto patchRowsOf = [&setColours, &none](qsizetype count, auto lineAt) {
        return JsonStream::rowArray(
            count, [lineAt](qsizetype i) { return analysisviews::patchText(lineAt(i)); },
            [lineAt, setColours, none](qsizetype i) {
                const auto colour = analysisviews::patchColour(lineAt(i));
                return QByteArrayView(colour ? setColours.at(*colour) : none);
            });
    };
    if (const auto compact = a.PatchAnalysisList.compactLines()) {
        views.insert("OPatchListBox",
                     patchRowsOf(qsizetype(compact->size()),
                                 [compact](qsizetype i) { return (*compact)[std::size_t(i)]; }));
    } else {
        const QStringList patches = a.PatchAnalysisList.lines();
        views.insert("OPatchListBox", patchRowsOf(patches.size(), [patches](qsizetype i) {
                         return QStringView(patches.at(i));
                     }));
    }
    views.insert("OPatchSetsInConfigListBox",
                 patchRows(analysisviews::completeSetRows(a.CompleteSets)));
    const QStringList outOfDate = a.OutOfDateModules;
    QList<QByteArray> moduleColours;
    for (const auto colour : {colourtable::ModuleColour::Normal, colourtable::ModuleColour::Driver,
                              colourtable::ModuleColour::OutOfDate}) {
        const QString name = colourtable::moduleColourName(colour);
        moduleColours.append(JsonStream::valueText(name.isEmpty() ? QJsonValue() : name));
    }
    // A big module list in its compact form is written from its one-byte lines.
    const SortedTextList& list = engine.model().OtherModules;
    if (const std::shared_ptr<const LineArena> compact = list.compactLines()) {
        views.insert("OOtherDXPListBox",
                     JsonStream::rowArray(
                         qsizetype(compact->size()),
                         [compact](qsizetype i) { return (*compact)[std::size_t(i)]; },
                         [compact, outOfDate, moduleColours](qsizetype i) {
                             const auto colour =
                                 analysisviews::moduleColour((*compact)[std::size_t(i)], outOfDate);
                             return QByteArrayView(moduleColours.at(int(colour)));
                         }));
    } else {
        const QStringList modules = list.lines();
        views.insert(
            "OOtherDXPListBox",
            JsonStream::rowArray(
                modules.size(), [modules](qsizetype i) { return QStringView(modules.at(i)); },
                [modules, outOfDate, moduleColours](qsizetype i) {
                    const auto colour = analysisviews::moduleColour(modules.at(i), outOfDate);
                    return QByteArrayView(moduleColours.at(int(colour)));
                }));
    }
    views.insert("PartialMatchesBtn", engine.views().PartialMatchesBtn);
    views.insert("PatchListBoxVisible", engine.views().PatchListBoxVisible);
}

}  // namespace analysisjson
