#include "gui/windows/placeholderwindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PlaceholderWindow::PlaceholderWindow(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    setAccessibleName(caption);
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(caption + QStringLiteral(": not available in this version."), this);
    note->setAccessibleName(note->text());
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
