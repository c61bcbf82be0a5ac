#include "report/diskdevicerecogniser.h"

#include "report/parsecontext.h"
#include "text/caserules.h"

using caserules::padRight;
using reporttext::valueAfter;

namespace {

const LineMarker SectionStart{QStringLiteral("Disk Drive Configuration Information")};
const LineMarker SectionEnd{QStringLiteral("***")};
const LineMarker TypeLabel{QStringLiteral("Device Type.................: ")};
const LineMarker DriverLabel{QStringLiteral("Driver......................: ")};
const LineMarker IntLabel{QStringLiteral("Int.........................: ")};
const LineMarker MirrorLabel{QStringLiteral("Mirror Status...............: ")};

bool beginsWithDigit(const QString& text) {
    return !text.isEmpty() && text.at(0) >= u'0' && text.at(0) <= u'9';
}

}  // namespace

void DiskDeviceRecogniser::onLine(int i) {
    look(i);
    m_wakeMask = m_on ? 0 : SectionStart.mask();
}

void DiskDeviceRecogniser::look(int i) {
    if (!m_on) {
        m_on = m_ctx.has(i, SectionStart);
        return;
    }
    deviceLine(i, m_ctx.line(i));
    if (m_ctx.has(i + 1, SectionEnd)) {
        m_on = false;
        m_state.disksDone = true;
    }
}

void DiskDeviceRecogniser::deviceLine(int i, const QString& line) {
    QString& text = m_state.text;
    if (m_ctx.has(i, TypeLabel)) {
        m_state.deviceOpen = true;
        text = valueAfter(line, TypeLabel.text());
    } else if (m_ctx.has(i, DriverLabel)) {
        text = padRight(text, 17) + valueAfter(line, DriverLabel.text());
    } else if (m_ctx.has(i, IntLabel)) {
        text = padRight(valueAfter(line, IntLabel.text()), 8) + text;
    } else if (m_ctx.has(i, MirrorLabel)) {
        text =
            padRight(text, beginsWithDigit(text) ? 39 : 31) + valueAfter(line, MirrorLabel.text());
    } else if (m_state.deviceOpen) {
        const QString& after = m_ctx.line(i + 2);
        if (!after.isEmpty() && !reporttext::beginsWith(after, u' ')) {
            closeDevice();
        }
    }
}

void DiskDeviceRecogniser::closeDevice() {
    QString& text = m_state.text;
    if (!beginsWithDigit(text)) {
        text = padRight(QStringLiteral("--"), 8) + text;  // a disk without an interrupt
    }
    if (!m_state.interruptLines.contains(text)) {
        m_state.interruptLines.insert(text);
        m_ctx.model.Interrupts.append(text);
    }
    m_state.deviceOpen = false;
}
