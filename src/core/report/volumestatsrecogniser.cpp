#include "report/volumestatsrecogniser.h"

#include "report/parsecontext.h"

namespace {

const QString SizeLabel = QStringLiteral("Volume Size................: ");
const QString FreeLabel = QStringLiteral("Free Blocks................: ");
const QString PurgableLabel = QStringLiteral("Purgable Blocks............: ");
const QString PurgableSpaceLabel = QStringLiteral("Purgable Disk Space........: ");

}  // namespace

VolumeRecord* VolumeStatsRecogniser::blockRecord() {
    // Blocks beyond the table's room have no record to fill.
    const int n = m_ctx.model.VolumeStatsCount;
    return (n >= 1 && n <= ServerModel::MaxVolumes) ? &m_ctx.model.Volumes[n - 1] : nullptr;
}

void VolumeStatsRecogniser::onLine(int i) {
    const QString& line = m_ctx.line(i);
    ServerModel& m = m_ctx.model;
    if (!m_inBlock) {
        if (line.contains(QLatin1String("Volume Statistics for ")) &&
            reporttext::beginsWith(line, u'*')) {
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
    if (line.contains(SizeLabel)) {
        (r ? r->VolumeSize : scratch) = reporttext::valueAfter(line, SizeLabel);
    } else if (line.contains(FreeLabel)) {
        (r ? r->FreeBlocks : scratch) = reporttext::valueAfter(line, FreeLabel);
    } else if (line.contains(PurgableLabel)) {
        (r ? r->PurgableBlocks : scratch) = reporttext::valueAfter(line, PurgableLabel);
    } else if (line.contains(PurgableSpaceLabel)) {
        (r ? r->PurgableDiskSpace : scratch) = reporttext::valueAfter(line, PurgableSpaceLabel);
        if (m.VolumeStatsCount == m_state.rows) {
            m_state.statisticsComplete = true;
        }
        m_inBlock = false;
    }
}
