#pragma once

#include "analysis/colourtable.h"

#include <QLatin1String>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class SortedTextList;

// The rows of the Config Analysis page's three coloured views, as text and colour, computed
// from the analysis lists the way the window draws them.
namespace analysisviews {

struct PatchRow {
    QString text;
    std::optional<int> colour;  // set colour index 0 to 7; none for normal colours
};

struct ModuleRow {
    QString text;
    colourtable::ModuleColour colour;
};

// OPatchListBox: a line that ends in ":" and a digit carries its set's colour index there.
QList<PatchRow> patchRows(const QStringList& patchAnalysisList);
// OPatchSetsInConfigListBox: row i in the colours of index i (from the ninth on, index 7).
QList<PatchRow> completeSetRows(const QStringList& completeSets);
// OOtherDXPListBox: drivers yellow, modules that begin with an out-of-date name red.
QList<ModuleRow> moduleRows(const QStringList& otherModules, const QStringList& outOfDate);
// One of those rows.
ModuleRow moduleRow(const QString& line, const QStringList& outOfDate);
// The colour alone, as moduleRow() gives it, without copying the line.
colourtable::ModuleColour moduleColour(QStringView line, const QStringList& outOfDate);
colourtable::ModuleColour moduleColour(QLatin1String line, const QStringList& outOfDate);
// A patchRows() row's colour index; when there is one, the row's text is the line without its
// last two characters.
std::optional<int> patchColour(QStringView line);
std::optional<int> patchColour(QLatin1String line);
// A patchRows() row's text: the line without the colour suffix it may carry.
QStringView patchText(QStringView line);
QLatin1String patchText(QLatin1String line);

}  // namespace analysisviews
