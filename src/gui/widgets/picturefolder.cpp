#include "gui/widgets/picturefolder.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QRegularExpression>
#include <QTabWidget>

void PictureFolder::save(QWidget& window, QString name) {
    QApplication::processEvents();
    name = name.toLower().replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")),
                                  QStringLiteral("-"));
    const QString file = QDir(m_folder).filePath(
        QStringLiteral("%1-%2.png").arg(m_number++, 2, 10, QLatin1Char('0')).arg(name));
    if (window.grab().save(file)) {
        ++m_written;
    }
}

void PictureFolder::savePages(QWidget& window, QTabWidget* pages, const QString& prefix) {
    for (int page = 0; page < pages->count(); ++page) {
        if (pages->isTabVisible(page)) {
            pages->setCurrentIndex(page);
            save(window, prefix + pages->tabText(page));
        }
    }
    pages->setCurrentIndex(0);
}
