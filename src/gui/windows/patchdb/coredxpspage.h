#pragma once

#include <QWidget>

class CoreModulePage;
class ManagerWindowState;
class UserDialogs;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

// The manager's hidden, legacy "Core DXP's" page: the core module keys of the current database
// with their versions, and the commands that add, change, remove and read them.
class CoreDxpsPage : public QWidget {
    Q_OBJECT
  public:
    CoreDxpsPage(CoreModulePage& core, ManagerWindowState& state, UserDialogs& dialogs,
                 QWidget* parent = nullptr);

    void refresh();

    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* versionEdit() const { return m_version; }
    QListView* moduleList() const { return m_list; }
    QPushButton* addChangeButton() const { return m_add; }
    QPushButton* removeButton() const { return m_remove; }
    QPushButton* readButton() const { return m_read; }

  signals:
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* createNote();
    void collect();
    void run(void (CoreModulePage::*command)());
    void addChange();
    void rowClicked(int row);

    CoreModulePage& m_core;
    ManagerWindowState& m_state;
    UserDialogs& m_dialogs;
    bool m_refreshing = false;
    QLineEdit* m_name;
    QLineEdit* m_version;
    QStringListModel* m_keys;
    QListView* m_list;
    QPushButton* m_add;
    QPushButton* m_remove;
    QPushButton* m_read;
};
