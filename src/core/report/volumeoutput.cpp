#include "report/volumeoutput.h"

#include "report/parsecontext.h"
#include "text/caserules.h"
#include "text/numberconversion.h"

using caserules::padRight;

void VolumeOutput::onLine(int) {
    if (!m_state.tableDone || !m_state.statisticsComplete) {
        return;
    }
    ServerModel& m = m_ctx.model;
    for (int k = 0; k < m_state.rows; ++k) {
        showRecord(m.Volumes[k]);
        purgeRule(m.Volumes[k]);
    }
    m_ctx.views.VolCountLabel =
        QStringLiteral("(") + QString::number(m_state.rows) + QStringLiteral(" mounted volumes)");
    // A second volume table in the same file starts again at the first record.
    m_state.rows = 0;
    m_state.tableDone = false;
    m_state.statisticsComplete = false;
}

void VolumeOutput::showRecord(const VolumeRecord& r) {
    MainViews& v = m_ctx.views;
    const bool sized = !r.VolumeSize.isEmpty();
    v.VolumeHeader[1] = sized ? padRight(QStringLiteral("Volume Size"), 37)
                              : padRight(QStringLiteral("Name Spaces Loaded"), 49);
    v.VolumeColumns = {16, sized ? 20 : 30, 13, 15};
    const auto& c = v.VolumeColumns;
    const QString row =
        padRight(r.Name, c[0]) + padRight(sized ? r.VolumeSize : r.NameSpaces, c[1]) +
        padRight(r.FreeBlocks, c[2]) + padRight(r.PurgableBlocks, c[3]) + r.PurgableDiskSpace;
    v.VolListBox.append(row);
}

void VolumeOutput::purgeRule(const VolumeRecord& r) {
    const bool purgeable = r.PurgableBlocks.size() > 4 || numconv::toInt(r.PurgableBlocks) != 0;
    if (r.FreeBlocks.size() <= 4 && numconv::toInt(r.FreeBlocks) < 1500 && purgeable) {
        m_ctx.addSuggestion(QStringLiteral("Purge suggested for volume ") + r.Name +
                            QStringLiteral("...free blocks = ") + r.FreeBlocks);
    }
}
