#include "gui/windows/patchdb/coredxpspage.h"

#include "gui/widgets/pagewidgets.h"
#include "gui/windows/patchdb/fieldfocus.h"
#include "gui/windows/patchdb/guardedcommand.h"
#include "patchdb/coremodulepage.h"
#include "patchdb/managerwindowstate.h"
#include "patchdb/managerwindowtexts.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

CoreDxpsPage::CoreDxpsPage(CoreModulePage& core, ManagerWindowState& state, UserDialogs& dialogs,
                           QWidget* parent)
    : QWidget(parent),
      m_core(core),
      m_state(state),
      m_dialogs(dialogs),
      m_name(new QLineEdit),
      m_version(new QLineEdit),
      m_keys(new QStringListModel(this)),
      m_list(new QListView),
      m_add(new QPushButton(managertexts::AddChangeButton)),
      m_remove(new QPushButton(managertexts::RemoveButton)),
      m_read(new QPushButton(managertexts::ReadCoreButton)) {
    m_version->setToolTip(managertexts::DxpVersionHint);
    m_list->setModel(m_keys);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (QObject* watched : {static_cast<QObject*>(m_name), static_cast<QObject*>(m_version),
                             static_cast<QObject*>(m_list)}) {
        watched->installEventFilter(this);
    }
    connect(m_list, &QListView::clicked, this,
            [this](const QModelIndex& index) { rowClicked(index.row()); });
    connect(m_add, &QPushButton::clicked, this, &CoreDxpsPage::addChange);
    connect(m_remove, &QPushButton::clicked, this, [this] { run(&CoreModulePage::remove); });
    connect(m_read, &QPushButton::clicked, this,
            [this] { run(&CoreModulePage::ReadCoreModuleList); });

    auto* fields = new QGridLayout;
    fields->addWidget(pagewidgets::buddyLabel(managertexts::DxpNameLabel, m_name), 0, 0);
    fields->addWidget(m_name, 1, 0);
    fields->addWidget(pagewidgets::buddyLabel(managertexts::DxpVersionLabel, m_version), 0, 1);
    fields->addWidget(m_version, 1, 1);
    fields->addWidget(pagewidgets::buddyLabel(managertexts::CoreDxpsLabel, m_list), 2, 0);
    fields->addWidget(m_list, 3, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_add, m_remove, m_read}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    fields->addLayout(buttons, 3, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addWidget(createNote());
    refresh();
}

QWidget* CoreDxpsPage::createNote() {
    auto* note = new QWidget;
    auto* layout = new QVBoxLayout(note);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* instructions = new QPlainTextEdit(managertexts::CoreDxpsInstructions.join(u'\n'));
    instructions->setReadOnly(true);
    instructions->setAccessibleName(QStringLiteral("Instructions"));
    instructions->setFixedHeight(instructions->fontMetrics().lineSpacing() *
                                     int(managertexts::CoreDxpsInstructions.size() + 1) +
                                 8);
    layout->addWidget(instructions);
    for (const QString& line : managertexts::LegacyNote) {
        layout->addWidget(new QLabel(line));
    }
    return note;
}

void CoreDxpsPage::collect() {
    m_core.NewDXPEdit = m_name->text();
    m_core.VersionEdit = m_version->text();
}

void CoreDxpsPage::run(void (CoreModulePage::*command)()) {
    collect();
    runGuarded(m_dialogs, [&] { (m_core.*command)(); });
    refresh();
    emit changed();
}

void CoreDxpsPage::addChange() {
    run(&CoreModulePage::addChange);
    // A missing version is asked for in its field; a stored key makes room for the next one.
    if (!m_state.editingEnabled()) {
        return;
    }
    if (!m_core.NewDXPEdit.isEmpty() && m_core.VersionEdit.isEmpty()) {
        m_version->setFocus();
    } else if (m_core.NewDXPEdit.isEmpty()) {
        m_name->setFocus();
    }
}

void CoreDxpsPage::rowClicked(int row) {
    m_core.selectRow(row);
    refresh();
}

bool CoreDxpsPage::eventFilter(QObject* watched, QEvent* event) {
    if (m_refreshing) {
        return QWidget::eventFilter(watched, event);
    }
    if (watched == m_name && event->type() == QEvent::FocusIn && entersOrLeavesField(event)) {
        collect();
        m_core.enterNameField();
        refresh();
    } else if (event->type() == QEvent::KeyPress && m_state.editingEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((watched == m_name || watched == m_version) &&
            (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            addChange();
            return true;
        }
        if (watched == m_list && key == Qt::Key_Delete) {
            run(&CoreModulePage::remove);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CoreDxpsPage::refresh() {
    m_refreshing = true;
    m_name->setText(m_core.NewDXPEdit);
    m_version->setText(m_core.VersionEdit);
    const bool editing = m_state.editingEnabled();
    m_name->setReadOnly(!editing);
    m_version->setReadOnly(!editing);
    m_add->setEnabled(editing);
    m_remove->setEnabled(editing);
    if (m_keys->stringList() != m_core.keys()) {
        m_keys->setStringList(m_core.keys());
    }
    const QModelIndex selected = m_keys->index(m_core.selectedRow());
    if (selected.isValid()) {
        m_list->setCurrentIndex(selected);
    } else {
        m_list->clearSelection();
    }
    m_refreshing = false;
}
