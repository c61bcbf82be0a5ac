#include "gui/windows/patchdb/patchdatabasepage.h"

#include "gui/windows/patchdb/guardedcommand.h"
#include "patchdb/managerwindowstate.h"
#include "patchdb/managerwindowtexts.h"
#include "patchdb/patchdatabasemanager.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

PatchDatabasePage::PatchDatabasePage(PatchDatabaseManager& manager, ManagerWindowState& state,
                                     QWidget* parent)
    : QWidget(parent),
      m_manager(manager),
      m_state(state),
      m_location(new QLabel),
      m_text(new QPlainTextEdit),
      m_type(new QLabel) {
    m_location->setAccessibleDescription(QStringLiteral("Database location"));
    m_location->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setAccessibleName(managertexts::PageCaptions.at(ManagerWindowState::PatchDatabase));
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(m_text, &QPlainTextEdit::textChanged, this, &PatchDatabasePage::textEdited);
    m_type->setAccessibleDescription(QStringLiteral("Database type"));
    QFont bold = m_type->font();
    bold.setBold(true);
    m_type->setFont(bold);

    m_read = addButton(managertexts::ReadDatabaseButton, [this] { m_manager.ReadPatchDatabase(); });
    m_delete =
        addButton(managertexts::DeleteDatabaseButton, [this] { m_manager.deleteDatabase(); });
    m_createDefault = addButton(managertexts::CreateDefaultButton, [this] {
        m_manager.createDefault(currentRootDir ? currentRootDir() : QString());
    });
    m_save = addButton(managertexts::SaveChangesButton, [this] { m_manager.save(); });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_read, m_delete, m_createDefault, m_save}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    buttons->addWidget(m_type);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_location);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    refresh();
}

QPushButton* PatchDatabasePage::addButton(const QString& caption,
                                          const std::function<void()>& command) {
    auto* button = new QPushButton(caption, this);
    connect(button, &QPushButton::clicked, this, [this, command] {
        runGuarded(m_manager.dialogs(), command);
        refresh();
        emit changed();
    });
    return button;
}

void PatchDatabasePage::textEdited() {
    if (m_refreshing) {
        return;
    }
    m_manager.editDatabaseText(m_text->toPlainText().split(u'\n'));
    m_save->setEnabled(m_state.saveEnabled());
}

void PatchDatabasePage::refresh() {
    m_refreshing = true;
    m_location->setText(m_manager.locationLabel());
    const QString text = m_manager.databaseText().join(u'\n');
    if (m_text->toPlainText() != text) {
        m_text->setPlainText(text);
    }
    m_text->setReadOnly(!m_state.editingEnabled());
    m_createDefault->setEnabled(m_state.editingEnabled());
    m_save->setEnabled(m_state.saveEnabled());
    m_type->setText(m_manager.databases().typeLabel());
    m_refreshing = false;
}
