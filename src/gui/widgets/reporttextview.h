#pragma once

#include "textview/searchrequest.h"

#include <QPlainTextEdit>
#include <QStringList>

// The main report viewer: read-only, line-oriented, fixed-pitch and unwrapped, with a visible
// caret whose line and column it reports, and the text search of the report page. Its keys
// (F3, F4, Ctrl+F, Alt+F1 / Alt+P) only act while it has the keyboard focus.
class ReportTextView : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit ReportTextView(QWidget* parent = nullptr);

    // Loads the text (lines joined by "\n") in one go and puts the caret on line 1, column 1.
    void setReportText(const QString& text);
    // Selects a match and brings it into view: forward the caret ends after the match,
    // backward before it. Nothing changes when nothing is found.
    bool search(const SearchRequest& request);
    TextPosition caretPosition() const;
    void gotoTop();

  signals:
    void caretMoved(int line, int column);  // 0-based
    void findKeyPressed();
    void findNextKeyPressed();
    void findPreviousKeyPressed();
    void resolutionKeyPressed();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The command signal of a key, or nullptr when the key is not one of the viewer's own.
    using KeySignal = void (ReportTextView::*)();
    static KeySignal commandOf(const QKeyEvent* event);
    void reportCaret();
};
