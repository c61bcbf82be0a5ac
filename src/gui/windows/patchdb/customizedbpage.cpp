#include "gui/windows/patchdb/customizedbpage.h"

#include "gui/widgets/pagewidgets.h"
#include "gui/windows/patchdb/fieldfocus.h"
#include "gui/windows/patchdb/guardedcommand.h"
#include "patchdb/customentriestexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

CustomizeDbPage::CustomizeDbPage(CustomEntriesPage& page, UserDialogs& dialogs,
                                 Progress& syncProgress, QWidget* parent)
    : QWidget(parent), m_page(page), m_dialogs(dialogs), m_syncProgress(syncProgress) {
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(createFields(), 1);
    layout->addWidget(createEntries(), 1);
    refresh();
}

QPushButton* CustomizeDbPage::addButton(const QString& caption,
                                        void (CustomEntriesPage::*command)()) {
    auto* button = new QPushButton(caption);
    m_buttons.append(button);
    connect(button, &QPushButton::clicked, this, [this, command] { run(command); });
    return button;
}

QWidget* CustomizeDbPage::createFields() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QLabel(customtexts::Heading);
    heading->setWordWrap(true);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    auto* fields = new QGridLayout;
    m_name = new QLineEdit;
    m_version = new QLineEdit;
    fields->addWidget(pagewidgets::buddyLabel(customtexts::ModuleNameLabel, m_name), 0, 0);
    fields->addWidget(m_name, 0, 1);
    fields->addWidget(pagewidgets::buddyLabel(customtexts::ModuleVersionLabel, m_version), 1, 0);
    fields->addWidget(m_version, 1, 1);
    layout->addLayout(fields);
    // The module name is typed in upper case.
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = m_name->cursorPosition();
        m_name->setText(text.toUpper());
        m_name->setCursorPosition(cursor);
    });
    m_name->installEventFilter(this);

    auto* group = new QGroupBox(customtexts::OsGroupCaption);
    group->setAccessibleName(customtexts::OsGroupCaption);
    auto* boxes = new QGridLayout(group);
    for (int box = 0; box < CustomEntriesPage::OsBoxCount; ++box) {
        m_boxes[box] = new QCheckBox(customtexts::OsBoxCaptions.at(box));
        boxes->addWidget(m_boxes[box], box % 3, box / 3);
    }
    connect(m_boxes[CustomEntriesPage::BoxOther], &QCheckBox::toggled, this, [this](bool ticked) {
        if (m_refreshing) {
            return;
        }
        collect();
        m_page.setOtherChecked(ticked);
        refresh();
    });
    m_otherVersion = new QLineEdit;
    boxes->addWidget(pagewidgets::buddyLabel(customtexts::OtherVersionLabel, m_otherVersion), 3, 0);
    boxes->addWidget(m_otherVersion, 3, 1);
    layout->addWidget(group);

    m_fileSet = new QComboBox;
    m_fileSet->setEditable(true);
    m_fileSet->setInsertPolicy(QComboBox::NoInsert);
    m_fileSet->installEventFilter(this);
    m_fileSet->lineEdit()->installEventFilter(this);
    layout->addWidget(pagewidgets::buddyLabel(customtexts::FileSetLabel, m_fileSet));
    // The box's own field
    m_fileSet->lineEdit()->setAccessibleName(pagewidgets::fieldName(customtexts::FileSetLabel));
    layout->addWidget(m_fileSet);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton(customtexts::AddButton, &CustomEntriesPage::addModule));
    buttons->addWidget(addButton(customtexts::ClearButton, &CustomEntriesPage::clearEntries));
    layout->addLayout(buttons);
    layout->addStretch(1);
    return column;
}

QWidget* CustomizeDbPage::createEntries() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    m_rows = new QStringListModel(this);
    m_list = new QListView;
    m_list->setModel(m_rows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setUniformItemSizes(true);
    m_entriesLabel = pagewidgets::buddyLabel(customtexts::EntriesLabel, m_list);
    layout->addWidget(m_entriesLabel);
    layout->addWidget(m_list, 1);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CustomizeDbPage::selectionChanged);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) {
        // A click on the row already shown shows it again, as a fresh click does.
        if (!m_refreshing && m_page.rgpSelectCustomEntries() ==
                                 CustomEntriesPage::SelectionMode::SingleSelectToView) {
            m_page.clickRow(index.row());
            refresh();
        }
    });

    auto* group = new QGroupBox(customtexts::SelectionGroupCaption);
    group->setAccessibleName(customtexts::SelectionGroupCaption);
    auto* modes = new QVBoxLayout(group);
    m_selection = new QButtonGroup(this);
    for (int mode = 0; mode < customtexts::SelectionModeCaptions.size(); ++mode) {
        auto* radio = new QRadioButton(customtexts::SelectionModeCaptions.at(mode));
        m_selection->addButton(radio, mode);
        modes->addWidget(radio);
    }
    connect(m_selection, &QButtonGroup::idToggled, this, [this](int mode, bool checked) {
        if (checked && !m_refreshing) {
            selectionModeChosen(mode);
        }
    });
    layout->addWidget(group);

    auto* buttons = new QGridLayout;
    buttons->addWidget(addButton(customtexts::DeleteButton, &CustomEntriesPage::deleteModule), 0,
                       0);
    buttons->addWidget(addButton(customtexts::ReadButton, &CustomEntriesPage::ReadCustomEntries), 0,
                       1);
    auto* sync = new QPushButton(customtexts::SyncButton);
    sync->setToolTip(customtexts::SyncButtonHint);
    m_buttons.append(sync);
    connect(sync, &QPushButton::clicked, this, &CustomizeDbPage::syncDatabases);
    buttons->addWidget(sync, 1, 0);
    buttons->addWidget(addButton(customtexts::CheckSyncButton, &CustomEntriesPage::CheckSyncStatus),
                       1, 1);
    layout->addLayout(buttons);
    m_prompt = new QCheckBox(customtexts::PromptToRestartCaption);
    connect(m_prompt, &QCheckBox::toggled, this, [this](bool ticked) {
        if (!m_refreshing) {
            m_page.chkPromptToRestartOnUpdate = ticked;
        }
    });
    layout->addWidget(m_prompt);
    return column;
}

QPushButton* CustomizeDbPage::button(const QString& caption) const {
    for (QPushButton* button : m_buttons) {
        if (button->text() == caption) {
            return button;
        }
    }
    return nullptr;
}

void CustomizeDbPage::collect() {
    m_page.edtModuleName = m_name->text();
    m_page.edtModuleVer = m_version->text();
    for (int box = 0; box < CustomEntriesPage::OsBoxCount; ++box) {
        m_page.osBoxes[box] = m_boxes[box]->isChecked();
    }
    m_page.edtOtherVer = m_otherVersion->text();
    m_page.cbxCustomFileSet = m_fileSet->currentText();
    m_page.chkPromptToRestartOnUpdate = m_prompt->isChecked();
}

void CustomizeDbPage::run(void (CustomEntriesPage::*command)()) {
    collect();
    runGuarded(m_dialogs, [&] { (m_page.*command)(); });
    refresh();
    emit changed();
}

void CustomizeDbPage::syncDatabases() {
    collect();
    runGuarded(m_dialogs, [&] { m_page.SyncDatabases(m_syncProgress); });
    refresh();
    emit changed();
}

void CustomizeDbPage::selectionChanged() {
    if (m_refreshing) {
        return;
    }
    collect();
    QList<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows()) {
        rows.append(index.row());
    }
    m_page.selectRows(rows);
    refresh();
}

void CustomizeDbPage::selectionModeChosen(int mode) {
    m_page.setSelectionMode(CustomEntriesPage::SelectionMode(mode));
    refresh();
}

bool CustomizeDbPage::eventFilter(QObject* watched, QEvent* event) {
    if (m_refreshing || (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) ||
        !entersOrLeavesField(event)) {
        return QWidget::eventFilter(watched, event);
    }
    if (watched == m_name && event->type() == QEvent::FocusIn) {
        collect();
        m_page.enterNameField();
        refresh();
    } else if ((watched == m_fileSet || watched == m_fileSet->lineEdit()) &&
               event->type() == QEvent::FocusOut && !m_fileSet->hasFocus()) {
        collect();
        m_page.leaveFileSetBox();
        refresh();
    }
    return QWidget::eventFilter(watched, event);
}

void CustomizeDbPage::refresh() {
    m_refreshing = true;
    m_name->setText(m_page.edtModuleName);
    m_version->setText(m_page.edtModuleVer);
    for (int box = 0; box < CustomEntriesPage::OsBoxCount; ++box) {
        m_boxes[box]->setChecked(m_page.osBoxes[box]);
    }
    m_otherVersion->setText(m_page.edtOtherVer);
    m_otherVersion->setEnabled(m_page.edtOtherVerEnabled());
    // Disabled, the field takes the colour of a button face.
    QPalette palette = m_otherVersion->palette();
    palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Button));
    m_otherVersion->setPalette(palette);
    if (m_fileSet->count() != m_page.cbxCustomFileSetItems().size()) {
        m_fileSet->clear();
        m_fileSet->addItems(m_page.cbxCustomFileSetItems());
    }
    m_fileSet->setEditText(m_page.cbxCustomFileSet);
    m_entriesLabel->setText(m_page.lblCustomDBEntries());
    m_prompt->setChecked(m_page.chkPromptToRestartOnUpdate);
    const int mode = int(m_page.rgpSelectCustomEntries());
    m_selection->button(mode)->setChecked(true);
    showRows();
    m_refreshing = false;
}

void CustomizeDbPage::showRows() {
    if (m_rows->stringList() != m_page.lstCustomDBEntries()) {
        m_rows->setStringList(m_page.lstCustomDBEntries());
    }
    const bool multi =
        m_page.rgpSelectCustomEntries() == CustomEntriesPage::SelectionMode::MultiSelectToDelete;
    m_list->setSelectionMode(multi ? QAbstractItemView::MultiSelection
                                   : QAbstractItemView::SingleSelection);
    QItemSelection selection;
    for (int row : m_page.selectedRows()) {
        const QModelIndex index = m_rows->index(row);
        selection.select(index, index);
    }
    m_list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}
