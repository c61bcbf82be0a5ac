#include "gui/windows/ftpwizardform.h"

#include "download/downloadcomponents.h"
#include "gui/windows/ftpstatusform.h"
#include "gui/windows/ftpwizardfirewallpage.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QPushButton* button(QWidget* parent, const QString& caption, const char* name) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(caption.simplified());
    b->setAutoDefault(false);
    return b;
}

}  // namespace

FtpWizardForm::FtpWizardForm(DownloadComponents& download, FtpStatusForm& status, QWidget* parent)
    : QDialog(parent), m_download(download), m_statusForm(status) {
    setObjectName(QStringLiteral("TFTPWizardForm"));
    setWindowTitle(QStringLiteral("Download Quarix Database"));
    setModal(true);
    m_pages = new QTabWidget(this);
    m_pages->addTab(createDownloadPage(), QStringLiteral("Download"));
    m_firewallPage = new FtpWizardFirewallPage(m_pages);
    m_pages->addTab(m_firewallPage, QStringLiteral("Firewall"));
    m_pages->setTabVisible(1, false);  // never shown; the download does not use its values

    m_back = button(this, QStringLiteral("<  Back"), "BackBtn");
    m_back->setEnabled(false);
    m_next = button(this, QStringLiteral("Next  >"), "NextBtn");
    m_next->setDefault(true);
    m_cancel = button(this, QStringLiteral("Cancel"), "CancelBtn");
    connect(m_next, &QPushButton::clicked, this, &FtpWizardForm::NextBtnClick);
    connect(m_cancel, &QPushButton::clicked, this, &FtpWizardForm::CancelBtnClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    buttons->addSpacing(12);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    m_download.session.setObserver(this);
    render();
    setMinimumSize(460, 380);  // room for the captions and the longest date
}

FtpWizardForm::~FtpWizardForm() {
    m_download.session.setObserver(nullptr);
    if (m_busyCursor) {
        QApplication::restoreOverrideCursor();
    }
}

QWidget* FtpWizardForm::createDownloadPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("DownloadSheet"));
    auto* hintGroup = new QGroupBox(QStringLiteral("Hint"), page);
    hintGroup->setAccessibleName(hintGroup->title());
    m_hint = new QLabel(hintGroup);
    m_hint->setObjectName(QStringLiteral("HintLabel"));
    (new QVBoxLayout(hintGroup))->addWidget(m_hint);
    m_passive = new QCheckBox(QStringLiteral("Passive Mode"), page);
    m_passive->setObjectName(QStringLiteral("chkPassiveMode"));
    m_passive->setAccessibleName(m_passive->text());
    connect(m_passive, &QCheckBox::toggled, this, [this](bool ticked) {
        if (m_rendering) {
            return;
        }
        m_download.wizard.chkPassiveModeClick(ticked);
        render();
    });
    auto* columns = new QHBoxLayout;
    columns->addWidget(createInfoGroup(page), 3);
    columns->addWidget(createStatusGroup(page), 2);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(columns);
    layout->addWidget(hintGroup);
    layout->addWidget(m_passive);
    layout->addStretch(1);
    return page;
}

QGroupBox* FtpWizardForm::createInfoGroup(QWidget* parent) {
    auto* group = new QGroupBox(QStringLiteral("Database Info"), parent);
    group->setAccessibleName(group->title());
    auto* grid = new QGridLayout(group);
    const QStringList captions = {
        QStringLiteral("Download Frequency:"), QStringLiteral("Last Download:"),
        QStringLiteral("New Database Date:"), QStringLiteral("Old Database Date:")};
    for (int row = 0; row < captions.size(); ++row) {
        auto* caption = new QLabel(captions.at(row), group);
        m_info[row] = new QLabel(group);
        m_info[row]->setAccessibleDescription(captions.at(row).chopped(1));
        caption->setBuddy(m_info[row]);
        grid->addWidget(caption, row, 0);
        grid->addWidget(m_info[row], row, 1);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

QGroupBox* FtpWizardForm::createStatusGroup(QWidget* parent) {
    auto* group = new QGroupBox(QStringLiteral("Status"), parent);
    group->setAccessibleName(group->title());
    auto* layout = new QVBoxLayout(group);
    const QStringList captions = {QStringLiteral("Connect"), QStringLiteral("Set Binary Mode"),
                                  QStringLiteral("Get File"), QStringLiteral("Disconnect")};
    for (int step = 0; step < captions.size(); ++step) {
        m_steps[step] = new QCheckBox(captions.at(step), group);
        m_steps[step]->setAccessibleName(captions.at(step));
        // A box stands as its step left it: a click on a done step leaves it ticked.
        connect(m_steps[step], &QCheckBox::toggled, this, [this] {
            if (!m_rendering) {
                render();
            }
        });
        layout->addWidget(m_steps[step]);
    }
    return group;
}

void FtpWizardForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        m_download.wizard.open();  // reset, then activated
        render();
        m_next->setFocus();
    }
}

void FtpWizardForm::NextBtnClick() {
    m_download.wizard.NextBtnClick();
    render();
    if (m_next->isEnabled()) {
        m_next->setFocus();
    }
}

void FtpWizardForm::CancelBtnClick() {
    m_download.wizard.CancelBtnClick();
    render();
}

// The close box and Escape end the session as "Cancel" does.
void FtpWizardForm::reject() {
    if (m_download.wizard.view().visible) {
        m_download.wizard.CancelBtnClick();
    }
    QDialog::reject();
}

void FtpWizardForm::render() {
    const QScopedValueRollback rendering(m_rendering, true);
    const WizardView& view = m_download.session.views().wizard;
    m_next->setText(view.NextCaption);
    m_next->setAccessibleName(view.NextCaption.simplified());
    m_next->setEnabled(view.NextEnabled);
    m_hint->setText(view.HintLabel);
    const WizardCheck* checks[] = {&view.Connect, &view.SetBinaryMode, &view.GetFile,
                                   &view.Disconnect};
    for (int step = 0; step < int(m_steps.size()); ++step) {
        m_steps[step]->setChecked(checks[step]->checked);
        m_steps[step]->setEnabled(checks[step]->enabled);
    }
    const QString* values[] = {&view.DownloadFrequency, &view.LastDownload, &view.NewDatabaseDate,
                               &view.OldDatabaseDate};
    for (int row = 0; row < int(m_info.size()); ++row) {
        m_info[row]->setText(*values[row]);
    }
    m_passive->setChecked(view.chkPassiveMode);
    renderCursorAndPanel();
    if (!view.visible && isVisible()) {
        done(QDialog::Accepted);
    }
}

// What the session shows outside the wizard: the busy cursor and the main window's panel 0.
void FtpWizardForm::renderCursorAndPanel() {
    const DownloadViews& views = m_download.session.views();
    if (views.busyCursor != m_busyCursor) {
        m_busyCursor = views.busyCursor;
        if (m_busyCursor) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    }
    if (views.statusPanel0 != m_shownPanel0) {
        m_shownPanel0 = views.statusPanel0;
        if (statusPanelChanged) {
            statusPanelChanged(m_shownPanel0);
        }
    }
}

void FtpWizardForm::viewsChanged() {
    render();
    if (m_statusForm.isVisible()) {
        m_statusForm.render(m_download.session.views().status);
    }
}

void FtpWizardForm::runStatusWindow() {
    m_statusForm.render(m_download.session.views().status);
    placeStatusWindow();
    m_statusForm.exec();
}

// The status window stands beside the wizard (right, left, below or above, the first that fits
// on the screen), so the wizard's Status and Hint stay readable during the transfer.
void FtpWizardForm::placeStatusWindow() {
    const QRect wizard = frameGeometry();
    const QRect screen = this->screen()->availableGeometry();
    const QSize size = m_statusForm.frameGeometry().size();
    constexpr int Gap = 8;
    const QPoint places[] = {{wizard.right() + 1 + Gap, wizard.top()},
                             {wizard.left() - Gap - size.width(), wizard.top()},
                             {wizard.left(), wizard.bottom() + 1 + Gap},
                             {wizard.left(), wizard.top() - Gap - size.height()}};
    for (const QPoint& place : places) {
        if (screen.contains(QRect(place, size))) {
            m_statusForm.move(place);
            return;
        }
    }
    // No side has room: the right-hand place, kept on the screen.
    m_statusForm.move(qMin(places[0].x(), screen.right() + 1 - size.width()),
                      qMin(places[0].y(), screen.bottom() + 1 - size.height()));
}
