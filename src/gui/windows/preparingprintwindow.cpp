#include "gui/windows/preparingprintwindow.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

PreparingPrintWindow::PreparingPrintWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setAccessibleName(QStringLiteral("Preparing Print Job..."));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Preparing Print Job..."), this);
    QFont bold = text->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    text->setFont(bold);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    setFixedSize(260, 70);
}

void PreparingPrintWindow::showNow() {
    if (const QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    repaint();
    QApplication::processEvents();
}
