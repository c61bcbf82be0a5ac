#pragma once

#include "abendlog/abendlog.h"
#include "analysis/analysisstate.h"
#include "compare/comparison.h"
#include "download/downloadcomponents.h"
#include "model/mainviews.h"
#include "model/servermodel.h"
#include "patchdb/customentriespage.h"
#include "patchdb/databaseselection.h"
#include "patchdb/patchdatabasemanager.h"
#include "report/loadstages.h"
#include "report/parsehooks.h"
#include "report/recentfilelist.h"
#include "report/reportloader.h"
#include "reports/summaryreport.h"
#include "ui/progress.h"
#include "ui/userdialogs.h"

#include <QStringList>

// Everything the main window owns for the life of the program: the server model, the views'
// texts, the database selection and its manager, the analysis, the recent file list and the
// loading pipeline, wired together. The window and the command line drive the same engine.
class Engine : private ParseHooks, private LoadStages {
  public:
    Engine(UserDialogs& dialogs, Progress& progress);

    ServerModel& model() { return m_model; }
    MainViews& views() { return m_views; }
    DatabaseSelection& databases() { return m_databases; }
    PatchDatabaseManager& manager() { return m_manager; }
    // The manager window's "Customize Database" page.
    CustomEntriesPage& customPage() { return m_custom; }
    AnalysisState& analysis() { return m_analysis; }
    // The abend log window's state; a report load clears it.
    AbendLog& abendLog() { return m_abend; }
    RecentFileList& recentFiles() { return m_recent; }
    ReportLoader& loader() { return m_loader; }
    UserDialogs& dialogs() { return m_dialogs; }
    Comparison& compare() { return m_compare; }
    SummaryReport& summary() { return m_summary; }
    // The Options window's state, the download session and the download wizard.
    DownloadComponents& download() { return m_download; }

    // The main window's creation: the data directory, the recent file list and the database
    // files written with the default content where missing. Returns false when there is no
    // data directory; no file is written then (a relative path would land in the working
    // folder).
    bool create();
    // The first activation: the stored database type is selected.
    void firstActivation();

    // The open command with a chosen file; the compare command sets startedByCompare.
    ReportLoader::Result openReport(const QString& path, bool startedByCompare = false);
    // Recent file item k (1 to 5).
    ReportLoader::Result openRecent(int k);
    // A report named on the command line, opened once; not started when there is none or one
    // was already opened this way. One that does not exist (or is a folder) gets the open
    // command's not-found message, once.
    ReportLoader::Result commandLineOpen(const QStringList& arguments);
    bool commandLineFlag() const { return m_commandLineFlag; }

    // The main window's update of the controlled database from a manually downloaded file.
    bool manualUpdate(const QString& chosenFile);
    // Brings the custom entries into the controlled database (Sync Databases of the custom
    // entries page); the manual update and the download offer it.
    std::function<void()> synchroniseCustomEntries = [this] { m_custom.SyncDatabases(); };

  private:
    ReportLoader::Result notFound(const QString& path);

    // ParseHooks
    void ReadCoreModuleList() override;
    void clearAnalysisViews() override;
    void RefreshBaselineControls() override;
    bool baselineServerSet() const override;
    void CheckModuleCurrency() override;
    // LoadStages
    void VerifyPatches() override;
    void BuildSuggestions() override;
    void resetOwnedViews() override;

    UserDialogs& m_dialogs;
    Progress& m_progress;
    ServerModel m_model;
    MainViews m_views;
    DatabaseSelection m_databases;
    PatchDatabaseManager m_manager;
    CustomEntriesPage m_custom{m_manager};
    AnalysisState m_analysis;
    AbendLog m_abend;
    RecentFileList m_recent;
    ReportLoader m_loader;
    Comparison m_compare;
    SummaryReport m_summary;
    bool m_commandLineFlag = false;
    DownloadComponents m_download{m_databases, m_dialogs, m_progress, m_recent, [this] {
                                      if (synchroniseCustomEntries) {
                                          synchroniseCustomEntries();
                                      }
                                  }};
};
