#pragma once

#include <QWidget>

class ColouredListModel;
class Engine;
class QHeaderView;
class QLabel;
class QListView;
class QPushButton;
class QStandardItemModel;

// The "Vols/Ints" page: the mounted volumes under their column heading and the interrupt
// lines with the standard interrupt usage. A click in one list clears the other's selection.
class VolDriverSheet : public QWidget {
    Q_OBJECT
  public:
    explicit VolDriverSheet(QWidget* parent = nullptr);

    void render(Engine& engine);
    void applyLayout(const QSize& page);

    QLabel* volCountLabel() const { return m_volCount; }
    QHeaderView* volumeHeader() const { return m_volumeHeader; }
    QHeaderView* interruptHeader() const { return m_intHeader; }
    QListView* volumeList() const { return m_volList; }
    QListView* interruptList() const { return m_intList; }
    ColouredListModel* volumeModel() const { return m_volModel; }
    ColouredListModel* interruptModel() const { return m_intModel; }

  signals:
    void interruptUsageClicked();

  private:
    QHeaderView* header(QStandardItemModel* model);
    void followSideways(QHeaderView* header, QListView* list);
    void alignHeader(QHeaderView* header, const QListView* list, const QList<int>& columns);

    QLabel* m_volTitle;
    QLabel* m_volCount;
    QStandardItemModel* m_volHeaderModel;
    QHeaderView* m_volumeHeader;
    ColouredListModel* m_volModel;
    QListView* m_volList;
    QLabel* m_intTitle;
    QLabel* m_priority;
    QPushButton* m_intUsage;
    QHeaderView* m_intHeader;
    ColouredListModel* m_intModel;
    QListView* m_intList;
};
