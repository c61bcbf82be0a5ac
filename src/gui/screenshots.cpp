#include "gui/screenshots.h"

#include "gui/mainwindow.h"
#include "gui/windows/managerpictures.h"
#include "gui/windows/windowpictures.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QRegularExpression>
#include <QTabWidget>

namespace screenshots {

int saveAll(MainWindow& window, const QString& folder) {
    QDir().mkpath(folder);
    int written = 0;
    QTabWidget* tabs = window.tabs();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        QString name = tabs->tabText(i).toLower();
        name.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
        const QString file = QDir(folder).filePath(
            QStringLiteral("%1-%2.png").arg(i + 1, 2, 10, QLatin1Char('0')).arg(name));
        if (window.grab().save(file)) {
            ++written;
        }
    }
    tabs->setCurrentIndex(0);
    written += managerpictures::saveAll(window, folder, tabs->count() + 1);
    written += windowpictures::saveAll(window, folder, written + 1);
    return written;
}

}  // namespace screenshots
