#include "gui/windows/partialmatchesform.h"

#include "textview/windowtexts.h"

#include <QDialogButtonBox>
#include <QListView>
#include <QStringListModel>
#include <QVBoxLayout>

PartialMatchesForm::PartialMatchesForm(const QStringList& partialMatches, QWidget* parent)
    : QDialog(parent), m_list(new QListView(this)) {
    setObjectName(QStringLiteral("TPartialMatchesForm"));
    setWindowTitle(windowtexts::partialMatchesCaption());
    setModal(true);
    m_list->setObjectName(QStringLiteral("PartialMatchesListBox"));
    m_list->setAccessibleName(windowtexts::partialMatchesCaption());
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setModel(new QStringListModel(partialMatches, m_list));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(380, 260);
}
