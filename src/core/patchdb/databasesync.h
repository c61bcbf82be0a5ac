#pragma once

#include <QString>
#include <QStringList>

class PatchDatabaseManager;
class Progress;

// Sync Databases and Check Sync Status of the custom entries page. The synchronisation copies
// the custom entries and file sets of CARTOVEX.INI into Core DXPs and File Sets of
// quarixdb.ini, whatever database is current, because a download or a manual update replaces
// that file and loses them. It runs in six progress stages (Progress start(6), one step after
// each stage, finish before the closing message; the window shows them in a progress window
// captioned customtexts::SyncProgressCaption).
class DatabaseSync {
  public:
    static const QString CustomEntries;
    static const QString CustomFileSets;

    explicit DatabaseSync(PatchDatabaseManager& manager) : m_manager(manager) {}

    void SyncDatabases();
    // The same, with its stages shown on the given progress (the window's "Syncing
    // Databases..." progress window) instead of the manager's.
    void SyncDatabases(Progress& progress);
    // Compares the last and then the first row of the list with both files; rows in between
    // are not looked at.
    void CheckSyncStatus(const QStringList& rows);

    // The lines of CARTOVEX.INI; a missing file is warned about and gives no lines.
    static QStringList loadCustomizableDatabase(PatchDatabaseManager& manager);

  private:
    // Copies the lines into the section of quarixdb.ini when its scanned text has a section
    // to receive them; returns false when it has no such section at all.
    bool copyInto(const QStringList& target, const QString& section, const QStringList& lines);
    bool agrees(const QString& row) const;

    PatchDatabaseManager& m_manager;
};
