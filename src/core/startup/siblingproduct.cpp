#include "startup/siblingproduct.h"

#include "ui/userdialogs.h"

#include <QDir>
#include <QFileInfo>

namespace siblingproduct {

const QString FileName = QStringLiteral("MeridexPro.exe");
const QString Question = QStringLiteral(
    "Included with this version of Cartovex is\r\nthe next generation of Multi-Server Analysis "
    "and\r\nMaintenance software.\r\n\r\nWould you like to run 'Meridex Admin Pro' ?");
const QDate OfferEnds(1999, 2, 1);

QString path(const QString& programFolder) {
    QString folder = QDir::fromNativeSeparators(programFolder);
    if (!folder.isEmpty() && !folder.endsWith(u'/')) {
        folder += u'/';
    }
    return folder + FileName;
}

bool offered(const QString& programFolder, const QDate& today) {
    return QFileInfo(path(programFolder)).isFile() && today < OfferEnds;
}

void run(const QString& programFolder, UserDialogs& dialogs, const StartDetached& start) {
    const QString program = path(programFolder);
    if (!QFileInfo(program).isFile()) {
        dialogs.error(QStringLiteral("File not found!"));
        return;
    }
    start(program);
}

}  // namespace siblingproduct
