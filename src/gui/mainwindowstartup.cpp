#include "gui/mainwindow.h"

#include "gui/pages/configtextpage.h"
#include "gui/pages/patchessheet.h"
#include "gui/windows/abendlogform.h"
#include "gui/windows/aboutform.h"
#include "gui/windows/firstrunwindow.h"
#include "gui/windows/ftpstatusform.h"
#include "gui/windows/ftpwizardform.h"
#include "gui/windows/helpform.h"
#include "gui/windows/intuseform.h"
#include "gui/windows/optionsform.h"
#include "gui/windows/partialmatchesform.h"
#include "gui/windows/patchdbform.h"
#include "gui/windows/preparingprintwindow.h"
#include "gui/windows/registerocxform.h"
#include "gui/windows/syncprogressform.h"
#include "settings/datadirectory.h"
#include "startup/siblingproduct.h"
#include "startup/windowsettings.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProcess>

namespace {
// Indexes of m_windows, in the order of creation.
enum Window {
    WIntUse,
    WPatchDb,
    WPartialMatches,
    WHelp,
    WOptions,
    WFtpStatus,
    WFtpWizard,
    WAbout,
    WInitializing,
    WRegOcx,
    WAbendLog,
    WPreparingPrint,
    WSyncProgress
};
}  // namespace

void MainWindow::createWindows() {
    auto* manager = new PatchDBForm(m_engine, this);
    manager->currentRootDir = [this] { return m_rootDir; };
    manager->showHelp = [this] { showHelp(); };
    auto* ftpStatus = new FtpStatusForm(this);
    auto* wizard = new FtpWizardForm(m_engine.download(), *ftpStatus, this);
    wizard->statusPanelChanged = [this](const QString& text) { m_status[0]->setText(text); };
    auto* abend = new AbendLogForm(m_engine.abendLog(), this);
    abend->initialFolder = [this] { return WindowSettings::startFolder(m_rootDir); };
    m_windows = {new IntUseForm(this),
                 manager,
                 nullptr,  // Partial Patch Set Matches: built with the list when opened
                 new HelpForm(this),
                 new OptionsForm(m_engine.download().options, m_dialogs, this),
                 ftpStatus,
                 wizard,
                 new AboutForm(this),
                 new FirstRunWindow(DataDirectory::controlledDatabasePath(),
                                    &FirstRun::registerIfPresent, this),
                 new RegisterOcxForm(m_dialogs, this),
                 abend,
                 new PreparingPrintWindow(this),
                 manager->syncProgressWindow()};
    m_windows.at(WPatchDb)->resize(width() - 20, height() - 20);
}

void MainWindow::activated() {
    if (m_activating) {
        return;  // a box of the first activation re-activates the window
    }
    m_activating = true;
    if (!m_firstActivation) {
        StartupWindows& windows = *this;
        m_firstActivation =
            std::make_unique<FirstActivation>(m_engine, windows, m_programFolder, m_today);
        m_firstActivation->run();
    }
    if (!m_engine.commandLineFlag() && !m_arguments.isEmpty()) {
        setBusy(true);
        const ReportLoader::Result result = m_engine.commandLineOpen(m_arguments);
        setBusy(false);
        afterLoad(result);
    }
    m_activating = false;
}

void MainWindow::showFirstRunWindow() {
    if (m_windows.size() > WInitializing) {
        static_cast<QDialog*>(m_windows.at(WInitializing))->exec();
    }
}

void MainWindow::setDownloadControlsEnabled(bool) {
    // The options window comes with the download settings; it has nothing to enable yet.
}

void MainWindow::showDownloadWizard() {
    execModal(WFtpWizard);
}

void MainWindow::setSiblingMenuVisible(bool visible) {
    m_meridexMenu->menuAction()->setVisible(visible);
}

bool MainWindow::startDetached(const QString& program) {
    return QProcess::startDetached(program, {});
}

void MainWindow::runSibling() {
    siblingproduct::run(m_programFolder, m_dialogs,
                        [this](const QString& program) { return startDetached(program); });
}

// Shows one of the windows created after this one, modally.
void MainWindow::execModal(int window) {
    if (window < m_windows.size() && m_windows.at(window)) {
        static_cast<QDialog*>(m_windows.at(window))->exec();
    }
}

void MainWindow::managerCommand() {
    execModal(WPatchDb);
    m_patches->render(m_engine);  // the manager may have changed the patch sets
}

void MainWindow::optionsCommand() {
    auto* options = static_cast<OptionsForm*>(m_windows.at(WOptions));
    options->setOpenDialogFolder(m_rootDir);
    if (options->exec() == QDialog::Accepted) {
        m_rootDir = options->openDialogFolder();
        refreshViews();  // OK may have switched the database
    }
}

void MainWindow::wizardCommand() {
    execModal(WFtpWizard);
    refreshViews();  // a download replaces the controlled database
}

void MainWindow::abendCommand() {
    static_cast<AbendLogForm*>(m_windows.at(WAbendLog))->showBeside(size());
}

void MainWindow::showInterruptUsage() {
    execModal(WIntUse);
}

void MainWindow::showAbout() {
    execModal(WAbout);
}

void MainWindow::showHelp() {
    if (m_windows.size() > WHelp) {
        m_windows.at(WHelp)->show();
        m_windows.at(WHelp)->raise();
    }
}

void MainWindow::showPartialMatches() {
    PartialMatchesForm form(m_engine.analysis().PartialMatches, this);
    form.exec();
}

void MainWindow::exitCommand() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    WindowSettings settings{height(), width(), m_rootDir};
    if (m_engine.loader().isLoading()) {
        // The load runs on this window's stack: let it end, then close.
        if (!m_closeRequested) {
            m_closeRequested = true;
            if (silenceDialogs) {
                silenceDialogs();
            }
            settings.writeBack(DataDirectory::controlledDatabasePath(), m_dialogs);
            hide();
        }
        event->ignore();
        return;
    }
    if (!m_closeRequested) {
        settings.writeBack(DataDirectory::controlledDatabasePath(), m_dialogs);
    }
    for (QWidget* window : m_windows) {
        if (window) {
            window->close();
        }
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile() && !m_engine.loader().isLoading()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) {
        return;
    }
    event->acceptProposedAction();
    const QString path = urls.first().toLocalFile();
    // The drop returns to the dragging program first; the load runs right after.
    QMetaObject::invokeMethod(
        this, [this, path] { openReport(path); }, Qt::QueuedConnection);
}
