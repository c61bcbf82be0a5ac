#include "gui/widgets/toolbaricons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace toolbaricons {

namespace {

struct Source {
    const char* themeName;  // the freedesktop name the desktop's theme may have
    const char* drawing;    // our own picture among the resources
};

Source sourceOf(Picture picture) {
    switch (picture) {
        case Picture::Open:
            return {"document-open", "open"};
        case Picture::Find:
            return {"edit-find", "find"};
        case Picture::FindNext:
            return {"go-down", "findnext"};
        case Picture::FindPrevious:
            return {"go-up", "findprevious"};
        case Picture::Top:
            return {"go-top", "top"};
        case Picture::Database:
            return {"document-properties", "database"};
        case Picture::Download:
            return {"go-bottom", "download"};
        case Picture::Update:
            return {"view-refresh", "update"};
        case Picture::Abend:
            return {"dialog-warning", "abend"};
        case Picture::Copy:
            return {"edit-copy", "copy"};
        case Picture::Print:
            return {"document-print", "print"};
        case Picture::Exit:
            return {"application-exit", "exit"};
        case Picture::Viewer:
            return {"view-list-text", "viewer"};
    }
    return {"", ""};
}

// The drawing rendered at the sizes a toolbar and a high-density screen ask for, so no size is
// scaled from a bitmap.
QIcon drawn(const char* name) {
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
    QIcon icon;
    if (!renderer.isValid()) {
        return icon;
    }
    for (int size : {16, 24, 32, 36, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

QIcon icon(Picture picture) {
    const Source source = sourceOf(picture);
    // The drawing is rendered only where the theme lacks the icon.
    const QString name = QLatin1String(source.themeName);
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : drawn(source.drawing);
}

}  // namespace toolbaricons
