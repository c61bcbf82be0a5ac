#pragma once

#include "analysis/analysisstate.h"
#include "ini/inifile.h"
#include "model/servermodel.h"
#include "text/sortedtextlist.h"
#include "ui/progress.h"

#include <QStringList>

// Finds the server's loaded modules that are older than the current version that the core
// module list names for its OS version, and appends one finding per module to the suggestions,
// with the file that brings the update and, for the user's own entries, a note saying so. A
// user entry counts only when the maker's entry for the same module is missing or older.
class ModuleCurrencyCheck {
  public:
    struct Inputs {
        const QStringList& coreKeys;      // the core module list, in file order
        const QStringList& coreVersions;  // parallel current versions
        const SortedTextList& fileSetKeys;
        const IniFile& currentDatabase;     // File Sets: the update files
        const IniFile& controlledDatabase;  // Core DXPs of quarixdb.ini: the maker's entries
    };

    ModuleCurrencyCheck(ServerModel& model, AnalysisState& state, Progress& progress);

    // Throws OperationError when a version's number cannot be read.
    void CheckModuleCurrency(const Inputs& inputs);

  private:
    QString updateFile(const Inputs& inputs, const QString& key);
    bool userEntryCounts(const QString& key, const QString& current);

    ServerModel& m_model;
    AnalysisState& m_state;
    Progress& m_progress;
    QList<IniFile::Entry> m_fileSets;
    QList<IniFile::Entry> m_makerEntries;
};
