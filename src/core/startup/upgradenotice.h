#pragma once

#include <QString>

class Preferences;
class UserDialogs;

// The maker's upgrade notice, published in [Preferences] of the controlled database: the
// target version and file (Upgrade), where the file is (UpgradeSite), why (UpgradePriority)
// and what is new (WhatsNew). The notice is shown at start-up when the target version is
// newer than this program.
struct UpgradeKeys {
    QString Upgrade = QStringLiteral("None");
    QString UpgradeSite = QStringLiteral("None");
    QString UpgradePriority = QStringLiteral("None");
    QString WhatsNew = QStringLiteral("None");

    static UpgradeKeys read(const Preferences& preferences);
};

namespace upgradenotice {

// The notice's text, or an empty text when no notice is due. A target or program version that
// is not a decimal number throws OperationError with the conversion message.
QString text(const UpgradeKeys& keys, const QString& programVersion,
             const QString& defaultRemoteHost);

// Start-up: shows the notice as an information box, or the conversion error as an error box.
void show(const Preferences& preferences, UserDialogs& dialogs);

}  // namespace upgradenotice
