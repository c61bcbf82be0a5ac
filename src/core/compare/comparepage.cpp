#include "compare/comparepage.h"

const QString ComparePage::NoServerCheckBoxText =
    QStringLiteral("Use THIS server's config (server ) as a baseline");
const QString ComparePage::NoBaselineLabel =
    QStringLiteral("Baseline Config...from server:  <NONE>");
const QString ComparePage::NoCompareLabel = QStringLiteral("Compare Config...from server: <NONE>");

QString ComparePage::checkBoxText(const QString& trimmedServerName) {
    return QStringLiteral("Use THIS server's config (server ") + trimmedServerName +
           QStringLiteral(") as a baseline");
}
