#include "gui/widgets/splashwindow.h"

#include "startup/programinfo.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setFixedSize(420, 240);
    setAccessibleName(QStringLiteral("Daltrix Cartovex"));
}

void SplashWindow::showAndPaint() {
    if (const QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    repaint();
    QApplication::processEvents();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect all = rect();
    p.fillRect(all, QColor(192, 192, 192));
    // Bevel: light upper left, dark lower right, twice.
    for (int i = 0; i < 3; ++i) {
        const QRect r = all.adjusted(i, i, -i - 1, -i - 1);
        p.setPen(Qt::white);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(96, 96, 96));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    const QRect inner = all.adjusted(14, 14, -14, -14);
    QLinearGradient sky(inner.topLeft(), inner.bottomLeft());
    sky.setColorAt(0, QColor(16, 40, 110));
    sky.setColorAt(1, QColor(40, 110, 170));
    p.fillRect(inner, sky);
    // The maker's mark: three stacked server boxes.
    for (int i = 0; i < 3; ++i) {
        const QRect box(inner.left() + 24, inner.top() + 40 + i * 38, 70, 30);
        p.setBrush(QColor(220, 220, 225));
        p.setPen(QColor(60, 60, 70));
        p.drawRoundedRect(box, 4, 4);
        p.setBrush(QColor(60, 200, 90));
        p.drawEllipse(QPoint(box.right() - 12, box.center().y()), 4, 4);
    }
    QFont title = font();
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(inner.adjusted(120, 30, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Cartovex"));
    QFont small = font();
    small.setPixelSize(15);
    p.setFont(small);
    p.setPen(QColor(255, 230, 120));
    p.drawText(inner.adjusted(122, 80, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Daltrix server configuration analyser"));
    p.setPen(QColor(210, 225, 255));
    p.drawText(inner.adjusted(122, 110, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Version ") + programinfo::version());
}
