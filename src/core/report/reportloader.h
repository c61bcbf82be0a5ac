#pragma once

#include "model/mainviews.h"
#include "model/servermodel.h"
#include "report/loadstages.h"
#include "report/parsehooks.h"
#include "ui/progress.h"
#include "ui/userdialogs.h"

#include <QString>

// The report loading pipeline: checks the file, resets the model and views, reads the file,
// parses it, runs the analysis stages and warns about reports that cannot be trusted. A load
// is not re-entrant: one asked for while a load runs is refused.
class ReportLoader {
  public:
    struct Result {
        bool started = false;    // false when refused (another load runs)
        bool completed = false;  // the whole pipeline ran
        QString error;           // the error that ended the load, null otherwise
    };

    ReportLoader(ServerModel& model, MainViews& views, UserDialogs& dialogs, Progress& progress,
                 ParseHooks& parseHooks, LoadStages& stages);

    // Loads model.ConfigFileName.
    Result ReportLoad(bool startedByCompare);
    void ResetReportViews();

    bool isLoading() const { return m_loading; }
    // Status panel 0 as a window shows it: the stage while a load runs, nothing once it is over
    // (a load that ended with an error keeps the stage it reached in the views).
    QString shownStage() const;
    bool openedByCommand() const { return m_openedByCommand; }
    void setOpenedByCommand(bool value) { m_openedByCommand = value; }

    // The "Include Differences Found When Compared Against the Baseline Server" check box.
    bool includeCompareDifferences() const { return m_includeDifferences; }
    void setIncludeCompareDifferences(bool value) { m_includeDifferences = value; }
    // Whether the Config Text page is the current page of the main window.
    void setConfigTextPageCurrent(bool value) { m_configTextPageCurrent = value; }
    // Whether the report's text stays in the model after the parse (the window shows it; the
    // command line never does, so it lets the text go and needs less memory).
    void setKeepReportText(bool value) { m_keepReportText = value; }

  private:
    Result run(bool startedByCompare);
    void finishChecks(bool startedByCompare, qsizetype linesRead);

    ServerModel& m_model;
    MainViews& m_views;
    UserDialogs& m_dialogs;
    Progress& m_progress;
    ParseHooks& m_parseHooks;
    LoadStages& m_stages;
    bool m_loading = false;
    bool m_openedByCommand = false;
    bool m_includeDifferences = false;
    bool m_configTextPageCurrent = false;
    bool m_keepReportText = true;
};
