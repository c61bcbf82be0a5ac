#include "report/landriverrecogniser.h"

#include "report/parsecontext.h"
#include "text/caserules.h"

namespace {

const LineMarker SectionStart{QStringLiteral("Top of LAN Driver Configuration Listing")};
const LineMarker SectionEnd{QStringLiteral("***")};
const LineMarker MediaLabel{QStringLiteral("Media Type....: ")};
const LineMarker IrqLabel{QStringLiteral("IRQ...........: ")};

}  // namespace

void LanDriverRecogniser::onLine(int i) {
    look(i);
    m_wakeMask = m_on ? 0 : SectionStart.mask();
}

void LanDriverRecogniser::look(int i) {
    const QStringView line = m_ctx.view(i);
    if (!m_on) {
        m_on = m_ctx.has(i, SectionStart);
        return;
    }
    if (m_ctx.has(i, MediaLabel)) {
        m_state.text = reporttext::valueAfter(line, MediaLabel.text());
    } else if (m_ctx.has(i, IrqLabel)) {
        const QString entry =
            caserules::padRight(reporttext::valueAfter(line, IrqLabel.text()), 8) + m_state.text;
        m_state.interruptLines.insert(entry);
        m_ctx.model.Interrupts.append(entry);
    }
    if (m_ctx.has(i + 1, SectionEnd)) {
        m_on = false;
        m_state.lanDone = true;
    }
}
