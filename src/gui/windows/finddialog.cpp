#include "gui/windows/finddialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent),
      m_text(new QLineEdit(this)),
      m_matchCase(new QCheckBox(tr("Match &case"), this)),
      m_wholeWord(new QCheckBox(tr("Match &whole word only"), this)),
      m_find(new QPushButton(tr("&Find"), this)) {
    setWindowTitle(tr("Find"));
    setObjectName(QStringLiteral("FindDialog1"));
    auto* label = new QLabel(tr("Fi&nd what:"), this);
    label->setBuddy(m_text);
    m_text->setAccessibleName(tr("Find what:"));
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_text, 1);

    auto* buttons = new QDialogButtonBox(Qt::Horizontal, this);
    buttons->addButton(m_find, QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    m_find->setDefault(true);
    m_find->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_matchCase);
    layout->addWidget(m_wholeWord);
    layout->addWidget(buttons);

    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_find->setEnabled(!text.isEmpty()); });
    connect(m_find, &QPushButton::clicked, this, &FindDialog::findClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void FindDialog::openAt(const QPoint& position, const QString& text) {
    m_text->setText(text);
    m_text->selectAll();
    m_find->setEnabled(!text.isEmpty());
    move(position);
    show();
    raise();
    activateWindow();
    m_text->setFocus();
}

// The dialog closes before the search runs, so the viewer takes the focus and a "not found"
// message does not appear over the dialog.
void FindDialog::findClicked() {
    if (m_text->text().isEmpty()) {
        return;
    }
    hide();
    emit findRequested(m_text->text(), m_matchCase->isChecked(), m_wholeWord->isChecked());
}
