#include "report/headerrecogniser.h"

#include "report/parsecontext.h"
#include "text/numberconversion.h"

#include <cmath>

using reporttext::splitColon;
using reporttext::upToBlank;
using reporttext::valueAfter;

namespace {

const QString TitleMarker = QStringLiteral("Quarix File Server Configuration Report For Server");
const QString CreatedLabel = QStringLiteral("Quarix File Server Configuration Report Created: ");
const QString ProducedLabel =
    QStringLiteral("Quarix File Server Configuration Report.  [Produced by ");
const QString ServerNameLabel = QStringLiteral("Server name...............: ");
const QString OSVersionLabel = QStringLiteral("OS Version................: ");
const QString UpTimeLabel = QStringLiteral("Server Up Time(D:H:M:Sec).: ");
const QString LicensedLabel = QStringLiteral("Licensed Connections......: ");
const QString InternalNetLabel = QStringLiteral("Internal Net. Addr........: ");
const QString EngineTypeLabel = QStringLiteral("Engine Type...............: ");
const QString MemoryLabel = QStringLiteral("Total Server memory.......: ");
const QString LruLabel = QStringLiteral("LRU Sitting Time");
const QString LowLruSuggestion =
    QStringLiteral("Add more memory to server. LRU Sitting Time < 15 min.");

}  // namespace

void HeaderRecogniser::onLine(int i) {
    const QString& line = m_ctx.line(i);
    ServerModel& m = m_ctx.model;
    if (line.contains(TitleMarker)) {
        ++m.ConfigHeaderCount;
        m_ctx.headerMode = true;
    }
    if (!m_ctx.headerMode) {
        return;
    }
    if (line.contains(CreatedLabel)) {
        m.ConfigCreated = valueAfter(line, CreatedLabel);
    } else if (line.contains(ProducedLabel)) {
        m.ProducedBy = valueAfter(line, ProducedLabel);
        m.ProducedBy.chop(1);
        if (line.contains(QLatin1String(".DXP v"))) {
            m.CompactModuleLines = true;
        }
    } else if (line.contains(ServerNameLabel)) {
        serverName(valueAfter(line, ServerNameLabel));
    } else if (line.contains(OSVersionLabel)) {
        m.OSVersion = valueAfter(line, OSVersionLabel).mid(1).trimmed();
    } else if (line.contains(UpTimeLabel)) {
        const QStringList parts = splitColon(valueAfter(line, UpTimeLabel), 4);
        m.UpDays = parts.at(0);
        m.UpHours = parts.at(1);
    } else if (line.contains(LicensedLabel)) {
        m.LicensedConnections = valueAfter(line, LicensedLabel);
    } else if (line.contains(InternalNetLabel)) {
        m.InternalNetAddr = valueAfter(line, InternalNetLabel);
        if (!m_ctx.line(i + 3).contains(QLatin1String("Engine Type"))) {
            m_ctx.headerMode = false;
        }
    } else if (line.contains(EngineTypeLabel)) {
        m.EngineType = valueAfter(line, EngineTypeLabel).left(8);
    } else if (line.contains(MemoryLabel)) {
        memory(i, valueAfter(line, MemoryLabel));
    } else if (line.contains(LruLabel)) {
        lruSittingTime(line);
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
    if (!m_ctx.line(i + 4).contains(LruLabel)) {
        m_ctx.headerMode = false;
    }
}

void HeaderRecogniser::lruSittingTime(const QString& line) {
    const QString t = line.mid(line.indexOf(LruLabel) + 28, 255);
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
