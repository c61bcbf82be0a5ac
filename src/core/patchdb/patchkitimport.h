#pragma once

#include <QString>
#include <QStringList>

class PatchDatabaseManager;
class Progress;

// The manager's import page: a patch kit's description text, the patch modules found in it,
// and the commands that add them to the current database as a patch set named after the kit
// file ("410pt6.txt : 70 native patches").
class PatchKitImport {
  public:
    explicit PatchKitImport(PatchDatabaseManager& manager) : m_manager(manager) {}

    QStringList ImportPatchTxtFile;
    QString ImportPatchTxtFileLabel;
    QStringList ImportPatchListBox;
    QString ImportPatchListBoxLabel;

    // Finds the patch module names of a kit's file list: after "Files Included", the block
    // that follows "\NATIVE\START" up to the first line that begins with neither a blank nor
    // nothing. progress may be null.
    static QStringList scanKit(const QStringList& lines, Progress* progress);
    // The patch module name in a kit line: its first 16 characters, trimmed; empty when they
    // name no patch module.
    static QString patchModuleIn(const QString& line);

    // Loads a kit file and scans it; with names found, asks whether to add them and does.
    void importFile(const QString& path);
    // Imports the names found in text the user selected in the kit view, replacing the set of
    // the same kit (uncontrolled mode only).
    void importSelection(const QString& selectedText);
    void clear();

  private:
    void writeSet(const QStringList& names);

    PatchDatabaseManager& m_manager;
};
