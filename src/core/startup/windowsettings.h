#pragma once

#include <QString>

class UserDialogs;

// The main window's size and the open dialog's starting folder: read at creation (only when
// the controlled database file exists, else the designed values stay) and written back to
// [Preferences] when the window closes.
struct WindowSettings {
    static constexpr int DefaultHeight = 555;
    static constexpr int DefaultWidth = 735;
    static const QString DefaultRootDir;  // "C:\"

    int Height = DefaultHeight;
    int Width = DefaultWidth;
    QString RootDir = DefaultRootDir;

    static WindowSettings read(const QString& settingsPath);
    // The folder a dialog starts in for a stored RootDir: that folder when it exists, else the
    // user's home folder (the designed "C:\" names no folder here).
    static QString startFolder(const QString& rootDir);
    // Writes Height, Width and RootDir; a refused write is shown as an error box.
    void writeBack(const QString& settingsPath, UserDialogs& dialogs) const;
};
