#pragma once

#include "abendlog/abendview.h"
#include "model/servermodel.h"
#include "patchdb/patchdatabasemanager.h"
#include "ui/progress.h"
#include "ui/userdialogs.h"

#include <functional>

// The abend log window's engine: reads a log file (or takes the open report's abend section),
// lists its entries, and for one entry collects the modules loaded at the halt and names the
// core modules among them that the active patch database knows a newer version of. Its view
// state lives as long as the program; a report load clears it. A report's section can be
// listed but not analysed, since it holds summarized data only.
class AbendLog {
  public:
    static const QString CutQuestion;
    static const QString ReportRefusal;

    AbendLog(ServerModel& model, PatchDatabaseManager& manager, UserDialogs& dialogs,
             Progress& progress);

    const AbendView& view() const { return m_view; }
    // Told each time the scan finds an entry, so the window can show the count at once.
    std::function<void()> countChanged;
    // Told when the view is emptied (a report load or a scan starts), so the window stops
    // listing the previous abends at once, not only when the work is done.
    std::function<void()> viewCleared;
    // The abend window's own progress bar moves during its scans, not the main window's.
    void setProgress(Progress& progress) { m_progress = &progress; }

    void ClearAbendView();
    // "Open Log" with a chosen file. Returns the error shown when the file cannot be read (the
    // view then lists nothing), a null string otherwise.
    QString openLogFile(const QString& path);
    // The window's activation: scans the report's abend section when the abend text comes from
    // the report and nothing is listed yet.
    void activate();
    void AnalyzeReportAbendLog();
    // A double-click (or Enter) on entry `index` (from 0); nothing for an index out of range.
    void analyzeEntry(int index);

  private:
    bool readLogFile(const QString& path, QString& error, qint64& size);
    void ShowLogSize(qint64 size);
    void KeepRecentAbends(qint64 size);
    void ScanAbendEntries();
    void AnalyzeAbend();

    ServerModel& m_model;
    PatchDatabaseManager& m_manager;
    UserDialogs& m_dialogs;
    Progress* m_progress;
    AbendView m_view;
};
