#include "report/volumetablerecogniser.h"

#include "report/parsecontext.h"
#include "text/caserules.h"

namespace {

const LineMarker TableHeading{QStringLiteral("Volume Name")};
const LineMarker TableEnd{QStringLiteral("*****")};

}  // namespace

void VolumeTableRecogniser::onLine(int i) {
    look(i);
    m_wakeMask = m_inTable ? 0 : TableHeading.mask();
}

void VolumeTableRecogniser::look(int i) {
    const QStringView line = m_ctx.view(i);
    if (!m_inTable) {
        if (reporttext::beginsWith(line, u'V') && m_ctx.has(i, TableHeading)) {
            m_inTable = true;
        }
        return;
    }
    if (!line.isEmpty() && !reporttext::beginsWith(line, u'-')) {
        row(m_ctx.line(i));
    }
    if (m_ctx.has(i + 1, TableEnd)) {
        m_inTable = false;
        m_state.tableDone = true;
        if (m_ctx.model.VolumeStatsCount == m_state.rows) {
            m_state.statisticsComplete = true;
        }
    }
}

void VolumeTableRecogniser::row(const QString& line) {
    ServerModel& m = m_ctx.model;
    const qsizetype blank = line.indexOf(u' ');
    const QString name = blank < 0 ? line : line.left(blank);
    const QString rest = blank < 0 ? QString() : line.mid(blank).trimmed();
    if (!caserules::equalsIgnoreCase(name, m_state.previousName)) {
        // The table has room for MaxVolumes records; further volumes are left out.
        m_state.dropRows = m_state.rows >= ServerModel::MaxVolumes;
        if (!m_state.dropRows) {
            VolumeRecord& record = m.Volumes[m_state.rows++];
            record.Name = name;
            record.NameSpaces = rest;
            m.VolumeCount = qMax(m.VolumeCount, m_state.rows);
        }
    } else if (!m_state.dropRows && m_state.rows > 0) {
        VolumeRecord& record = m.Volumes[m_state.rows - 1];
        record.NameSpaces += QStringLiteral(", ") + rest;
    }
    m_state.previousName = name;
}
