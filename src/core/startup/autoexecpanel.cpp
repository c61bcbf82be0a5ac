#include "startup/autoexecpanel.h"

namespace {
const QString SysCopy = QStringLiteral("SYS:SYSTEM\\AUTOEXEC.DXS");
const QString DosCopy = QStringLiteral("C:AUTOEXEC.DXS");
}  // namespace

QString AutoexecPanel::caption() const {
    return m_dosShown ? DosCopy : SysCopy;
}

QString AutoexecPanel::changeLabel() const {
    return QStringLiteral("Click for ") + (m_dosShown ? SysCopy : DosCopy);
}
