#include "gui/widgets/toolbaricons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace toolbaricons {

namespace {

struct Drawn {
    const char* themeName;
    QColor colour;
    QString glyph;
};

Drawn drawnOf(Picture picture) {
    switch (picture) {
        case Picture::Open:
            return {"document-open", QColor(200, 150, 30), QStringLiteral("O")};
        case Picture::Find:
            return {"edit-find", QColor(40, 110, 190), QStringLiteral("?")};
        case Picture::FindNext:
            return {"go-down", QColor(40, 110, 190), QStringLiteral("\u2193")};
        case Picture::FindPrevious:
            return {"go-up", QColor(40, 110, 190), QStringLiteral("\u2191")};
        case Picture::Top:
            return {"go-top", QColor(40, 110, 190), QStringLiteral("\u21a5")};
        case Picture::Database:
            return {"document-properties", QColor(90, 90, 160), QStringLiteral("DB")};
        case Picture::Download:
            return {"go-bottom", QColor(30, 140, 80), QStringLiteral("FTP")};
        case Picture::Update:
            return {"view-refresh", QColor(30, 140, 80), QStringLiteral("U")};
        case Picture::Abend:
            return {"dialog-warning", QColor(190, 60, 40), QStringLiteral("!")};
        case Picture::Copy:
            return {"edit-copy", QColor(110, 110, 110), QStringLiteral("C")};
        case Picture::Print:
            return {"document-print", QColor(70, 70, 70), QStringLiteral("P")};
        case Picture::Exit:
            return {"application-exit", QColor(170, 40, 40), QStringLiteral("X")};
        case Picture::Viewer:
            return {"view-list-text", QColor(120, 80, 150), QStringLiteral("V")};
    }
    return {"", Qt::gray, QString()};
}

QPixmap draw(const Drawn& drawn) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    painter.fillPath(shape, drawn.colour);
    painter.setPen(drawn.colour.darker(140));
    painter.drawPath(shape);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(drawn.glyph.size() > 2 ? 10 : 16);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(2, 2, 28, 28), Qt::AlignCenter, drawn.glyph);
    return pixmap;
}

}  // namespace

QIcon icon(Picture picture) {
    const Drawn drawn = drawnOf(picture);
    return QIcon::fromTheme(QLatin1String(drawn.themeName), QIcon(draw(drawn)));
}

}  // namespace toolbaricons
