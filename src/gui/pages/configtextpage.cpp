#include "gui/pages/configtextpage.h"

#include "gui/widgets/reporttextview.h"
#include "gui/windows/finddialog.h"
#include "ui/userdialogs.h"

#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

ConfigTextPage::ConfigTextPage(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      m_dialogs(dialogs),
      m_search(*this, dialogs),
      m_stack(new QStackedWidget(this)),
      m_mainViewer(new ReportTextView(m_stack)),
      m_alternateViewer(new ReportTextView(m_stack)) {
    setObjectName(QStringLiteral("ConfigTextSheet"));
    m_mainViewer->setObjectName(QStringLiteral("OConfigText"));
    m_mainViewer->setAccessibleName(tr("Config Text"));
    m_alternateViewer->setObjectName(QStringLiteral("ConfigText"));
    m_alternateViewer->setAccessibleName(tr("Config Text (alternate viewer)"));
    m_alternateViewer->setSearchKeysEnabled(false);
    m_stack->addWidget(m_mainViewer);
    m_stack->addWidget(m_alternateViewer);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);

    connect(m_mainViewer, &ReportTextView::caretMoved, this, &ConfigTextPage::caretMoved);
    connect(m_mainViewer, &ReportTextView::findKeyPressed, this, &ConfigTextPage::find);
    connect(m_mainViewer, &ReportTextView::findNextKeyPressed, this, &ConfigTextPage::findNext);
    connect(m_mainViewer, &ReportTextView::findPreviousKeyPressed, this,
            &ConfigTextPage::findPrevious);
    connect(m_mainViewer, &ReportTextView::resolutionKeyPressed, this,
            &ConfigTextPage::showResolution);
}

void ConfigTextPage::setReport(const ReportText* text) {
    m_mainViewer->setReportText(text);
    m_alternateViewer->setReportText(text);
    if (m_state.alternateShown()) {
        m_state.showMainViewer();
        showViewer();
    }
}

void ConfigTextPage::clear() {
    setReport(nullptr);
}

void ConfigTextPage::find() {
    m_search.find();
}

void ConfigTextPage::findNext() {
    m_search.findNext();
}

void ConfigTextPage::findPrevious() {
    m_search.findPrevious();
}

void ConfigTextPage::gotoTop() {
    m_mainViewer->gotoTop();
}

void ConfigTextPage::toggleViewer() {
    m_state.toggleViewer();
    showViewer();
}

bool ConfigTextPage::mainViewerShown() const {
    return !m_state.alternateShown();
}

void ConfigTextPage::pageActivated() {
    m_state.enterPage();
    publishState();
    (mainViewerShown() ? static_cast<QWidget*>(m_mainViewer) : m_alternateViewer)->setFocus();
}

void ConfigTextPage::pageDeactivated() {
    m_state.leavePage();
    publishState();
}

FindDialog* ConfigTextPage::findDialog() {
    if (m_findDialog == nullptr) {
        m_findDialog = new FindDialog(this);
        connect(m_findDialog, &FindDialog::findRequested, this,
                [this](const QString& text, bool matchCase, bool wholeWord) {
                    m_search.dialogFind(text, matchCase, wholeWord);
                });
    }
    return m_findDialog;
}

bool ConfigTextPage::search(const SearchRequest& request) {
    return m_mainViewer->search(request);
}

void ConfigTextPage::showFindDialog() {
    findDialog()->openAt(QPoint(200, 200), m_search.findText());
}

void ConfigTextPage::focusMainViewer() {
    m_mainViewer->setFocus();
}

void ConfigTextPage::showViewer() {
    QWidget* shown = mainViewerShown() ? static_cast<QWidget*>(m_mainViewer) : m_alternateViewer;
    m_stack->setCurrentWidget(shown);
    publishState();
    if (m_state.pageActive()) {
        shown->setFocus();
    }
}

void ConfigTextPage::publishState() {
    emit searchButtonsEnabledChanged(m_state.searchButtonsEnabled());
    emit viewerSwitchChanged(m_state.switchVisible(), m_state.switchHint());
    if (m_state.showsPosition()) {
        TextPosition caret = m_mainViewer->caretPosition();
        emit positionTextChanged(ConfigTextState::positionText(caret.line, caret.column));
    } else {
        emit positionTextChanged(QString());
    }
}

void ConfigTextPage::caretMoved(int line, int column) {
    if (m_state.showsPosition()) {
        emit positionTextChanged(ConfigTextState::positionText(line, column));
    }
}

void ConfigTextPage::showResolution() {
    QScreen* screen = m_mainViewer->screen();
    int screenPpi = qRound(screen ? screen->logicalDotsPerInch() : 96.0);
    m_dialogs.inform(
        ConfigTextState::resolutionMessage(screenPpi, ConfigTextState::FormPixelsPerInch));
}
