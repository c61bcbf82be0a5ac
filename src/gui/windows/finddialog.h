#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The Find dialog of the report text page: the text to find, match case and whole word. It
// stays open beside the window until Find or Cancel; Find closes it and hands over the text
// and the two options.
class FindDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FindDialog(QWidget* parent = nullptr);

    // Opens the dialog at the screen position with the last find text selected.
    void openAt(const QPoint& position, const QString& text);

    QLineEdit* textEdit() const { return m_text; }
    QCheckBox* matchCaseBox() const { return m_matchCase; }
    QCheckBox* wholeWordBox() const { return m_wholeWord; }
    QPushButton* findButton() const { return m_find; }

  signals:
    void findRequested(const QString& text, bool matchCase, bool wholeWord);

  private:
    void findClicked();

    QLineEdit* m_text;
    QCheckBox* m_matchCase;
    QCheckBox* m_wholeWord;
    QPushButton* m_find;
};
