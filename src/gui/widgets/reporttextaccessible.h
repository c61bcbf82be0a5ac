#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

class ReportTextView;

// What a screen reader reads of the report viewer: a read-only multi-line text with a caret and
// a selection. Lines, words and characters are taken from the line they lie on, so reading at
// the caret never copies the whole report.
class ReportTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ReportTextAccessible(ReportTextView* view);

    // Makes Qt's accessibility answer every ReportTextView with this interface; once is enough.
    static void install();

    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(QAccessible::Text t) const override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

  private:
    ReportTextView* view() const;
};
