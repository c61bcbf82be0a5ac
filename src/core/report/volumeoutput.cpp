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
    QString row;
    if (!r.VolumeSize.isEmpty()) {
        v.VolumeHeader[1] = padRight(QStringLiteral("Volume Size"), 37);
        row = padRight(r.Name, 16) + padRight(r.VolumeSize, 20);
    } else {
        v.VolumeHeader[1] = padRight(QStringLiteral("Name Spaces Loaded"), 49);
        row = padRight(r.Name, 16) + padRight(r.NameSpaces, 30);
    }
    row += padRight(r.FreeBlocks, 13) + padRight(r.PurgableBlocks, 15) + r.PurgableDiskSpace;
    v.VolListBox.append(row);
}

void VolumeOutput::purgeRule(const VolumeRecord& r) {
    const bool purgeable = r.PurgableBlocks.size() > 4 || numconv::toInt(r.PurgableBlocks) != 0;
    if (r.FreeBlocks.size() <= 4 && numconv::toInt(r.FreeBlocks) < 1500 && purgeable) {
        m_ctx.addSuggestion(QStringLiteral("Purge suggested for volume ") + r.Name +
                            QStringLiteral("...free blocks = ") + r.FreeBlocks);
    }
}
