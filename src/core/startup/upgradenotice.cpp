#include "startup/upgradenotice.h"

#include "download/downloadsettings.h"
#include "settings/preferences.h"
#include "startup/programinfo.h"
#include "text/numberconversion.h"
#include "ui/operationerror.h"
#include "ui/userdialogs.h"

namespace {

const QString None = QStringLiteral("None");
const QString CrLf = QStringLiteral("\r\n");

// The text before the first comma, or the whole value when it has none.
QString beforeComma(const QString& value) {
    const int comma = value.indexOf(u',');
    return comma < 0 ? value : value.left(comma);
}

// The text after the first comma, or empty when it has none.
QString afterComma(const QString& value) {
    const int comma = value.indexOf(u',');
    return comma < 0 ? QString() : value.mid(comma + 1);
}

QString whereText(const QString& site, const QString& host) {
    if (site == None) {
        return QStringLiteral(".\r\n\r\n");
    }
    const QString kind = beforeComma(site);
    if (kind == QLatin1String("1")) {
        return QStringLiteral(" in\r\nthe /outgoing directory on the ") + host +
               QStringLiteral(
                   " site.\r\nThe filename is case sensitive.  You won't be able to see\r\n"
                   "any files in this directory but you can download files.\r\n\r\n");
    }
    if (kind == QLatin1String("2")) {
        const QStringList parts = afterComma(site).split(u'+');
        return parts.join(CrLf) + QStringLiteral(".\r\n\r\n");
    }
    return QStringLiteral(".\r\n\r\n");
}

QString priorityText(const QString& priority) {
    if (priority == None) {
        return {};
    }
    const QString head = QStringLiteral("\r\n\r\nUpgrade Priority:  ");
    if (!priority.contains(u',')) {
        return head + priority;
    }
    return head + beforeComma(priority) + CrLf + QStringLiteral("Upgrade Reason:  ") +
           afterComma(priority).left(200);
}

QString newsText(const QString& whatsNew) {
    if (whatsNew == None) {
        return {};
    }
    QString text = QStringLiteral("\r\n\r\nWhat's New:\r\n");
    QString rest = whatsNew;
    const QString item = QStringLiteral("     - ");
    for (int semi = rest.indexOf(u';'); semi >= 0; semi = rest.indexOf(u';')) {
        const QString part = rest.left(semi);
        text += part.isEmpty() ? CrLf : item + part + CrLf;
        rest = rest.mid(semi + 1).left(255);
    }
    return text + item + rest;
}

}  // namespace

UpgradeKeys UpgradeKeys::read(const Preferences& preferences) {
    return {preferences.upgrade(), preferences.upgradeSite(), preferences.upgradePriority(),
            preferences.whatsNew()};
}

namespace upgradenotice {

QString text(const UpgradeKeys& keys, const QString& programVersion,
             const QString& defaultRemoteHost) {
    if (keys.Upgrade == None) {
        return {};
    }
    const QString target = beforeComma(keys.Upgrade);
    const QString file = afterComma(keys.Upgrade).left(15).trimmed();
    const QString where = whereText(keys.UpgradeSite, defaultRemoteHost);
    const QString priority = priorityText(keys.UpgradePriority);
    const QString news = newsText(keys.WhatsNew);
    if (numconv::toDouble(target) <= numconv::toDouble(programVersion)) {
        return {};
    }
    return QStringLiteral("You need to upgrade this version of Cartovex\r\nto version ") + target +
           QStringLiteral(" found in the file ") + file + where +
           QStringLiteral(
               "Support for the version of Cartovex you are\r\n"
               "currently running and it's controlled database\r\n"
               "will end shortly.") +
           priority + news;
}

void show(const Preferences& preferences, UserDialogs& dialogs) {
    try {
        const QString notice = text(UpgradeKeys::read(preferences), programinfo::version(),
                                    DownloadSettings::DefaultRemoteHost);
        if (!notice.isEmpty()) {
            dialogs.inform(notice);
        }
    } catch (const OperationError& error) {
        dialogs.error(error.message());
    }
}

}  // namespace upgradenotice
