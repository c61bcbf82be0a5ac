#include "analysis/analysisviews.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

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

std::optional<int> patchColour(QStringView line) {
    const qsizetype n = line.size();
    // Only a real suffix counts, so a patch line with a ":" of its own is shown whole.
    if (n >= 2 && line.at(n - 2) == u':' && line.at(n - 1) >= u'0' && line.at(n - 1) <= u'7') {
        return line.at(n - 1).unicode() - u'0';
    }
    return std::nullopt;
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

// Whether eight bytes of characters hold a dot: each character XOR '.' is zero only for a dot,
// and the carry trick finds a zero character in all of them at once.
template <typename Unit>
bool hasDot(const Unit* p) {
    constexpr std::uint64_t ones = sizeof(Unit) == 1 ? 0x0101010101010101u : 0x0001000100010001u;
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    word ^= ones * '.';
    return ((word - ones) & ~word & (ones << (8 * sizeof(Unit) - 1))) != 0;
}

// loadedmodule::isDriver() in one pass over the characters, whatever their size: a dot with a
// driver's three capitals after it. Eight bytes without a dot are passed over at once.
template <typename Unit>
bool hasDriverMark(const Unit* p, qsizetype n) {
    constexpr qsizetype wordUnits = 8 / sizeof(Unit);
    for (qsizetype dot = 0; dot + 3 < n;) {
        if (dot + wordUnits <= n && !hasDot(p + dot)) {
            dot += wordUnits;
            continue;
        }
        if (p[dot] == Unit('.')) {
            const Unit a = p[dot + 1], b = p[dot + 2], c = p[dot + 3];
            if ((a == 'D' && b == 'S' && c == 'K') || (a == 'C' && b == 'D' && c == 'M') ||
                (a == 'H' && b == 'A' && c == 'M') || (a == 'L' && b == 'A' && c == 'N')) {
                return true;
            }
        }
        ++dot;
    }
    return false;
}

template <typename Text, typename Unit>
colourtable::ModuleColour colourOf(Text line, const Unit* units, const QStringList& outOfDate) {
    using colourtable::ModuleColour;
    for (const QString& name : outOfDate) {
        if (!name.isEmpty() && line.startsWith(name)) {
            return ModuleColour::OutOfDate;
        }
    }
    return hasDriverMark(units, line.size()) ? ModuleColour::Driver : ModuleColour::Normal;
}

}  // namespace

colourtable::ModuleColour moduleColour(QStringView line, const QStringList& outOfDate) {
    return colourOf(line, line.utf16(), outOfDate);
}

colourtable::ModuleColour moduleColour(QLatin1String line, const QStringList& outOfDate) {
    return colourOf(line, reinterpret_cast<const uchar*>(line.data()), outOfDate);
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
