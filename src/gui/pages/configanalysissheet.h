#pragma once

#include <QWidget>

class ColouredListModel;
class Engine;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;

// The "Config Analysis" page: the verified patches, the other modules coloured by the
// analysis, the server information and the complete patch sets. One module at most is
// selected on the page: a click in one module list clears the other's selection.
class ConfigAnalysisSheet : public QWidget {
    Q_OBJECT
  public:
    explicit ConfigAnalysisSheet(QWidget* parent = nullptr);

    void render(Engine& engine);
    void applyLayout(const QSize& page);
    // The page height below which the six server information rows would overlap.
    static constexpr int MinimumHeight = 220 + 70 + 6 * 24;
    void setLoading(bool loading);

    QLabel* patchesLabel() const { return m_patchesLabel; }
    QLabel* otherDxpLabel() const { return m_otherLabel; }
    QListView* patchView() const { return m_oPatchList; }
    QListView* plainPatchView() const { return m_patchList; }
    QListView* moduleView() const { return m_oOtherList; }
    QListView* completeSetsView() const { return m_oSetsList; }
    ColouredListModel* patchModel() const { return m_patchModel; }
    ColouredListModel* moduleModel() const { return m_moduleModel; }
    ColouredListModel* completeSetsModel() const { return m_setsModel; }
    QLineEdit* serverInfoBox(int i) const { return m_info[i]; }
    QPushButton* partialMatchesButton() const { return m_partialBtn; }
    QProgressBar* progressBar() const { return m_progress; }

  signals:
    void partialMatchesClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildLists();
    void buildServerInfo();
    void renderLists(Engine& engine);

    QLabel* m_patchesLabel;
    QLabel* m_oPatchesLabel;
    ColouredListModel* m_patchModel;
    ColouredListModel* m_plainPatchModel;
    ColouredListModel* m_moduleModel;
    ColouredListModel* m_setsModel;
    QListView* m_oPatchList;
    QListView* m_patchList;
    QLabel* m_otherLabel;
    QListView* m_oOtherList;
    QLabel* m_driverLabel;
    QProgressBar* m_progress;
    QGroupBox* m_serverInfo;
    QLineEdit* m_info[6];
    QLabel* m_infoLabels[6];
    QLabel* m_configDate;
    QLabel* m_configDxp;
    QGroupBox* m_setsGroup;
    QListView* m_oSetsList;
    QPushButton* m_partialBtn;
};
