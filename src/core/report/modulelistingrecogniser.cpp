#include "report/modulelistingrecogniser.h"

#include "report/parsecontext.h"
#include "text/caserules.h"

namespace {

const QString Dashes = QStringLiteral("---");
const QString NoPatches = QStringLiteral("No OS patches are currently loaded");

bool isUpperAlnum(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

bool isModuleLine(const QString& line) {
    return line.size() >= 2 && isUpperAlnum(line.at(0)) && isUpperAlnum(line.at(1)) &&
           line.contains(u'.') && !line.contains(Dashes);
}

bool isPatchModule(const QString& line) {
    // Any name ending in FX.DXP counts, such as a driver fix.
    return line.contains(QLatin1String("FX.DXP")) || line.contains(QLatin1String("FIX.DXP")) ||
           line.contains(QLatin1String("FX2.DXP")) || line.contains(QLatin1String("FIX2.DXP"));
}

}  // namespace

void ModuleListingRecogniser::onLine(int i) {
    const QString& line = m_ctx.line(i);
    ServerModel& m = m_ctx.model;
    if (!m_inListing) {
        if (line.contains(QLatin1String("Top of Module Listing"))) {
            m_inListing = true;
            ++m.ModuleListingCount;
        } else if (line.contains(QLatin1String("Top of Patch List"))) {
            m_inListing = true;
            startPatchList(i);
        } else if (line.contains(QLatin1String("Top of Modules List"))) {
            m_inListing = true;
            ++m.ModuleListingCount;
        }
        return;
    }
    const bool nextIsDashes = m_ctx.line(i + 1).contains(Dashes);
    if (m_patchKitMode) {
        if (!line.isEmpty() && !line.contains(Dashes)) {
            m.PatchEntries.append(line);
        }
        if (nextIsDashes) {
            m_patchKitMode = false;
        }
    } else if (isModuleLine(line)) {
        moduleLine(i, line);
    }
    if (nextIsDashes) {
        m_inListing = false;
    }
}

void ModuleListingRecogniser::startPatchList(int i) {
    ServerModel& m = m_ctx.model;
    const bool noPatchesLine = m_ctx.line(i + 3).contains(NoPatches);
    if (!m_ctx.line(i + 2).contains(QLatin1String("Patch Kit Information:")) && !noPatchesLine) {
        m_patchKitMode = false;
        m.PatchEntries.setOrder(PatchEntryList::Order::Sorted);
    } else {
        m.PatchesLoaded = !noPatchesLine;
        m_patchKitMode = true;
        m.HasPatchKitList = true;
        m.PatchEntries.setOrder(PatchEntryList::Order::Report);
    }
}

void ModuleListingRecogniser::moduleLine(int i, const QString& line) {
    ServerModel& m = m_ctx.model;
    QString entry;
    if (m.CompactModuleLines) {
        entry = line.left(34);
    } else {
        entry = caserules::padRight(line, 12);
        const QString ver = QStringLiteral("  Ver");
        if (m_ctx.line(i + 2).contains(ver)) {
            entry += m_ctx.line(i + 2);
        } else if (m_ctx.line(i + 3).contains(ver)) {
            entry += m_ctx.line(i + 3);
        }
    }
    if (isPatchModule(line)) {
        ++m.PatchModuleCount;
        m.PatchEntries.append(entry);
    } else {
        ++m.OtherModuleCount;
        m.OtherModules.add(entry);
    }
}
