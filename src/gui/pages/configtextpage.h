#pragma once

#include "textview/configtextstate.h"
#include "textview/reportsearch.h"
#include "textview/searchview.h"

#include <QWidget>

class FindDialog;
class QStackedWidget;
class ReportText;
class ReportTextView;
class UserDialogs;

// The "Config Text" page: the report as plain text in the main viewer (OConfigText, with
// caret, position and search) or in the alternate viewer (ConfigText, without search). The
// main window forwards its toolbar's search buttons and page changes here and shows what the
// signals tell: the search buttons' enabled state, the viewer switch and status panel 5.
class ConfigTextPage : public QWidget, private SearchView {
    Q_OBJECT
  public:
    explicit ConfigTextPage(UserDialogs& dialogs, QWidget* parent = nullptr);

    // Shows the report's lines, held by the engine and not copied, in both viewers; shows the
    // main viewer and puts its caret on line 1, column 1. The lines must outlive the page or
    // be replaced by another call; null shows nothing.
    void setReport(const ReportText* text);
    void clear();

    void find();
    void findNext();
    void findPrevious();
    void gotoTop();
    void toggleViewer();
    bool mainViewerShown() const;

    void pageActivated();
    void pageDeactivated();

    ReportTextView* mainViewer() const { return m_mainViewer; }
    ReportTextView* alternateViewer() const { return m_alternateViewer; }
    FindDialog* findDialog();
    const ConfigTextState& state() const { return m_state; }
    const ReportSearch& reportSearch() const { return m_search; }

  signals:
    void searchButtonsEnabledChanged(bool enabled);
    void viewerSwitchChanged(bool visible, const QString& hint);
    void positionTextChanged(const QString& text);  // status panel 5; "" clears

  private:
    bool search(const SearchRequest& request) override;
    void showFindDialog() override;
    void focusMainViewer() override;

    void showViewer();
    void publishState();
    void caretMoved(int line, int column);
    void showResolution();

    UserDialogs& m_dialogs;
    ConfigTextState m_state;
    ReportSearch m_search;
    QStackedWidget* m_stack;
    ReportTextView* m_mainViewer;
    ReportTextView* m_alternateViewer;
    FindDialog* m_findDialog = nullptr;
};
