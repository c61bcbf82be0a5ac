#include "gui/windows/intuseform.h"

#include "textview/windowtexts.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

IntUseForm::IntUseForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TIntUseForm"));
    setWindowTitle(windowtexts::interruptUsageCaption());
    setModal(true);

    auto* group = new QGroupBox(windowtexts::interruptUsageGroup(), this);
    auto* lines = new QVBoxLayout(group);
    for (const QString& line : windowtexts::interruptUsageLines()) {
        lines->addWidget(new QLabel(line, group));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    // The window takes the size of its content and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
