#pragma once

#include <QIcon>
#include <QString>

// Toolbar and window button icons from the desktop theme, with our own drawing (an SVG among
// the resources) where the theme has none, so every button shows a picture on any desktop.
namespace toolbaricons {

enum class Picture {
    Open,
    Find,
    FindNext,
    FindPrevious,
    Top,
    Database,
    Download,
    Update,
    Abend,
    Copy,
    Print,
    Exit,
    Viewer
};

QIcon icon(Picture picture);

}  // namespace toolbaricons
