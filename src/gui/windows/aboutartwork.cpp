#include "gui/windows/aboutartwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

AboutArtwork::AboutArtwork(QWidget* parent) : QWidget(parent) {
    setMinimumSize(sizeHint());
    setAttribute(Qt::WA_TransparentForMouseEvents);  // clicks close the About box
}

void AboutArtwork::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(24, 52, 96));
    sky.setColorAt(1, QColor(70, 120, 170));
    painter.fillRect(rect(), sky);

    qreal h = height();
    drawServer(painter, QRectF(width() * 0.12, h * 0.12, width() * 0.26, h * 0.76));
    drawReport(painter, QRectF(width() * 0.5, h * 0.16, width() * 0.34, h * 0.68));
    drawLens(painter, QPointF(width() * 0.72, h * 0.56), h * 0.2);
}

void AboutArtwork::drawServer(QPainter& painter, const QRectF& box) const {
    QLinearGradient metal(box.topLeft(), box.topRight());
    metal.setColorAt(0, QColor(190, 195, 205));
    metal.setColorAt(1, QColor(120, 125, 140));
    painter.setPen(QPen(QColor(40, 40, 50), 1.5));
    painter.setBrush(metal);
    painter.drawRoundedRect(box, 4, 4);
    // Drive bays with their activity lights.
    qreal bay = box.height() / 7;
    for (int i = 0; i < 4; ++i) {
        QRectF slot(box.left() + 8, box.top() + 10 + i * bay * 1.2, box.width() - 16, bay * 0.8);
        painter.setBrush(QColor(60, 64, 76));
        painter.drawRect(slot);
        painter.setBrush(i == 1 ? QColor(230, 70, 50) : QColor(80, 220, 90));
        painter.drawEllipse(QPointF(slot.right() - 7, slot.center().y()), 2.5, 2.5);
    }
    painter.setBrush(QColor(255, 200, 40));
    painter.drawEllipse(QPointF(box.center().x(), box.bottom() - 14), 5, 5);
}

void AboutArtwork::drawReport(QPainter& painter, const QRectF& box) const {
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(QColor(250, 250, 240));
    painter.drawRect(box);
    qreal step = box.height() / 9;
    for (int i = 1; i < 9; ++i) {
        qreal length = box.width() * (i % 3 == 0 ? 0.5 : 0.8);
        painter.setPen(QPen(i == 4 ? QColor(200, 40, 40) : QColor(120, 130, 150), 2));
        QPointF from(box.left() + 8, box.top() + i * step);
        painter.drawLine(from, from + QPointF(length - 8, 0));
    }
}

void AboutArtwork::drawLens(QPainter& painter, const QPointF& centre, qreal radius) const {
    QPointF handle = centre + QPointF(radius * 0.72, radius * 0.72);
    painter.setPen(QPen(QColor(60, 40, 20), radius * 0.28, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(handle, handle + QPointF(radius * 0.8, radius * 0.8));
    painter.setPen(QPen(QColor(40, 40, 50), 3));
    painter.setBrush(QColor(180, 220, 255, 90));
    painter.drawEllipse(centre, radius, radius);
}
