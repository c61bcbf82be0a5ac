#include "report/volumestatsrecogniser.h"

#include "report/parsecontext.h"

namespace {

const LineMarker BlockHeading{QStringLiteral("Volume Statistics for ")};
const LineMarker SizeLabel{QStringLiteral("Volume Size................: ")};
const LineMarker FreeLabel{QStringLiteral("Free Blocks................: ")};
const LineMarker PurgableLabel{QStringLiteral("Purgable Blocks............: ")};
const LineMarker PurgableSpaceLabel{QStringLiteral("Purgable Disk Space........: ")};

}  // namespace

VolumeRecord* VolumeStatsRecogniser::blockRecord() {
    // Blocks beyond the table's room have no record to fill.
    const int n = m_ctx.model.VolumeStatsCount;
    return (n >= 1 && n <= ServerModel::MaxVolumes) ? &m_ctx.model.Volumes[n - 1] : nullptr;
}

void VolumeStatsRecogniser::onLine(int i) {
    look(i);
    m_wakeMask = m_inBlock ? 0 : BlockHeading.mask();
}

void VolumeStatsRecogniser::look(int i) {
    const QStringView line = m_ctx.view(i);
    ServerModel& m = m_ctx.model;
    if (!m_inBlock) {
        if (reporttext::beginsWith(line, u'*') && m_ctx.has(i, BlockHeading)) {
            m_inBlock = true;
            ++m.VolumeStatsCount;
            if (VolumeRecord* r = blockRecord()) {
                r->VolumeSize.clear();
            }
        }
        return;
    }
    if (line.isEmpty() || reporttext::beginsWith(line, u'*')) {
        return;
    }
    VolumeRecord* r = blockRecord();
    QString scratch;
    if (m_ctx.has(i, SizeLabel)) {
        (r ? r->VolumeSize : scratch) = reporttext::valueAfter(line, SizeLabel.text());
    } else if (m_ctx.has(i, FreeLabel)) {
        (r ? r->FreeBlocks : scratch) = reporttext::valueAfter(line, FreeLabel.text());
    } else if (m_ctx.has(i, PurgableLabel)) {
        (r ? r->PurgableBlocks : scratch) = reporttext::valueAfter(line, PurgableLabel.text());
    } else if (m_ctx.has(i, PurgableSpaceLabel)) {
        (r ? r->PurgableDiskSpace : scratch) =
            reporttext::valueAfter(line, PurgableSpaceLabel.text());
        if (m.VolumeStatsCount == m_state.rows) {
            m_state.statisticsComplete = true;
        }
        m_inBlock = false;
    }
}
