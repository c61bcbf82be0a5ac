#pragma once

#include "patchdb/coremodulepage.h"
#include "patchdb/databaseselection.h"
#include "patchdb/patchkitimport.h"
#include "text/sortedtextlist.h"
#include "ui/progress.h"
#include "ui/userdialogs.h"

#include <QStringList>

// The patch database manager: the current database as text, the patch set names, the keys of
// its file sets, and the commands that save, delete, recreate and edit it. The window shows
// this state; the analysis reads the core module list and the set names at every load. It
// lives as long as the program and keeps its content between openings of its window.
class PatchDatabaseManager {
  public:
    static const QStringList ReservedSections;

    PatchDatabaseManager(DatabaseSelection& databases, UserDialogs& dialogs, Progress& progress);

    DatabaseSelection& databases() { return m_databases; }
    UserDialogs& dialogs() { return m_dialogs; }
    Progress& progress() { return m_progress; }
    CoreModulePage& corePage() { return m_core; }
    PatchKitImport& importPage() { return m_import; }

    // The database text as the window shows it (PatchDBMemo) and its modified flag.
    const QStringList& databaseText() const { return m_text; }
    void editDatabaseText(const QStringList& lines);
    bool isModified() const { return m_modified; }
    const QString& locationLabel() const { return m_location; }
    int PatchSetCount() const { return m_patchSetCount; }
    // The set names of the main window's PatchHeaderListBox, in descending order.
    const QStringList& patchSetNames() const { return m_setNames; }
    const SortedTextList& FileSetKeys() const { return m_fileSetKeys; }
    bool saveEnabled() const { return m_saveEnabled; }

    void ReadPatchDatabase();
    // Empties the database text and its location (the custom entries page loads CARTOVEX.INI
    // into the text while it scans it).
    void clearDatabaseText() { clearText(); }
    void ReadPatchSetNames();
    void ReadCoreModuleList() { m_core.ReadCoreModuleList(); }

    void save();
    // Deletes one line of the database text and saves the text as the whole file.
    void removeLineAndSave(int index);
    void deleteDatabase();
    // rootDir is the main window's current report folder, written as RootDir afterwards.
    void createDefault(const QString& rootDir);
    // Returns true when the window may close.
    bool close();
    // The main window's Delete key on a patch set (uncontrolled mode only).
    void deletePatchSet(const QString& name);

    // The database was selected: the pages are emptied.
    void databaseSelected();

  private:
    void clearText();
    void CollectFileSetKeys();

    DatabaseSelection& m_databases;
    UserDialogs& m_dialogs;
    Progress& m_progress;
    QStringList m_text;
    bool m_modified = false;
    bool m_saveEnabled = false;
    QString m_location;
    int m_patchSetCount = 0;
    QStringList m_setNames;
    SortedTextList m_fileSetKeys;
    CoreModulePage m_core;
    PatchKitImport m_import;
};
