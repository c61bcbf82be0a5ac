#include "gui/mainwindow.h"

#include "gui/pages/comparesheet.h"
#include "gui/pages/configtextpage.h"
#include "gui/pages/suggestionsheet.h"
#include "gui/print/summaryprinter.h"
#include "gui/windows/preparingprintwindow.h"
#include "startup/windowsettings.h"
#include "ui/operationerror.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

void MainWindow::setBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

QString MainWindow::askReportFile() {
    if (chooseReportFile) {
        return chooseReportFile();
    }
    QFileDialog dialog(this, QStringLiteral("Open"), WindowSettings::startFolder(m_rootDir),
                       QStringLiteral("Text Files (*.txt);;All Files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!m_engine.model().ConfigFileName.isEmpty()) {
        dialog.selectFile(m_engine.model().ConfigFileName);
    }
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void MainWindow::openCommand() {
    const QString path = askReportFile();
    if (!path.isEmpty()) {
        openReport(path);
    }
}

void MainWindow::openReport(const QString& path) {
    if (m_engine.loader().isLoading()) {
        return;  // a load never starts inside another
    }
    if (QFileInfo(path).isFile()) {
        m_rootDir = QFileInfo(path).absolutePath() + u'/';
    }
    setBusy(true);
    const ReportLoader::Result result = m_engine.openReport(path);
    setBusy(false);
    afterLoad(result);
}

void MainWindow::openRecent(int k) {
    if (m_engine.loader().isLoading()) {
        return;
    }
    setBusy(true);
    const ReportLoader::Result result = m_engine.openRecent(k);
    setBusy(false);
    afterLoad(result);
}

void MainWindow::afterLoad(const ReportLoader::Result& result) {
    if (m_closeRequested) {
        // The user closed the window during the load: the program ends now.
        close();
        QCoreApplication::quit();
        return;
    }
    if (result.started) {
        m_configText->setReport(&m_engine.model().ReportLines);
    }
    refreshViews();
}

void MainWindow::compareServers() {
    if (m_engine.loader().isLoading()) {
        return;
    }
    setBusy(true);
    const ReportLoader::Result result = m_engine.compare().CompareServers([this] {
        QApplication::restoreOverrideCursor();
        const QString path = askReportFile();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        return path;
    });
    setBusy(false);
    afterLoad(result);
}

void MainWindow::printSummary() {
    QPrinter printer;
    PreparingPrintWindow* preparing = findChild<PreparingPrintWindow*>();
    const auto choose = [&] {
        if (choosePrinter) {
            return choosePrinter(printer);
        }
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    const auto print = [&](const PrintedDocument& document) {
        if (preparing) {
            preparing->showNow();
        }
        const QString error = summaryprinter::print(printer, document);
        if (preparing) {
            preparing->hide();
        }
        if (!error.isNull()) {
            throw OperationError(error);
        }
    };
    m_engine.summary().PrintSummaryReport(choose, print);
    refreshViews();
}

void MainWindow::copySummary() {
    m_engine.summary().CopySummaryReport(
        [](const QString& text) { QApplication::clipboard()->setText(text); });
    refreshViews();
}

void MainWindow::includeDifferencesClicked(bool checked) {
    m_engine.compare().includeCheckBoxClicked(checked);
    refreshViews();
}

void MainWindow::defaultSize() {
    resize(WindowSettings::DefaultWidth, WindowSettings::DefaultHeight);
    if (m_windows.size() > 1 && m_windows.at(1)) {
        m_windows.at(1)->resize(WindowSettings::DefaultWidth - 20,
                                WindowSettings::DefaultHeight - 20);
    }
    applyLayout();
}

void MainWindow::databaseTypeInformation() {
    m_dialogs.inform(m_engine.databases().databaseTypeInformation());
}

void MainWindow::getPatchInfo() {
    m_engine.manager().ReadPatchSetNames();
    refreshViews();
}

void MainWindow::deletePatchSet(const QString& name) {
    m_engine.manager().deletePatchSet(name);
    refreshViews();
}

void MainWindow::manualUpdateCommand() {
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("Select the Database File You Manually Downloaded"),
        WindowSettings::startFolder(QString()),
        QStringLiteral("cartvxdb.ini (cartvxdb.ini);;All *.ini files (*.ini);;All files (*)"));
    if (!file.isEmpty()) {
        m_engine.manualUpdate(file);
        refreshViews();
    }
}

void MainWindow::findCommand() {
    m_configText->find();
}

void MainWindow::findNextCommand() {
    m_configText->findNext();
}

void MainWindow::findPreviousCommand() {
    m_configText->findPrevious();
}

void MainWindow::gotoTopCommand() {
    m_configText->gotoTop();
}

void MainWindow::toggleViewerCommand() {
    m_configText->toggleViewer();
}
