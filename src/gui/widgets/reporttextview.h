#pragma once

#include "textview/searchrequest.h"

#include <QAbstractScrollArea>
#include <QString>

class QTextLayout;
class ReportText;

// The report viewer: read-only, line-oriented, fixed-pitch and unwrapped, with a visible caret
// whose line and column it reports, selection and copy, and the text search of the report
// page. It paints the lines of the engine's report text that are on screen and keeps no copy
// of the text, so a report of any size costs the view nothing but its caret and selection.
// The search keys (F3, F4, Ctrl+F, Alt+F1 / Alt+P) only act while it has the keyboard focus
// and are switched off in the alternate viewer.
class ReportTextView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit ReportTextView(QWidget* parent = nullptr);

    // Shows the lines, which the caller keeps alive (a null text shows nothing), and puts the
    // caret on line 1, column 1. The lines may change while shown (a load in progress empties
    // and refills them): every read clamps to what is there, and the next call settles it.
    void setReportText(const ReportText* text);
    void setSearchKeysEnabled(bool enabled) { m_searchKeys = enabled; }

    // Selects a match and brings it into view: forward the caret ends after the match,
    // backward before it. Nothing changes when nothing is found.
    bool search(const SearchRequest& request);
    TextPosition caretPosition() const;
    TextPosition anchorPosition() const;
    // Moves the caret; keepAnchor extends the selection, otherwise it is dropped.
    void moveCaret(TextPosition to, bool keepAnchor = false);
    void gotoTop();
    void gotoEnd();
    void selectAll();
    void copy() const;
    QString selectedText() const;  // selected lines joined by "\n"
    QString toPlainText() const;   // every line joined by "\n"
    // The characters between two offsets of that text, decoded alone.
    QString textBetween(int from, int to) const;

    int lineCount() const;
    QString lineText(int line) const;
    // Character offsets in the text as one string of lines joined by "\n".
    int characterCount() const;
    int offsetOf(TextPosition position) const;
    TextPosition positionOf(int offset) const;
    // The place of a character in viewport coordinates, and the character at a point.
    QRect characterRect(TextPosition position) const;
    TextPosition positionAt(const QPoint& viewportPoint) const;
    void ensureVisible(TextPosition position);

  signals:
    void caretMoved(int line, int column);  // 0-based
    void findKeyPressed();
    void findNextKeyPressed();
    void findPreviousKeyPressed();
    void resolutionKeyPressed();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    // The command signal of a key, or nullptr when the key is not one of the viewer's own.
    using KeySignal = void (ReportTextView::*)();
    KeySignal commandOf(const QKeyEvent* event) const;
    bool moveByKey(const QKeyEvent* event);
    TextPosition clamped(TextPosition position) const;
    int lineLength(int line) const;
    int visibleLines() const;
    int lineHeight() const;
    QPoint lineOrigin(int line) const;  // top left of a line in viewport coordinates
    void layOut(QTextLayout& layout, int line) const;
    void paintLine(QPainter& painter, int line, int top);
    void measureContent();
    void updateScrollBars();
    void caretChanged(bool anchorKept);

    const ReportText* m_text = nullptr;
    TextPosition m_caret;
    TextPosition m_anchor;
    int m_goalColumn = 0;  // the column up and down keep across shorter lines
    int m_contentWidth = 0;
    bool m_searchKeys = true;
};
