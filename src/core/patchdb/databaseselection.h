#pragma once

#include "ini/inifile.h"

#include <QString>
#include <functional>
#include <vector>

// Which of the two database files is current: the controlled quarixdb.ini, which the maker
// supplies and a download replaces, or the uncontrolled CARTOVEX.INI, which the user keeps.
// Everything that reads or edits "the database" goes through CurrentDatabase. Each selection
// stores the choice as DBType in both files and tells its listeners (the manager empties its
// pages and enables or disables its editing controls).
class DatabaseSelection {
  public:
    DatabaseSelection();

    const QString& currentPath() const { return m_current->path(); }
    IniFile& CurrentDatabase() { return *m_current; }
    const IniFile& CurrentDatabase() const { return *m_current; }
    bool UncontrolledMode() const { return m_uncontrolled; }
    IniFile& controlled() { return m_controlled; }
    IniFile& uncontrolled() { return m_uncontrolledFile; }

    void SelectControlledDatabase();
    void SelectUncontrolledDatabase();
    // Selects the database that a DBType value names: "Controlled" in any case, else the
    // uncontrolled one.
    void selectByType(const QString& dbType);
    // The caption of the manager's DBTypeLabel.
    QString typeLabel() const;

    // Start-up: writes the default database into each file that is missing, CARTOVEX.INI first.
    void createMissingFiles();
    // First activation: applies the DBType stored in the current (controlled) file.
    void applyStoredType();

    // The text of the "DB Type?" information message.
    QString databaseTypeInformation() const;

    void onSelected(std::function<void(bool uncontrolled)> listener);

  private:
    void select(bool uncontrolled);

    IniFile m_controlled;
    IniFile m_uncontrolledFile;
    IniFile* m_current;
    bool m_uncontrolled = false;
    std::vector<std::function<void(bool)>> m_listeners;
};
