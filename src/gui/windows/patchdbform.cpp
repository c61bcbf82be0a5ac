#include "gui/windows/patchdbform.h"

#include "engine/engine.h"
#include "gui/widgets/toolbaricons.h"
#include "gui/windows/patchdb/coredxpspage.h"
#include "gui/windows/patchdb/customizedbpage.h"
#include "gui/windows/patchdb/importpatchespage.h"
#include "gui/windows/patchdb/patchdatabasepage.h"
#include "gui/windows/syncprogressform.h"
#include "patchdb/managerwindowtexts.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A filter of name|pattern pairs as the open dialog takes it.
QString dialogFilter(const QString& pairs) {
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (qsizetype k = 0; k + 1 < parts.size(); k += 2) {
        filters << parts.at(k) + QStringLiteral(" (") + parts.at(k + 1) + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace

PatchDBForm::PatchDBForm(Engine& engine, QWidget* parent)
    : QDialog(parent),
      m_engine(engine),
      m_state(engine.manager(), engine.customPage()),
      m_syncProgress(new SyncProgressForm(this)) {
    setWindowTitle(managertexts::Caption);
    setModal(true);
    chooseKitFile = [this] { return askKitFile(); };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 6);
    createMenus();
    layout->setMenuBar(findChild<QMenuBar*>());
    layout->addWidget(createButtonPanel());
    createPages();
    layout->addWidget(m_tabs, 1);
    // Enter in a field never presses a button of the window by itself.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
    }
    // The manual update and the download synchronise through this window's progress window.
    QPointer<PatchDBForm> form(this);
    CustomEntriesPage& custom = engine.customPage();
    engine.synchroniseCustomEntries = [form, &custom] {
        if (form) {
            form->syncDatabases();
        } else {
            custom.SyncDatabases();
        }
    };
    refresh();
}

void PatchDBForm::createMenus() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(managertexts::FileMenu);
    file->addAction(managertexts::CloseManagerItem, this, &QDialog::close);
    QMenu* help = bar->addMenu(managertexts::HelpMenu);
    help->addAction(managertexts::HelpItem, this, [this] {
        if (showHelp) {
            showHelp();
        }
    });
    help->addAction(managertexts::DatabaseTypeItem, this, [this] {
        m_engine.dialogs().inform(m_engine.databases().databaseTypeInformation());
    });
    auto* close = new QAction(managertexts::CloseContextItem, this);
    connect(close, &QAction::triggered, this, &QDialog::close);
    addAction(close);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QFrame* PatchDBForm::createButtonPanel() {
    m_panel = new QFrame;
    m_panel->setFrameShape(QFrame::StyledPanel);
    m_panel->setFrameShadow(QFrame::Raised);
    m_panel->setAccessibleName(QStringLiteral("Button panel"));
    m_panel->installEventFilter(this);
    m_addPatchSet = new QToolButton;
    m_addPatchSet->setText(managertexts::AddPatchSetButton);
    m_addPatchSet->setToolTip(managertexts::AddPatchSetHint);
    m_addPatchSet->setIcon(toolbaricons::icon(toolbaricons::Picture::Open));
    m_addPatchSet->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_addPatchSet->setAutoRaise(true);
    connect(m_addPatchSet, &QToolButton::clicked, this, &PatchDBForm::addPatchSet);
    m_close = new QToolButton;
    m_close->setToolTip(managertexts::CloseHint);
    m_close->setAccessibleName(managertexts::CloseHint);
    m_close->setIcon(toolbaricons::icon(toolbaricons::Picture::Exit));
    m_close->setAutoRaise(true);
    connect(m_close, &QToolButton::clicked, this, &QDialog::close);
    auto* layout = new QHBoxLayout(m_panel);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_addPatchSet);
    layout->addWidget(m_close);
    layout->addStretch(1);
    return m_panel;
}

void PatchDBForm::createPages() {
    m_tabs = new QTabWidget;
    m_customize = new CustomizeDbPage(m_engine.customPage(), m_engine.dialogs(), *m_syncProgress);
    m_database = new PatchDatabasePage(m_engine.manager(), m_state);
    m_database->currentRootDir = [this] { return currentRootDir ? currentRootDir() : QString(); };
    m_import = new ImportPatchesPage(m_engine.manager().importPage(), m_engine.dialogs());
    m_core = new CoreDxpsPage(m_engine.manager().corePage(), m_state, m_engine.dialogs());
    const QList<QWidget*> pages = {m_customize, m_database, m_import, m_core};
    for (int page = 0; page < pages.size(); ++page) {
        m_tabs->addTab(pages.at(page), managertexts::PageCaptions.at(page));
    }
    connect(m_customize, &CustomizeDbPage::changed, this, &PatchDBForm::refresh);
    connect(m_database, &PatchDatabasePage::changed, this, &PatchDBForm::refresh);
    connect(m_import, &ImportPatchesPage::changed, this, &PatchDBForm::refresh);
    connect(m_core, &CoreDxpsPage::changed, this, &PatchDBForm::refresh);
    connect(m_tabs, &QTabWidget::currentChanged, this, &PatchDBForm::pageChanged);
}

void PatchDBForm::refresh() {
    m_refreshing = true;
    for (int page = 0; page < ManagerWindowState::PageCount; ++page) {
        m_tabs->setTabVisible(page, m_state.pageVisible(ManagerWindowState::Page(page)));
    }
    m_tabs->setCurrentIndex(m_state.currentPage());
    m_addPatchSet->setEnabled(m_state.addPatchSetEnabled());
    m_customize->refresh();
    m_database->refresh();
    m_import->refresh();
    m_core->refresh();
    m_refreshing = false;
}

void PatchDBForm::pageChanged(int index) {
    if (m_refreshing || index < 0) {
        return;
    }
    m_state.showPage(ManagerWindowState::Page(index));
    refresh();
}

void PatchDBForm::syncDatabases() {
    m_customize->syncDatabases();
}

QString PatchDBForm::askKitFile() {
    return QFileDialog::getOpenFileName(this, QString(), QDir::homePath(),
                                        dialogFilter(managertexts::KitFilter));
}

void PatchDBForm::addPatchSet() {
    const QString path = chooseKitFile ? chooseKitFile() : QString();
    if (!path.isEmpty()) {
        m_import->importFile(path);
    }
}

void PatchDBForm::reject() {
    if (m_state.close()) {
        QDialog::reject();
    }
    refresh();
}

void PatchDBForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Each opening, not a window restored from the task bar.
    if (!event->spontaneous()) {
        m_state.activate();
        refresh();
    }
}

bool PatchDBForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel && event->type() == QEvent::MouseButtonDblClick) {
        m_state.revealHiddenPages();
        refresh();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
