#include "gui/widgets/pagewidgets.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>
#include <cmath>

namespace pagewidgets {

QLabel* label(QWidget* parent, const QString& text, const QString& description) {
    auto* l = new QLabel(text, parent);
    l->setAccessibleDescription(description);
    return l;
}

QString fieldName(const QString& caption) {
    return caption.endsWith(u':') ? caption.chopped(1) : caption;
}

QLabel* buddyLabel(const QString& caption, QWidget* field) {
    auto* l = new QLabel(caption);
    l->setBuddy(field);
    field->setAccessibleName(fieldName(caption));
    return l;
}

QGroupBox* group(QWidget* parent, const QString& title) {
    auto* g = new QGroupBox(title, parent);
    g->setAccessibleName(title);
    return g;
}

QPlainTextEdit* fileView(QWidget* parent, const QString& accessibleName) {
    auto* view = new QPlainTextEdit(parent);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setAccessibleName(accessibleName);
    return view;
}

QLabel* captionPanel(QWidget* parent, const QString& caption) {
    auto* panel = new QLabel(caption, parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    QFont bold = panel->font();
    bold.setBold(true);
    panel->setFont(bold);
    return panel;
}

void setLines(QPlainTextEdit* view, const QStringList& lines) {
    view->setPlainText(lines.join(u'\n'));
}

int rounded(double value) {
    return int(std::lround(value));
}

}  // namespace pagewidgets
