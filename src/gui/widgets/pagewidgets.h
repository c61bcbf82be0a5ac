#pragma once

#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QWidget;

// Small builders for the controls the main window's pages share.
namespace pagewidgets {

// A label has no accessible name of its own: a screen reader reads the text it shows. What a
// value label is for goes into its description.
QLabel* label(QWidget* parent, const QString& text, const QString& description = {});
QGroupBox* group(QWidget* parent, const QString& title);
// The name a screen reader gives a field: its caption without a closing colon.
QString fieldName(const QString& caption);
// The caption of a field: a label that gives the field the keyboard focus and its name.
QLabel* buddyLabel(const QString& caption, QWidget* field);
// A read-only, fixed-pitch, unwrapped text view of an embedded file.
QPlainTextEdit* fileView(QWidget* parent, const QString& accessibleName);
// A raised panel with a centred caption above a view.
QLabel* captionPanel(QWidget* parent, const QString& caption);
// Fills a plain text view with lines in one go.
void setLines(QPlainTextEdit* view, const QStringList& lines);
// A fraction of a size, rounded to the nearest pixel.
int rounded(double value);

}  // namespace pagewidgets
