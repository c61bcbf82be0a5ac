#pragma once

#include <QString>

class QWidget;

// Pictures of the abend log window (both pages, over the open report's abend section), the
// Options window (both pages), the download wizard and the FTP Download Status window, for
// scripts/screenshots.sh.
namespace windowpictures {

// Saves them as NN-name.png into folder, numbered from `first`, for the windows that belong to
// mainWindow. Nothing is written to the settings. Returns the number of pictures written.
int saveAll(QWidget& mainWindow, const QString& folder, int first);

}  // namespace windowpictures
