#pragma once

#include "patchdb/databasesync.h"
#include "text/sortedtextlist.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class PatchDatabaseManager;

// The manager window's "Customize Database" page: the user's own module entries, kept in
// Custom Entries and Custom FileSets of CARTOVEX.INI and copied into Core DXPs and File Sets
// of quarixdb.ini. The window writes what the user types into the public fields, calls the
// commands, and then shows the state as it stands: the fields, the six OS version boxes
// (chk500, chk411, chk410, chk312, chk311, chkOtherVer, captions in customtexts::OsBoxCaptions),
// edtOtherVer enabled exactly while "Other" is ticked, the file-set text with its drop-down
// items, the sorted entry list with its label, the selection mode and the selected rows. The
// fixed captions are in customentriestexts.h. Every message goes through the manager's dialogs.
class CustomEntriesPage {
  public:
    enum OsBox { Box500, Box411, Box410, Box312, Box311, BoxOther, OsBoxCount };
    enum class SelectionMode { SingleSelectToView, MultiSelectToDelete };

    explicit CustomEntriesPage(PatchDatabaseManager& manager);

    // The input fields, as typed.
    QString edtModuleName;
    QString edtModuleVer;
    std::array<bool, OsBoxCount> osBoxes{};
    QString edtOtherVer;
    QString cbxCustomFileSet;
    bool chkPromptToRestartOnUpdate = true;

    bool edtOtherVerEnabled() const { return osBoxes[BoxOther]; }
    // The drop-down items of cbxCustomFileSet; they last for the run.
    const QStringList& cbxCustomFileSetItems() const { return m_fileSetItems; }
    // The rows of lstCustomDBEntries, in the list's sorted order.
    const QStringList& lstCustomDBEntries() const { return m_rows.lines(); }
    const QString& lblCustomDBEntries() const { return m_label; }
    SelectionMode rgpSelectCustomEntries() const { return m_mode; }
    // Selected rows, ascending; at most one in the single-select mode.
    const QList<int>& selectedRows() const { return m_selected; }

    // Each activation of the manager window: reads the entries when the list is empty, then
    // applies the selection mode.
    void activate();
    void addModule();
    void ReadCustomEntries();
    // A click on a row: in the single-select mode it selects the row alone and shows it; in
    // the multi-select mode it adds the row to the selection or takes it out.
    void clickRow(int row);
    void setSelectionMode(SelectionMode mode);
    // Selects exactly these rows (a multi-select drag or Ctrl-clicks in the window).
    void selectRows(const QList<int>& rows);
    void deleteModule();
    void clearEntries();
    void enterNameField();
    void setOtherChecked(bool checked) { osBoxes[BoxOther] = checked; }
    void leaveFileSetBox();
    void SyncDatabases() { m_sync.SyncDatabases(); }
    void SyncDatabases(Progress& progress) { m_sync.SyncDatabases(progress); }
    void CheckSyncStatus() { m_sync.CheckSyncStatus(lstCustomDBEntries()); }

    // The OS version of a box: its caption, or the text of edtOtherVer for "Other".
    QString osVersionOf(OsBox box) const;

  private:
    void clearFields();
    void showRow(int row);
    // Writes the box's entry into both files (into the open batch); returns its key.
    QString writeForBox(OsBox box);
    // The list row of a written key, or the message that an existing entry was updated.
    void showAdded(const QString& key);

    PatchDatabaseManager& m_manager;
    DatabaseSync m_sync;
    SortedTextList m_rows{false};
    QString m_label;
    QStringList m_fileSetItems;
    SelectionMode m_mode = SelectionMode::SingleSelectToView;
    QList<int> m_selected;
};
