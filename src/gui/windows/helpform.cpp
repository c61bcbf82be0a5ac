#include "gui/windows/helpform.h"

#include "textview/windowtexts.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

HelpForm::HelpForm(QWidget* parent) : QDialog(parent), m_text(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("THelpForm"));
    setWindowTitle(windowtexts::helpCaption());
    setModal(false);
    m_text->setReadOnly(true);
    m_text->setAccessibleName(windowtexts::helpCaption());
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(windowtexts::helpText());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    // Wide enough for the 80-column help text.
    int width = m_text->fontMetrics().horizontalAdvance(QString(84, QLatin1Char('M')));
    resize(width + 40, 520);
}
