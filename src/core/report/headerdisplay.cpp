#include "report/headerdisplay.h"

#include "report/parsecontext.h"

void HeaderDisplay::onLine(int i) {
    look(i);
    m_wakeMask = m_ctx.headerShown ? ~quint64(0) : 0;
}

void HeaderDisplay::look(int) {
    if (m_ctx.headerMode || m_ctx.headerShown) {
        return;
    }
    const ServerModel& m = m_ctx.model;
    MainViews& v = m_ctx.views;
    v.OSVerEdit = m.OSVersion;
    v.EngTypeEdit = m.EngineType;
    v.IntNetEdit = m.InternalNetAddr;
    v.TotMemEdit = m.TotalMemory;
    v.ServNameEdit = m.ServerName;
    v.LicEdit = m.LicensedConnections;
    v.ConfigDateLabel = QStringLiteral("- Config created ") + m.ConfigCreated;
    v.ConfigDXPLabel = QStringLiteral("- Produced by ") + m.ProducedBy;
    m_ctx.headerShown = true;
}
