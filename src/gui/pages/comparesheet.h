#pragma once

#include <QWidget>

class CompareTableModel;
class Engine;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeView;

// The "Compare" page: the baseline and compare servers, the baseline check box, the compare
// and reset buttons and the two-column table of the last compare with its difference marks.
class CompareSheet : public QWidget {
    Q_OBJECT
  public:
    explicit CompareSheet(QWidget* parent = nullptr);

    void render(Engine& engine);
    void applyLayout(const QSize& page);

    QLabel* baselineLabel() const { return m_baselineLabel; }
    QLabel* compareLabel() const { return m_compareLabel; }
    QCheckBox* baselineCheckBox() const { return m_baselineBox; }
    QPushButton* compareButton() const { return m_compare; }
    QPushButton* resetButton() const { return m_reset; }
    QTreeView* table() const { return m_table; }
    CompareTableModel* tableModel() const { return m_model; }
    QProgressBar* progressBar() const { return m_progress; }

  signals:
    void baselineChosen();
    void compareClicked();
    void resetClicked();
    void columnWidthsRequested(int left, int right);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* m_baselineLabel;
    QLabel* m_compareLabel;
    QCheckBox* m_baselineBox;
    QPushButton* m_compare;
    QPushButton* m_reset;
    QLabel* m_quick;
    QProgressBar* m_progress;
    CompareTableModel* m_model;
    QTreeView* m_table;
};
