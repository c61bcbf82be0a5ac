#include "gui/mainwindow.h"

#include "gui/pages/comparesheet.h"
#include "gui/pages/configanalysissheet.h"
#include "gui/pages/configtextpage.h"
#include "gui/pages/dosfilessheet.h"
#include "gui/pages/dxsfilessheet.h"
#include "gui/pages/patchessheet.h"
#include "gui/pages/suggestionsheet.h"
#include "gui/pages/voldriversheet.h"
#include "gui/windows/abendlogform.h"
#include "settings/datadirectory.h"
#include "settings/preferences.h"
#include "startup/upgradenotice.h"
#include "startup/windowsettings.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

MainWindow::MainWindow(UserDialogs& dialogs, QStringList arguments, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_dialogs(dialogs),
      m_engine(dialogs, m_progress),
      m_arguments(std::move(arguments)) {
    setObjectName(QStringLiteral("TCartovexMainForm"));
    // No accessible name of its own: a screen reader reads the caption, which follows the report.
    setWindowTitle(MainViews::BaseCaption);
    setAcceptDrops(true);
    resize(WindowSettings::DefaultWidth, WindowSettings::DefaultHeight);
    createPages();
    createMenus();
    createToolBar();
    createStatusBar();
    applyMinimumSize();
    connectPages();
    // The creation steps: settings, recent files, missing database files, upgrade notice.
    const QString settingsPath = DataDirectory::controlledDatabasePath();
    const WindowSettings settings = WindowSettings::read(settingsPath);
    resize(settings.Width, settings.Height);
    m_rootDir = settings.RootDir;
    if (m_engine.create()) {
        upgradenotice::show(Preferences(settingsPath), m_dialogs);
    }
    showRecentFiles();
    pageChanged(m_tabs->currentIndex());
    refreshViews();
}

MainWindow::~MainWindow() = default;

// The window shrinks no further than every status panel side by side (panel 4 at its
// narrowest) and a page on which the server information rows stay apart.
void MainWindow::applyMinimumSize() {
    m_analysis->setMinimumHeight(ConfigAnalysisSheet::MinimumHeight);
    setMinimumWidth(fixedPanelsWidth() + NarrowestPanel4);
}

// The status bar's width less panel 4: the other panels, the bar's margin and its spacing.
int MainWindow::fixedPanelsWidth() const {
    int width = 15 + 6 * StatusPanelCount;
    for (int i : {0, 1, 2, 3, 5}) {
        width += m_status[i]->width();
    }
    return width;
}

void MainWindow::createPages() {
    m_tabs = new QTabWidget(this);
    m_tabs->setAccessibleName(QStringLiteral("Pages"));
    m_analysis = new ConfigAnalysisSheet;
    m_configText = new ConfigTextPage(m_dialogs);
    m_dxs = new DxsFilesSheet;
    m_dos = new DosFilesSheet;
    m_vol = new VolDriverSheet;
    m_suggestions = new SuggestionSheet;
    m_patches = new PatchesSheet;
    m_compare = new CompareSheet;
    m_tabs->addTab(m_analysis, QStringLiteral("Config Analysis"));
    m_tabs->addTab(m_configText, QStringLiteral("Config Text"));
    m_tabs->addTab(m_dxs, QStringLiteral("DXS Files"));
    m_tabs->addTab(m_dos, QStringLiteral("DOS Files"));
    m_tabs->addTab(m_vol, QStringLiteral("Vols/Ints"));
    m_tabs->addTab(m_suggestions, QStringLiteral("Suggestions"));
    m_tabs->addTab(m_patches, QStringLiteral("Patches"));
    m_tabs->addTab(m_compare, QStringLiteral("Compare"));
    setCentralWidget(m_tabs);
    // Every page has the page area's size; the first one tells when it changes.
    m_analysis->installEventFilter(this);
    m_progress.addBar(m_analysis->progressBar());
    m_progress.addBar(m_compare->progressBar());
    m_progress.runningChanged = [this](bool running) { m_analysis->setLoading(running); };
    // During a load the status bar names the stage and what is known so far.
    m_progress.beforePump = [this] { showStatusPanels(); };
}

QAction* MainWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void MainWindow::refreshViews() {
    const MainViews& v = m_engine.views();
    setWindowTitle(v.Caption);
    showStatusPanels();
    m_analysis->render(m_engine);
    m_dxs->render(m_engine);
    m_dos->render(m_engine);
    m_vol->render(m_engine);
    m_suggestions->render(m_engine);
    m_patches->render(m_engine);
    m_compare->render(m_engine);
    showRecentFiles();
    if (auto* abend = findChild<AbendLogForm*>()) {
        abend->render();  // a load clears the abend view
    }
}

void MainWindow::showStatusPanels() {
    const MainViews& v = m_engine.views();
    for (int i = 0; i < StatusPanelCount; ++i) {
        // Panel 0 shows the stage only while a load runs; panel 5 belongs to the text search of
        // the Config Text page.
        const QString text = i == 0 ? m_engine.loader().shownStage() : v.StatusPanels[i];
        if (i != 5 && m_status[i]->text() != text) {
            m_status[i]->setText(text);
        }
    }
}

void MainWindow::showRecentFiles() {
    const QStringList& entries = m_engine.recentFiles().entries();
    bool any = false;
    for (int k = 0; k < int(m_hist.size()); ++k) {
        const QString entry = k < entries.size() ? entries.at(k) : QString();
        m_hist[k]->setText(entry);
        m_hist[k]->setVisible(!entry.isEmpty());
        any = any || !entry.isEmpty();
    }
    m_histSeparator->setVisible(any);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_analysis && event->type() == QEvent::Resize) {
        applyLayout();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    applyLayout();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && m_activatedBySystem) {
        activated();
    }
    return QMainWindow::event(event);
}
