#pragma once

#include "patchdb/customentriespage.h"

#include <QWidget>
#include <array>

class Progress;
class UserDialogs;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

// The manager's "Customize Database" page over the custom entries engine: every command first
// hands the fields as typed to the engine, runs, and then the page shows the engine's state.
class CustomizeDbPage : public QWidget {
    Q_OBJECT
  public:
    // syncProgress shows the stages of Sync Databases.
    CustomizeDbPage(CustomEntriesPage& page, UserDialogs& dialogs, Progress& syncProgress,
                    QWidget* parent = nullptr);

    void refresh();
    // Sync Databases, its stages shown on the sync progress.
    void syncDatabases();

    QLineEdit* moduleNameEdit() const { return m_name; }
    QLineEdit* moduleVersionEdit() const { return m_version; }
    QCheckBox* osBox(CustomEntriesPage::OsBox box) const { return m_boxes.at(box); }
    QLineEdit* otherVersionEdit() const { return m_otherVersion; }
    QComboBox* fileSetBox() const { return m_fileSet; }
    QListView* entryList() const { return m_list; }
    QLabel* entriesLabel() const { return m_entriesLabel; }
    QPushButton* button(const QString& caption) const;
    QButtonGroup* selectionGroup() const { return m_selection; }
    QCheckBox* promptToRestartBox() const { return m_prompt; }

  signals:
    // An operation changed what the other pages show.
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* createFields();
    QWidget* createEntries();
    QPushButton* addButton(const QString& caption, void (CustomEntriesPage::*command)());
    void collect();
    void run(void (CustomEntriesPage::*command)());
    void selectionChanged();
    void selectionModeChosen(int mode);
    void showRows();

    CustomEntriesPage& m_page;
    UserDialogs& m_dialogs;
    Progress& m_syncProgress;
    bool m_refreshing = false;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_version = nullptr;
    std::array<QCheckBox*, CustomEntriesPage::OsBoxCount> m_boxes{};
    QLineEdit* m_otherVersion = nullptr;
    QComboBox* m_fileSet = nullptr;
    QLabel* m_entriesLabel = nullptr;
    QStringListModel* m_rows = nullptr;
    QListView* m_list = nullptr;
    QButtonGroup* m_selection = nullptr;
    QCheckBox* m_prompt = nullptr;
    QList<QPushButton*> m_buttons;
};
