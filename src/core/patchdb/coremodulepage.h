#pragma once

#include <QString>
#include <QStringList>

class PatchDatabaseManager;

// The manager's core module page: the keys of the current database's Core DXPs section with
// their versions (read again at every report load, for the module check and the abend
// analysis), and the legacy commands that add, change and remove a key.
class CoreModulePage {
  public:
    explicit CoreModulePage(PatchDatabaseManager& manager) : m_manager(manager) {}

    // The rows of CoreDXPListBox and the parallel versions ("No Version" for a key without one).
    const QStringList& keys() const { return m_keys; }
    const QStringList& CoreVersions() const { return m_versions; }
    int selectedRow() const { return m_selected; }

    QString NewDXPEdit;
    QString VersionEdit;

    void ReadCoreModuleList();
    // A click on a row shows its key and version.
    void selectRow(int row);
    // Entering the name field empties the version field.
    void enterNameField() { VersionEdit.clear(); }
    // Add/Change and Remove; both do nothing in the controlled mode.
    void addChange();
    void remove();
    void clear();

    // The key that Add/Change writes for a typed name: upper case, ".DXP" added when the module
    // name has no extension.
    static QString normalisedKey(const QString& typed);

  private:
    PatchDatabaseManager& m_manager;
    QStringList m_keys;
    QStringList m_versions;
    int m_selected = -1;
};
