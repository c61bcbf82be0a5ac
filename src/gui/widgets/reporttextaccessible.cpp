#include "gui/widgets/reporttextaccessible.h"

#include "gui/widgets/reporttextview.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace {

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("ReportTextView") && object && object->isWidgetType()) {
        return new ReportTextAccessible(static_cast<ReportTextView*>(object));
    }
    return nullptr;
}

}  // namespace

ReportTextAccessible::ReportTextAccessible(ReportTextView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

void ReportTextAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

ReportTextView* ReportTextAccessible::view() const {
    return static_cast<ReportTextView*>(widget());
}

QAccessible::State ReportTextAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.multiLine = true;
    s.selectableText = true;
    s.focusable = true;
    return s;
}

void* ReportTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

void ReportTextAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && selectionCount() == 1) {
        std::tie(*startOffset, *endOffset) = std::minmax(view()->offsetOf(view()->anchorPosition()),
                                                         view()->offsetOf(view()->caretPosition()));
    }
}

int ReportTextAccessible::selectionCount() const {
    return view()->anchorPosition() != view()->caretPosition() ? 1 : 0;
}

void ReportTextAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void ReportTextAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) {
        view()->moveCaret(view()->caretPosition());
    }
}

void ReportTextAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) {
        view()->moveCaret(view()->positionOf(startOffset));
        view()->moveCaret(view()->positionOf(endOffset), true);
    }
}

int ReportTextAccessible::cursorPosition() const {
    return view()->offsetOf(view()->caretPosition());
}

void ReportTextAccessible::setCursorPosition(int position) {
    view()->moveCaret(view()->positionOf(position));
}

QString ReportTextAccessible::text(QAccessible::Text t) const {
    return QAccessibleWidget::text(t);
}

QString ReportTextAccessible::text(int startOffset, int endOffset) const {
    const int count = characterCount();
    startOffset = std::clamp(startOffset, 0, count);
    endOffset = std::clamp(endOffset, startOffset, count);
    return view()->textBetween(startOffset, endOffset);
}

// The piece of text at an offset: a character, a word of its line, or its line with the line
// break after it (a sentence and a paragraph are read as the line); no boundary is everything.
QString ReportTextAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const {
    const int count = characterCount();
    *startOffset = *endOffset = -1;
    if (offset < 0 || offset > count) {
        return QString();
    }
    const TextPosition at = view()->positionOf(offset);
    const int lineStart = offset - at.column;
    const QString line = view()->lineText(at.line);
    switch (boundaryType) {
        case QAccessible::CharBoundary:
            *startOffset = offset;
            *endOffset = std::min(offset + 1, count);
            break;
        case QAccessible::WordBoundary: {
            QTextBoundaryFinder words(QTextBoundaryFinder::Word, line);
            words.setPosition(at.column);
            if (!words.isAtBoundary()) {
                words.toPreviousBoundary();
            }
            *startOffset = lineStart + int(std::max<qsizetype>(words.position(), 0));
            const qsizetype next = words.toNextBoundary();
            *endOffset = lineStart + int(next < 0 ? line.size() : next);
            break;
        }
        case QAccessible::NoBoundary:
            *startOffset = 0;
            *endOffset = count;
            break;
        default:
            *startOffset = lineStart;
            *endOffset = std::min(lineStart + int(line.size()) + 1, count);
            break;
    }
    return text(*startOffset, *endOffset);
}

QString ReportTextAccessible::textBeforeOffset(int offset,
                                               QAccessible::TextBoundaryType boundaryType,
                                               int* startOffset, int* endOffset) const {
    int start = 0;
    int end = 0;
    textAtOffset(offset, boundaryType, &start, &end);
    if (start <= 0) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    return textAtOffset(start - 1, boundaryType, startOffset, endOffset);
}

QString ReportTextAccessible::textAfterOffset(int offset,
                                              QAccessible::TextBoundaryType boundaryType,
                                              int* startOffset, int* endOffset) const {
    int start = 0;
    int end = 0;
    textAtOffset(offset, boundaryType, &start, &end);
    if (end < 0 || end >= characterCount()) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    return textAtOffset(end, boundaryType, startOffset, endOffset);
}

int ReportTextAccessible::characterCount() const {
    return view()->characterCount();
}

QRect ReportTextAccessible::characterRect(int offset) const {
    const QRect r = view()->characterRect(view()->positionOf(offset));
    return QRect(view()->viewport()->mapToGlobal(r.topLeft()), r.size());
}

int ReportTextAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint local = view()->viewport()->mapFromGlobal(point);
    if (!view()->viewport()->rect().contains(local)) {
        return -1;
    }
    return view()->offsetOf(view()->positionAt(local));
}

void ReportTextAccessible::scrollToSubstring(int startIndex, int endIndex) {
    view()->ensureVisible(view()->positionOf(endIndex));
    view()->ensureVisible(view()->positionOf(startIndex));
}

QString ReportTextAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}
