#pragma once

#include <QWidget>

class AbendEntryModel;
class QLabel;
class QListView;
class QProgressBar;
class QStringListModel;
class QTreeView;
struct AbendView;

// The abend window's "Analyze" page: the count of abends found, the scan's progress bar, the
// entry list (a double-click or Enter asks for an analysis), the modules loaded at the picked
// abend in a fixed-pitch font, and the analysis under its bold heading. The analysis list keeps
// no selection: a click clears it at once.
class AbendAnalyzePage : public QWidget {
    Q_OBJECT
  public:
    explicit AbendAnalyzePage(QWidget* parent = nullptr);

    void render(const AbendView& view);
    void renderCount(const AbendView& view);
    // The entry list's and the module list's heights; the analysis list takes the rest.
    void setListHeights(int entries, int modules);
    // The selected entry's row, -1 when none is selected.
    int selectedEntry() const;

    QLabel* countLabel() const { return m_count; }
    QProgressBar* progressBar() const { return m_bar; }
    QTreeView* entryList() const { return m_entries; }
    QLabel* modulesLabel() const { return m_modulesLabel; }
    QListView* moduleList() const { return m_modules; }
    QLabel* analysisHeading() const { return m_heading; }
    QListView* analysisList() const { return m_analysis; }

  signals:
    // A double-click or Enter in the entry list, with the selected row (-1 for none).
    void analyzeRequested(int row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createEntryList();
    void createAnalysisList();

    QLabel* m_count;
    QProgressBar* m_bar;
    AbendEntryModel* m_entryModel;
    QTreeView* m_entries = nullptr;
    QLabel* m_modulesLabel;
    QStringListModel* m_moduleModel;
    QListView* m_modules;
    QLabel* m_heading;
    QStringListModel* m_analysisModel;
    QListView* m_analysis = nullptr;
};
