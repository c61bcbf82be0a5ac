#include "report/headerrecogniser.h"

#include "report/parsecontext.h"
#include "text/numberconversion.h"

#include <cmath>

using reporttext::splitColon;
using reporttext::upToBlank;
using reporttext::valueAfter;

namespace {

const LineMarker TitleMarker{QStringLiteral("Quarix File Server Configuration Report For Server")};
const LineMarker CreatedLabel{QStringLiteral("Quarix File Server Configuration Report Created: ")};
const LineMarker ProducedLabel{
    QStringLiteral("Quarix File Server Configuration Report.  [Produced by ")};
const LineMarker ServerNameLabel{QStringLiteral("Server name...............: ")};
const LineMarker OSVersionLabel{QStringLiteral("OS Version................: ")};
const LineMarker UpTimeLabel{QStringLiteral("Server Up Time(D:H:M:Sec).: ")};
const LineMarker LicensedLabel{QStringLiteral("Licensed Connections......: ")};
const LineMarker InternalNetLabel{QStringLiteral("Internal Net. Addr........: ")};
const LineMarker EngineTypeLabel{QStringLiteral("Engine Type...............: ")};
const LineMarker MemoryLabel{QStringLiteral("Total Server memory.......: ")};
const LineMarker LruLabel{QStringLiteral("LRU Sitting Time")};
const LineMarker EngineTypeMark{QStringLiteral("Engine Type")};
const QString LowLruSuggestion =
    QStringLiteral("Add more memory to server. LRU Sitting Time < 15 min.");

}  // namespace

void HeaderRecogniser::onLine(int i) {
    look(i);
    m_wakeMask = m_ctx.headerMode ? 0 : TitleMarker.mask();
}

void HeaderRecogniser::look(int i) {
    const QStringView line = m_ctx.view(i);
    ServerModel& m = m_ctx.model;
    if (m_ctx.has(i, TitleMarker)) {
        ++m.ConfigHeaderCount;
        m_ctx.headerMode = true;
    }
    if (!m_ctx.headerMode) {
        return;
    }
    if (m_ctx.has(i, CreatedLabel)) {
        m.ConfigCreated = valueAfter(line, CreatedLabel.text());
    } else if (m_ctx.has(i, ProducedLabel)) {
        m.ProducedBy = valueAfter(line, ProducedLabel.text());
        m.ProducedBy.chop(1);
        if (line.contains(QLatin1String(".DXP v"))) {
            m.CompactModuleLines = true;
        }
    } else if (m_ctx.has(i, ServerNameLabel)) {
        serverName(valueAfter(line, ServerNameLabel.text()));
    } else if (m_ctx.has(i, OSVersionLabel)) {
        m.OSVersion = valueAfter(line, OSVersionLabel.text()).mid(1).trimmed();
    } else if (m_ctx.has(i, UpTimeLabel)) {
        const QStringList parts = splitColon(valueAfter(line, UpTimeLabel.text()), 4);
        m.UpDays = parts.at(0);
        m.UpHours = parts.at(1);
    } else if (m_ctx.has(i, LicensedLabel)) {
        m.LicensedConnections = valueAfter(line, LicensedLabel.text());
    } else if (m_ctx.has(i, InternalNetLabel)) {
        m.InternalNetAddr = valueAfter(line, InternalNetLabel.text());
        if (!m_ctx.has(i + 3, EngineTypeMark)) {
            m_ctx.headerMode = false;
        }
    } else if (m_ctx.has(i, EngineTypeLabel)) {
        m.EngineType = valueAfter(line, EngineTypeLabel.text()).left(8);
    } else if (m_ctx.has(i, MemoryLabel)) {
        memory(i, valueAfter(line, MemoryLabel.text()));
    } else if (m_ctx.has(i, LruLabel)) {
        lruSittingTime(m_ctx.line(i));
        m_ctx.headerMode = false;
    }
}

void HeaderRecogniser::serverName(const QString& value) {
    m_ctx.model.ServerName = value;
    const QString trimmed = value.trimmed();
    m_ctx.views.SuggestionGroupBox = QStringLiteral("Suggestions for server ") + trimmed + u' ';
    m_ctx.hooks.RefreshBaselineControls();
    if (m_ctx.hooks.baselineServerSet() && m_ctx.startedByCompare) {
        m_ctx.views.CompareConfigLabel = QStringLiteral("Compare Config...from server: ") + trimmed;
    }
}

void HeaderRecogniser::memory(int i, const QString& value) {
    const QString number = upToBlank(value);
    if (value.contains(QLatin1String("MB"))) {
        m_ctx.model.TotalMemory = number + QStringLiteral(" MB");
    } else {
        // Whole megabytes, rounded up: exactly 255 MB of bytes must not show as 256 MB.
        const double megabytes = std::ceil(numconv::toDouble(number) / 1048576.0);
        m_ctx.model.TotalMemory = QString::number(megabytes, 'f', 0) + QStringLiteral(" MB");
    }
    if (!m_ctx.has(i + 4, LruLabel)) {
        m_ctx.headerMode = false;
    }
}

void HeaderRecogniser::lruSittingTime(const QString& line) {
    const QString t = line.mid(line.indexOf(LruLabel.text()) + 28, 255);
    if (t.contains(QLatin1String("seconds"))) {
        if (numconv::toInt(upToBlank(t)) < 900) {
            m_ctx.addSuggestion(LowLruSuggestion);
        }
        return;
    }
    const QStringList parts = splitColon(t, 4);
    const ServerModel& m = m_ctx.model;
    if (numconv::toInt(m.UpDays) < 1 && numconv::toInt(m.UpHours) < 1) {
        return;  // up less than an hour: the sitting time says nothing yet
    }
    if (numconv::toInt(parts.at(0)) == 0 && numconv::toInt(parts.at(1)) == 0 &&
        numconv::toInt(parts.at(2)) < 15) {
        m_ctx.addSuggestion(LowLruSuggestion);
    }
}
