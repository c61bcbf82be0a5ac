#pragma once

#include "engine/engine.h"
#include "gui/widgets/windowprogress.h"
#include "startup/firstactivation.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>

class ComparisonSheet;
class CompareSheet;
class ConfigAnalysisSheet;
class ConfigTextPage;
class DosFilesSheet;
class DxsFilesSheet;
class PatchesSheet;
class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QTabWidget;
class QToolButton;
class SuggestionSheet;
class VolDriverSheet;

// The main window: menus, toolbar, the eight pages and the six-panel status bar over the one
// engine. It renders the engine's state after every operation and turns the user's commands
// into engine operations; the rules live in the engine. Its creation runs the start-up steps
// of the main window, its first activation those of the program (FirstActivation), and its
// close writes the window settings back.
class MainWindow : public QMainWindow, private StartupWindows {
    Q_OBJECT
  public:
    enum Page {
        ConfigAnalysis,
        ConfigText,
        DxsFiles,
        DosFiles,
        VolInts,
        Suggestions,
        Patches,
        Compare,
        PageCount
    };
    static constexpr int StatusPanelCount = 6;
    static constexpr int NarrowestPanel4 = 150;

    // arguments: the command line after the program name.
    MainWindow(UserDialogs& dialogs, QStringList arguments, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The windows created after the main window, in their fixed order.
    void createWindows();
    // The folder of the program file, where the sibling product is looked for.
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    void setClock(FirstActivation::Today today) { m_today = std::move(today); }
    // The window's activation (FormActivate): the first one runs the start-up steps. Tests
    // switch off the activation by the window system and call activated() themselves.
    void activated();
    void setActivatedBySystem(bool on) { m_activatedBySystem = on; }

    Engine& engine() { return m_engine; }
    QTabWidget* tabs() const { return m_tabs; }
    ConfigAnalysisSheet* analysisSheet() const { return m_analysis; }
    ConfigTextPage* configTextPage() const { return m_configText; }
    DxsFilesSheet* dxsSheet() const { return m_dxs; }
    DosFilesSheet* dosSheet() const { return m_dos; }
    VolDriverSheet* volSheet() const { return m_vol; }
    SuggestionSheet* suggestionSheet() const { return m_suggestions; }
    PatchesSheet* patchesSheet() const { return m_patches; }
    CompareSheet* compareSheet() const { return m_compare; }
    QLabel* statusPanel(int i) const { return m_status[i]; }
    QAction* action(const QString& objectName) const;
    QString rootDir() const { return m_rootDir; }

    // Commands.
    void openReport(const QString& path);  // the open command with a chosen file
    void openRecent(int k);
    void compareServers();
    void printSummary();
    void copySummary();
    void defaultSize();
    void databaseTypeInformation();
    void refreshViews();

    // Test seams: the open dialog, and the print dialog that sets up the printer.
    std::function<QString()> chooseReportFile;
    std::function<bool(QPrinter&)> choosePrinter;
    // Called when the window is closed during a load: later message boxes are not shown.
    std::function<void()> silenceDialogs;

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // StartupWindows
    void showFirstRunWindow() override;
    void setDownloadControlsEnabled(bool enabled) override;
    void showDownloadWizard() override;
    void setSiblingMenuVisible(bool visible) override;
    bool startDetached(const QString& program) override;

    void createPages();
    void createMenus();
    void createFileMenu();
    void createToolsMenu();
    void createHelpMenu();
    void createToolBar();
    void createStatusBar();
    void applyMinimumSize();
    int fixedPanelsWidth() const;
    void connectPages();
    void connectConfigText();
    void showStatusPanels();
    QAction* addCommand(QMenu* menu, const QString& name, const QString& caption,
                        void (MainWindow::*slot)());
    QToolButton* addToolButton(const QString& name, const QString& hint, int picture,
                               void (MainWindow::*slot)());
    void applyLayout();
    void pageChanged(int index);
    void showRecentFiles();
    void setBusy(bool busy);
    void afterLoad(const ReportLoader::Result& result);
    QString askReportFile();
    void openCommand();
    void exitCommand();
    void findCommand();
    void findNextCommand();
    void findPreviousCommand();
    void gotoTopCommand();
    void toggleViewerCommand();
    void managerCommand();
    void optionsCommand();
    void wizardCommand();
    void abendCommand();
    void manualUpdateCommand();
    void execModal(int window);
    void showInterruptUsage();
    void showHelp();
    void showAbout();
    void showPartialMatches();
    void runSibling();
    void getPatchInfo();
    void deletePatchSet(const QString& name);
    void includeDifferencesClicked(bool checked);

    UserDialogs& m_dialogs;
    WindowProgress m_progress;
    Engine m_engine;
    QStringList m_arguments;
    QString m_programFolder;
    FirstActivation::Today m_today = [] { return QDate::currentDate(); };
    std::unique_ptr<FirstActivation> m_firstActivation;
    QString m_rootDir;
    bool m_activating = false;
    bool m_activatedBySystem = true;
    bool m_closeRequested = false;

    QTabWidget* m_tabs = nullptr;
    ConfigAnalysisSheet* m_analysis = nullptr;
    ConfigTextPage* m_configText = nullptr;
    DxsFilesSheet* m_dxs = nullptr;
    DosFilesSheet* m_dos = nullptr;
    VolDriverSheet* m_vol = nullptr;
    SuggestionSheet* m_suggestions = nullptr;
    PatchesSheet* m_patches = nullptr;
    CompareSheet* m_compare = nullptr;
    std::array<QLabel*, StatusPanelCount> m_status{};
    std::array<QAction*, 5> m_hist{};
    QAction* m_histSeparator = nullptr;
    QMenu* m_meridexMenu = nullptr;
    QList<QToolButton*> m_searchButtons;
    QToolButton* m_altViewerBtn = nullptr;
    QList<QWidget*> m_windows;  // the windows created after this one, in order
};
