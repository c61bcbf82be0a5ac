#pragma once

#include "patchdb/managerwindowstate.h"

#include <QDialog>
#include <functional>

class CoreDxpsPage;
class CustomizeDbPage;
class Engine;
class ImportPatchesPage;
class PatchDatabasePage;
class QFrame;
class QTabWidget;
class QToolButton;
class SyncProgressForm;

// The patch database manager window (TPatchDBForm): modal, with its button panel ("Add Patch
// Set to DB" and close), the pages "Customize Database" and "Patch Database" and the two pages
// that a double click on the button panel reveals, its menus and its context menu. It keeps
// its content between openings. Sync Databases, from its page, from the manual update or from
// the download, shows its stages in the "Syncing Databases..." progress window.
class PatchDBForm : public QDialog {
    Q_OBJECT
  public:
    PatchDBForm(Engine& engine, QWidget* parent = nullptr);

    // The kit file chosen in the open dialog of "Add Patch Set to DB"; empty when cancelled.
    std::function<QString()> chooseKitFile;
    // The main window's current report folder (for Create Default DB).
    std::function<QString()> currentRootDir;
    // The Help menu's "&Help".
    std::function<void()> showHelp;

    ManagerWindowState& state() { return m_state; }
    QTabWidget* tabs() const { return m_tabs; }
    QFrame* buttonPanel() const { return m_panel; }
    QToolButton* addPatchSetButton() const { return m_addPatchSet; }
    QToolButton* closeButton() const { return m_close; }
    CustomizeDbPage* customizePage() const { return m_customize; }
    PatchDatabasePage* databasePage() const { return m_database; }
    ImportPatchesPage* importPage() const { return m_import; }
    CoreDxpsPage* corePage() const { return m_core; }
    SyncProgressForm* syncProgressWindow() const { return m_syncProgress; }

    // Sync Databases with its progress window; the manager then shows the synchronised file.
    void syncDatabases();
    void refresh();

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createMenus();
    QFrame* createButtonPanel();
    void createPages();
    void addPatchSet();
    void pageChanged(int index);
    QString askKitFile();

    Engine& m_engine;
    ManagerWindowState m_state;
    SyncProgressForm* m_syncProgress;
    QFrame* m_panel = nullptr;
    QToolButton* m_addPatchSet = nullptr;
    QToolButton* m_close = nullptr;
    QTabWidget* m_tabs = nullptr;
    CustomizeDbPage* m_customize = nullptr;
    PatchDatabasePage* m_database = nullptr;
    ImportPatchesPage* m_import = nullptr;
    CoreDxpsPage* m_core = nullptr;
    bool m_refreshing = false;
};
