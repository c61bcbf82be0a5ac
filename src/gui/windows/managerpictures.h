#pragma once

#include <QString>

class QWidget;

// Pictures of the patch database manager (each of its four pages), its "Syncing Databases..."
// progress window and the Register OCX window, for scripts/screenshots.sh.
namespace managerpictures {

// Saves them as NN-name.png into folder, numbered from `first`, for the windows that belong to
// mainWindow. Returns the number of pictures written.
int saveAll(QWidget& mainWindow, const QString& folder, int first);

}  // namespace managerpictures
