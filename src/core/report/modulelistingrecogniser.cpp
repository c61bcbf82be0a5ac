#include "report/modulelistingrecogniser.h"

#include "report/parsecontext.h"
#include "text/caserules.h"
#include "text/codepage.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

const LineMarker Dashes{QStringLiteral("---")};
const LineMarker Dot{QStringLiteral(".")};
const LineMarker NoPatches{QStringLiteral("No OS patches are currently loaded")};
const LineMarker KitInformation{QStringLiteral("Patch Kit Information:")};
const LineMarker ModuleListing{QStringLiteral("Top of Module Listing")};
const LineMarker PatchList{QStringLiteral("Top of Patch List")};
const LineMarker ModulesList{QStringLiteral("Top of Modules List")};
const LineMarker VersionLine{QStringLiteral("  Ver")};

bool isUpperAlnum(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

// Lines are read as UTF-16 text or as the file's bytes (ASCII stands for itself in both, and
// every test below is on ASCII characters): these give both the same reading.
char16_t charAt(QStringView line, qsizetype i) {
    return line.at(i).unicode();
}
char16_t charAt(QByteArrayView line, qsizetype i) {
    return char16_t(uchar(line.at(i)));
}
qsizetype indexOf(QStringView line, std::string_view what, qsizetype from) {
    return line.indexOf(QLatin1String(what.data(), qsizetype(what.size())), from);
}
qsizetype indexOf(QByteArrayView line, std::string_view what, qsizetype from) {
    const std::string_view text(line.data(), std::size_t(line.size()));
    const std::size_t at = text.find(what, std::size_t(from));
    return at == std::string_view::npos ? -1 : qsizetype(at);
}

template <typename Line>
bool startsWith(Line line, std::string_view head) {
    if (line.size() < qsizetype(head.size())) {
        return false;
    }
    for (std::size_t k = 0; k < head.size(); ++k) {
        if (charAt(line, qsizetype(k)) != char16_t(uchar(head[k]))) {
            return false;
        }
    }
    return true;
}

// Inline: on this per-module path Qt's endsWith costs more in its call than in its test.
template <typename Line>
bool endsWith(Line text, std::string_view tail) {
    return text.size() >= qsizetype(tail.size()) &&
           startsWith(text.sliced(text.size() - qsizetype(tail.size())), tail);
}

// A module line also holds a dot, which the caller has found in the line's summary.
template <typename Line>
bool isModuleLine(const ParseContext& ctx, int i, Line line) {
    return line.size() >= 2 && isUpperAlnum(charAt(line, 0)) && isUpperAlnum(charAt(line, 1)) &&
           !ctx.has(i, Dashes);
}

template <typename Line>
bool isPatchModule(const ParseContext& ctx, int i, Line line) {
    // Any name ending in FX.DXP counts, such as a driver fix; so do FIX.DXP, FX2.DXP and
    // FIX2.DXP. Each of them holds the characters of FX.DXP, which most lines lack; on the
    // others one search for ".DXP" and a look at what stands before each occurrence.
    static const LineMarker Characters{QStringLiteral("FX.DXP")};
    if (!ctx.mayHave(i, Characters)) {
        return false;
    }
    for (qsizetype at = indexOf(line, ".DXP", 0); at >= 0; at = indexOf(line, ".DXP", at + 1)) {
        const Line head = line.first(at);
        if (endsWith(head, "FX") || endsWith(head, "FIX") || endsWith(head, "FX2") ||
            endsWith(head, "FIX2")) {
            return true;
        }
    }
    return false;
}

// A version line holds "  Ver"; it mostly starts with it, or with one more blank.
template <typename Line>
bool hasVersion(const ParseContext& ctx, int i, Line line) {
    return startsWith(line, "  Ver") ||
           startsWith(line.sliced(std::min<qsizetype>(1, line.size())), "  Ver") ||
           ctx.has(i, VersionLine);
}

bool hasVersion(const ParseContext& ctx, int i) {
    return ctx.byteLines() ? hasVersion(ctx, i, ctx.bytes(i)) : hasVersion(ctx, i, ctx.view(i));
}

}  // namespace

void ModuleListingRecogniser::look(int i) {
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
        if (!m_ctx.view(i).isEmpty() && !m_ctx.has(i, Dashes)) {
            m.PatchEntries.append(m_ctx.line(i));
        }
        if (nextIsDashes) {
            m_patchKitMode = false;
        }
    } else if (!m_ctx.mayHave(i, Dot)) {
        // No module line: the summary's bit for a dot is set by a dot alone, so it tells without
        // reading the line (most lines of a listing lack a dot).
    } else if (m_ctx.byteLines()) {
        // Module lines are taken from the file's bytes: most never need decoding.
        const QByteArrayView line = m_ctx.bytes(i);
        if (isModuleLine(m_ctx, i, line)) {
            moduleLine(i, line);
        }
    } else {
        const QStringView line = m_ctx.view(i);
        if (isModuleLine(m_ctx, i, line)) {
            moduleLine(i, line);
        }
    }
    if (nextIsDashes) {
        m_inListing = false;
    }
}

void ModuleListingRecogniser::onLine(int i) {
    look(i);
    m_wakeMask = m_inListing ? 0 : ModuleListing.mask() & PatchList.mask() & ModulesList.mask();
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

int ModuleListingRecogniser::versionLine(int i) const {
    return hasVersion(m_ctx, i + 2) ? i + 2 : hasVersion(m_ctx, i + 3) ? i + 3 : -1;
}

void ModuleListingRecogniser::moduleLine(int i, QStringView line) {
    ServerModel& m = m_ctx.model;
    QStringView entry;
    if (m.CompactModuleLines) {
        entry = line.left(34);
    } else {
        const QStringView version = m_ctx.view(versionLine(i));  // empty when there is none
        m_entry.resize(0);                                       // keeps the buffer
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

void ModuleListingRecogniser::moduleLine(int i, QByteArrayView line) {
    ServerModel& m = m_ctx.model;
    QByteArrayView entry;
    // The summaries tell most entries to be printable ASCII, which need not be tested again.
    bool printable = m_ctx.printable(i);
    if (m.CompactModuleLines) {
        entry = line.first(std::min<qsizetype>(34, line.size()));
    } else {
        // The name padded to 12 characters, then the version line (empty when there is none),
        // written into a buffer kept between lines.
        const int at = versionLine(i);
        printable = printable && (at < 0 || m_ctx.printable(at));
        const QByteArrayView version = m_ctx.bytes(at);
        const qsizetype head = std::max<qsizetype>(line.size(), 12);
        m_entryBytes.resize(head + version.size());
        char* const out = m_entryBytes.data();
        std::memcpy(out, line.data(), std::size_t(line.size()));
        std::memset(out + line.size(), ' ', std::size_t(head - line.size()));
        if (!version.isEmpty()) {
            std::memcpy(out + head, version.data(), std::size_t(version.size()));
        }
        entry = m_entryBytes;
    }
    // An entry of tab and printable ASCII waits as its bytes; any other is decoded.
    if (isPatchModule(m_ctx, i, line)) {
        ++m.PatchModuleCount;
        if (!m.PatchEntries.appendDeferred(QLatin1String(entry.data(), entry.size()))) {
            m.PatchEntries.append(codepage::decode(entry.toByteArray()));
        }
    } else {
        ++m.OtherModuleCount;
        if (!m.OtherModules.addDeferred(QLatin1String(entry.data(), entry.size()), printable)) {
            m.OtherModules.addDeferred(codepage::decode(entry.toByteArray()));
        }
    }
}
