#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class DatabaseSelection;
class UserDialogs;

// Replaces the controlled database with a file the user downloaded by hand, then writes back
// the settings that file replaced (the download settings first, as a download does) and makes
// the controlled database current. A file that cannot be a database (one with a NUL byte or
// without a section header line) is refused before anything changes. `synchronise`
// runs when the user agrees to bring the custom entries over into the new file.
struct ManualUpdate {
    DatabaseSelection& databases;
    UserDialogs& dialogs;
    QStringList recentFiles;
    std::function<void()> synchronise;

    // Returns true when the update ran to its end.
    bool run(const QString& chosenFile);

  private:
    // Replaces the file and writes the settings back; false when the copy failed.
    bool replaceAndWriteBack(const QString& chosenFile);
};
