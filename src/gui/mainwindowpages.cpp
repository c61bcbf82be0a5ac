#include "gui/mainwindow.h"

#include "gui/pages/comparesheet.h"
#include "gui/pages/configanalysissheet.h"
#include "gui/pages/configtextpage.h"
#include "gui/pages/dosfilessheet.h"
#include "gui/pages/dxsfilessheet.h"
#include "gui/pages/patchessheet.h"
#include "gui/pages/suggestionsheet.h"
#include "gui/pages/voldriversheet.h"
#include "gui/widgets/pagewidgets.h"

#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

void MainWindow::connectPages() {
    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::pageChanged);
    connect(m_analysis, &ConfigAnalysisSheet::partialMatchesClicked, this,
            &MainWindow::showPartialMatches);
    connect(m_vol, &VolDriverSheet::interruptUsageClicked, this, &MainWindow::showInterruptUsage);
    connect(m_suggestions, &SuggestionSheet::includeDifferencesClicked, this,
            &MainWindow::includeDifferencesClicked);
    connect(m_patches, &PatchesSheet::getPatchInfoClicked, this, &MainWindow::getPatchInfo);
    connect(m_patches, &PatchesSheet::managerClicked, this, &MainWindow::managerCommand);
    connect(m_patches, &PatchesSheet::deleteSetRequested, this, &MainWindow::deletePatchSet);
    connect(m_compare, &CompareSheet::baselineChosen, this, [this] {
        m_engine.compare().ChooseBaseline();
        refreshViews();
    });
    connect(m_compare, &CompareSheet::resetClicked, this, [this] {
        m_engine.compare().ResetBaseline();
        refreshViews();
    });
    connect(m_compare, &CompareSheet::compareClicked, this, &MainWindow::compareServers);
    connect(m_compare, &CompareSheet::columnWidthsRequested, this, [this](int left, int right) {
        m_engine.compare().setColumnWidths(left, right);
        m_engine.compare().showColumnWidths();
    });
    connectConfigText();
}

void MainWindow::connectConfigText() {
    connect(m_configText, &ConfigTextPage::searchButtonsEnabledChanged, this, [this](bool on) {
        for (QToolButton* button : m_searchButtons) {
            button->setEnabled(on);
        }
    });
    connect(m_configText, &ConfigTextPage::viewerSwitchChanged, this,
            [this](bool visible, const QString& hint) {
                action(QStringLiteral("AltViewerBtnAction"))->setVisible(visible);
                m_altViewerBtn->setToolTip(hint);
                m_altViewerBtn->setAccessibleName(hint);
            });
    connect(m_configText, &ConfigTextPage::positionTextChanged, m_status[5], &QLabel::setText);
}

void MainWindow::pageChanged(int index) {
    m_engine.loader().setConfigTextPageCurrent(index == ConfigText);
    if (index == ConfigText) {
        m_configText->pageActivated();
    } else {
        m_configText->pageDeactivated();
    }
    if (index == Compare) {
        m_engine.compare().RefreshBaselineControls();
        m_compare->render(m_engine);
        applyLayout();
    }
}

// The layout rules of the window, in device-independent pixels; fractions are rounded.
void MainWindow::applyLayout() {
    if (!m_tabs) {
        return;
    }
    const QSize page = m_analysis->size();
    m_analysis->applyLayout(page);
    m_dxs->applyLayout(page);
    m_dos->applyLayout(page);
    m_vol->applyLayout(page);
    m_suggestions->applyLayout(page);
    m_patches->applyLayout(page);
    m_compare->applyLayout(page);
    // Status panel 4 takes what the other panels leave (the bar's width - 485 at the designed
    // panel widths), but 150 pixels while the bar is narrower than 636.
    const int barWidth = statusBar()->width();
    m_status[4]->setFixedWidth(
        barWidth < 636 ? NarrowestPanel4 : qMax(barWidth - fixedPanelsWidth(), NarrowestPanel4));
}
