#pragma once

#include <QString>

class MainWindow;

// Saves a picture of each page of the main window as NN-page.png into a folder, for looking
// at the window without sitting in front of it (scripts/screenshots.sh).
namespace screenshots {

// Returns the number of pictures written.
int saveAll(MainWindow& window, const QString& folder);

}  // namespace screenshots
