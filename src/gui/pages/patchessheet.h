#pragma once

#include <QWidget>

class ColouredListModel;
class Engine;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;

// The "Patches" page: the patch sets the current database knows, read on request, and the way
// to the patch database manager. The Delete key on a set removes it (uncontrolled database).
class PatchesSheet : public QWidget {
    Q_OBJECT
  public:
    explicit PatchesSheet(QWidget* parent = nullptr);

    void render(Engine& engine);
    void applyLayout(const QSize& page);

    QListView* patchHeaderList() const { return m_list; }
    ColouredListModel* model() const { return m_model; }
    QPushButton* getPatchInfoButton() const { return m_getInfo; }
    QPushButton* managerButton() const { return m_manager; }

  signals:
    void getPatchInfoClicked();
    void managerClicked();
    void deleteSetRequested(const QString& name);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* m_line1;
    QLabel* m_line2;
    QGroupBox* m_group;
    ColouredListModel* m_model;
    QListView* m_list;
    QPushButton* m_getInfo;
    QPushButton* m_manager;
};
