#include "analysis/analysisviews.h"

#include "analysis/loadedmodule.h"

#include <algorithm>

namespace analysisviews {

QList<PatchRow> patchRows(const QStringList& patchAnalysisList) {
    QList<PatchRow> rows;
    rows.reserve(patchAnalysisList.size());
    for (const QString& line : patchAnalysisList) {
        const std::optional<int> colour = patchColour(line);
        rows.append({colour ? line.left(line.size() - 2) : line, colour});
    }
    return rows;
}

namespace {

// Only a real suffix counts, so a patch line with a ":" of its own is shown whole.
template <typename Line>
std::optional<int> suffixColour(Line line) {
    const qsizetype n = line.size();
    if (n >= 2 && line.at(n - 2) == u':' && line.at(n - 1) >= u'0' && line.at(n - 1) <= u'7') {
        return line.at(n - 1).unicode() - u'0';
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> patchColour(QStringView line) {
    return suffixColour(line);
}

std::optional<int> patchColour(QLatin1String line) {
    return suffixColour(line);
}

QStringView patchText(QStringView line) {
    return suffixColour(line) ? line.chopped(2) : line;
}

QLatin1String patchText(QLatin1String line) {
    return suffixColour(line) ? line.chopped(2) : line;
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
    return {line, moduleColour(line, outOfDate)};
}

namespace {

template <typename Text>
colourtable::ModuleColour colourOf(Text line, const QStringList& outOfDate) {
    using colourtable::ModuleColour;
    for (const QString& name : outOfDate) {
        if (!name.isEmpty() && line.startsWith(name)) {
            return ModuleColour::OutOfDate;
        }
    }
    return loadedmodule::isDriver(line) ? ModuleColour::Driver : ModuleColour::Normal;
}

}  // namespace

colourtable::ModuleColour moduleColour(QStringView line, const QStringList& outOfDate) {
    return colourOf(line, outOfDate);
}

colourtable::ModuleColour moduleColour(QLatin1String line, const QStringList& outOfDate) {
    return colourOf(line, outOfDate);
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
