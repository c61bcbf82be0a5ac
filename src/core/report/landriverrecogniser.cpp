#include "report/landriverrecogniser.h"

#include "report/parsecontext.h"
#include "text/caserules.h"

namespace {

const QString MediaLabel = QStringLiteral("Media Type....: ");
const QString IrqLabel = QStringLiteral("IRQ...........: ");

}  // namespace

void LanDriverRecogniser::onLine(int i) {
    const QString& line = m_ctx.line(i);
    if (!m_on) {
        m_on = line.contains(QLatin1String("Top of LAN Driver Configuration Listing"));
        return;
    }
    if (line.contains(MediaLabel)) {
        m_state.text = reporttext::valueAfter(line, MediaLabel);
    } else if (line.contains(IrqLabel)) {
        const QString entry =
            caserules::padRight(reporttext::valueAfter(line, IrqLabel), 8) + m_state.text;
        m_state.interruptLines.insert(entry);
        m_ctx.model.Interrupts.append(entry);
    }
    if (m_ctx.line(i + 1).contains(QLatin1String("***"))) {
        m_on = false;
        m_state.lanDone = true;
    }
}
