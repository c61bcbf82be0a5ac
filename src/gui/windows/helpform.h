#pragma once

#include <QDialog>

class QPlainTextEdit;

// The help window: the four help sections as read-only text and an OK button. Not modal, so
// the user can keep it open beside the main window.
class HelpForm : public QDialog {
    Q_OBJECT
  public:
    explicit HelpForm(QWidget* parent = nullptr);

    QPlainTextEdit* textView() const { return m_text; }

  private:
    QPlainTextEdit* m_text;
};
