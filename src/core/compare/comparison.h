#pragma once

#include "analysis/analysisstate.h"
#include "compare/comparepage.h"
#include "model/mainviews.h"
#include "model/servermodel.h"
#include "model/serversnapshot.h"
#include "report/reportloader.h"
#include "ui/progress.h"
#include "ui/userdialogs.h"

#include <functional>

// The baseline and compare of two analysed servers: the two snapshots, the chosen baseline,
// the Compare page's controls and table, and the include check box's action that appends the
// module differences to the suggestions. The compare loads its report through the open command
// of the loading pipeline, told that the compare started it. The window calls the operations
// on the user's clicks and renders page(); the command line drives the same operations.
class Comparison {
  public:
    // Runs the open command on a chosen file with startedByCompare set.
    using OpenForCompare = std::function<ReportLoader::Result(const QString& path)>;
    // The open dialog of the compare: the chosen file, or an empty text when cancelled.
    using ChooseReport = std::function<QString()>;

    Comparison(ServerModel& model, MainViews& views, AnalysisState& analysis, ReportLoader& loader,
               UserDialogs& dialogs, Progress& progress, OpenForCompare open);

    const ComparePage& page() const { return m_page; }
    const QString& CompareConfigLabel() const { return m_views.CompareConfigLabel; }
    bool includeCompareDifferences() const { return m_loader.includeCompareDifferences(); }
    const ServerSnapshot& baseline() const { return m_baseline; }
    const ServerSnapshot& compared() const { return m_compare; }
    const QString& BaselineChoice() const { return m_baselineChoice; }
    bool DifferencesAppended() const { return m_differencesAppended; }

    // Entering the Compare page, and the parser when it reads the server name.
    void RefreshBaselineControls();
    bool baselineServerSet() const { return !m_baselineChoice.isEmpty(); }
    // The user ticks BaselineCheckBox (ignored while the box is disabled or ticked).
    void ChooseBaseline();
    // ResetBaselineBtn (ignored while the button is disabled).
    void ResetBaseline();
    // CompareBtn. Returns the refusal or the load's result; a cancelled dialog returns a
    // result that did not start.
    ReportLoader::Result CompareServers(const ChooseReport& chooseReport);
    void AppendCompareDifferences();
    // A click on chkIncludeCompareDifferences, or a program step that ticks or unticks it.
    void includeCheckBoxClicked(bool checked);
    // The load reset emptied Suggestions.
    void suggestionsEmptied() { m_differencesAppended = false; }
    // The double click on BaselineConfigLabel; setColumnWidths records the user's widths.
    void showColumnWidths();
    void setColumnWidths(int left, int right);

  private:
    ServerModel& m_model;
    MainViews& m_views;
    AnalysisState& m_analysis;
    ReportLoader& m_loader;
    UserDialogs& m_dialogs;
    Progress& m_progress;
    OpenForCompare m_open;
    ComparePage m_page;
    ServerSnapshot m_baseline;
    ServerSnapshot m_compare;
    QString m_baselineChoice;
    bool m_differencesAppended = false;
};
