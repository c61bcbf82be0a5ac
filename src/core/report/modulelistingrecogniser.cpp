#include "report/modulelistingrecogniser.h"

#include "report/parsecontext.h"
#include "text/caserules.h"

#include <algorithm>
#include <string_view>

namespace {

const LineMarker Dashes{QStringLiteral("---")};
const LineMarker NoPatches{QStringLiteral("No OS patches are currently loaded")};
const LineMarker KitInformation{QStringLiteral("Patch Kit Information:")};
const LineMarker ModuleListing{QStringLiteral("Top of Module Listing")};
const LineMarker PatchList{QStringLiteral("Top of Patch List")};
const LineMarker ModulesList{QStringLiteral("Top of Modules List")};
const LineMarker VersionLine{QStringLiteral("  Ver")};

bool isUpperAlnum(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

bool isModuleLine(const ParseContext& ctx, int i, QStringView line) {
    return line.size() >= 2 && isUpperAlnum(line.at(0)) && isUpperAlnum(line.at(1)) &&
           line.contains(u'.') && !ctx.has(i, Dashes);
}

// Inline: on this per-module path Qt's endsWith costs more in its call than in its test.
bool endsWith(QStringView text, std::u16string_view tail) {
    return text.size() >= qsizetype(tail.size()) &&
           std::equal(tail.begin(), tail.end(), text.utf16() + text.size() - tail.size());
}

bool isPatchModule(const ParseContext& ctx, int i, QStringView line) {
    // Any name ending in FX.DXP counts, such as a driver fix; so do FIX.DXP, FX2.DXP and
    // FIX2.DXP. Each of them holds the characters of FX.DXP, which most lines lack; on the
    // others one search for ".DXP" and a look at what stands before each occurrence.
    static const LineMarker Characters{QStringLiteral("FX.DXP")};
    static constexpr QStringView Extension = u".DXP";
    if (!ctx.mayHave(i, Characters)) {
        return false;
    }
    for (qsizetype at = line.indexOf(Extension); at >= 0; at = line.indexOf(Extension, at + 1)) {
        const QStringView head = line.first(at);
        if (endsWith(head, u"FX") || endsWith(head, u"FIX") || endsWith(head, u"FX2") ||
            endsWith(head, u"FIX2")) {
            return true;
        }
    }
    return false;
}

// A version line holds "  Ver"; it mostly starts with it, or with one more blank.
bool hasVersion(const ParseContext& ctx, int i) {
    const QStringView line = ctx.view(i);
    return line.startsWith(VersionLine.text()) ||
           line.sliced(std::min<qsizetype>(1, line.size())).startsWith(VersionLine.text()) ||
           ctx.has(i, VersionLine);
}

}  // namespace

void ModuleListingRecogniser::onLine(int i) {
    look(i);
    m_wakeMask = m_inListing ? 0 : ModuleListing.mask() & PatchList.mask() & ModulesList.mask();
}

void ModuleListingRecogniser::look(int i) {
    const QStringView line = m_ctx.view(i);
    ServerModel& m = m_ctx.model;
    if (!m_inListing) {
        if (m_ctx.has(i, ModuleListing)) {
            m_inListing = true;
            ++m.ModuleListingCount;
        } else if (m_ctx.has(i, PatchList)) {
            m_inListing = true;
            startPatchList(i);
        } else if (m_ctx.has(i, ModulesList)) {
            m_inListing = true;
            ++m.ModuleListingCount;
        }
        return;
    }
    const bool nextIsDashes = m_ctx.has(i + 1, Dashes);
    if (m_patchKitMode) {
        if (!line.isEmpty() && !m_ctx.has(i, Dashes)) {
            m.PatchEntries.append(m_ctx.line(i));
        }
        if (nextIsDashes) {
            m_patchKitMode = false;
        }
    } else if (isModuleLine(m_ctx, i, line)) {
        moduleLine(i, line);
    }
    if (nextIsDashes) {
        m_inListing = false;
    }
}

void ModuleListingRecogniser::startPatchList(int i) {
    ServerModel& m = m_ctx.model;
    const bool noPatchesLine = m_ctx.has(i + 3, NoPatches);
    if (!m_ctx.has(i + 2, KitInformation) && !noPatchesLine) {
        m_patchKitMode = false;
        m.PatchEntries.setOrder(PatchEntryList::Order::Sorted);
    } else {
        m.PatchesLoaded = !noPatchesLine;
        m_patchKitMode = true;
        m.HasPatchKitList = true;
        m.PatchEntries.setOrder(PatchEntryList::Order::Report);
    }
}

void ModuleListingRecogniser::moduleLine(int i, QStringView line) {
    ServerModel& m = m_ctx.model;
    QStringView entry;
    if (m.CompactModuleLines) {
        entry = line.left(34);
    } else {
        const int versionAt = hasVersion(m_ctx, i + 2)   ? i + 2
                              : hasVersion(m_ctx, i + 3) ? i + 3
                                                         : -1;
        const QStringView version = m_ctx.view(versionAt);  // empty when there is none
        m_entry.resize(0);                                  // keeps the buffer
        m_entry += line;
        m_entry.resize(std::max<qsizetype>(line.size(), 12), u' ');
        m_entry += version;
        entry = m_entry;
    }
    if (isPatchModule(m_ctx, i, line)) {
        ++m.PatchModuleCount;
        m.PatchEntries.append(entry.toString());
    } else {
        ++m.OtherModuleCount;
        m.OtherModules.addDeferred(entry);
    }
}
