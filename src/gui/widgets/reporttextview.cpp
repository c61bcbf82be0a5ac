#include "gui/widgets/reporttextview.h"

#include "gui/widgets/reporttextaccessible.h"
#include "model/reporttext.h"
#include "textview/linematcher.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>

namespace {

constexpr int Margin = 4;           // around the text, as a plain text editor leaves it
constexpr qreal TabStop = 80;       // pixels, as a plain text editor has them
constexpr qreal NoWrapWidth = 1e7;  // one line of any length

// The view's lines as a search reads them.
class ViewLines : public LineSource {
  public:
    explicit ViewLines(const ReportTextView& view) : m_view(view) {}
    int lineCount() const override { return m_view.lineCount(); }
    QString line(int index) const override { return m_view.lineText(index); }

  private:
    const ReportTextView& m_view;
};

}  // namespace

ReportTextView::ReportTextView(QWidget* parent) : QAbstractScrollArea(parent) {
    ReportTextAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A match found while a message box has the focus stays visibly highlighted.
    QPalette colours = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    }
    setPalette(colours);
}

void ReportTextView::setReportText(const ReportText* text) {
    m_text = text;
    // A hidden viewer measures its lines when first shown: most loads never show both.
    if (isVisible()) {
        measureContent();
    } else {
        m_contentWidth = -1;
    }
    m_caret = m_anchor = TextPosition{};
    m_goalColumn = 0;
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    caretChanged(false);
}

// The width of the longest line, from its length in the fixed-pitch font; a line that paints
// wider (tabs) widens it when shown.
void ReportTextView::measureContent() {
    int longest = 0;
    for (int i = 0, n = lineCount(); i < n; ++i) {
        longest = std::max(longest, lineLength(i));
    }
    m_contentWidth =
        std::min(longest, 1 << 20) * fontMetrics().horizontalAdvance(u'x') + 2 * Margin;
    updateScrollBars();
}

int ReportTextView::lineCount() const {
    return m_text ? int(m_text->size()) : 0;
}

QString ReportTextView::lineText(int line) const {
    return line >= 0 && line < lineCount() ? m_text->at(line) : QString();
}

int ReportTextView::lineLength(int line) const {
    return line >= 0 && line < lineCount()
               ? int(m_text->lineStart(line + 1) - m_text->lineStart(line) - 1)
               : 0;
}

QString ReportTextView::textBetween(int from, int to) const {
    from = std::clamp(from, 0, characterCount());
    to = std::clamp(to, from, characterCount());
    return m_text && from < to ? m_text->text(from, to) : QString();
}

QString ReportTextView::toPlainText() const {
    return m_text && lineCount() > 0 ? m_text->joined() : QString();
}

int ReportTextView::characterCount() const {
    const int n = lineCount();
    return n == 0 ? 0 : int(m_text->lineStart(n) - 1);
}

int ReportTextView::offsetOf(TextPosition position) const {
    const TextPosition p = clamped(position);
    return lineCount() == 0 ? 0 : int(m_text->lineStart(p.line)) + p.column;
}

TextPosition ReportTextView::positionOf(int offset) const {
    const int n = lineCount();
    if (n == 0) {
        return {};
    }
    offset = std::clamp(offset, 0, characterCount());
    // The last line that begins at or before the offset.
    int low = 0;
    int high = n - 1;
    while (low < high) {
        const int mid = low + (high - low + 1) / 2;
        if (m_text->lineStart(mid) <= offset) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    return TextPosition{low, offset - int(m_text->lineStart(low))};
}

TextPosition ReportTextView::clamped(TextPosition position) const {
    const int n = lineCount();
    if (n == 0) {
        return {};
    }
    const int line = std::clamp(position.line, 0, n - 1);
    return TextPosition{line, std::clamp(position.column, 0, lineLength(line))};
}

TextPosition ReportTextView::caretPosition() const {
    return clamped(m_caret);
}

TextPosition ReportTextView::anchorPosition() const {
    return clamped(m_anchor);
}

QString ReportTextView::selectedText() const {
    const auto [from, to] = std::minmax(anchorPosition(), caretPosition());
    if (from == to) {
        return QString();
    }
    const int start = offsetOf(from);
    return m_text->text(start, offsetOf(to));
}

void ReportTextView::moveCaret(TextPosition to, bool keepAnchor) {
    m_caret = clamped(to);
    if (!keepAnchor) {
        m_anchor = m_caret;
    }
    ensureVisible(m_caret);
    viewport()->update();
    caretChanged(keepAnchor);
}

void ReportTextView::gotoTop() {
    m_goalColumn = 0;
    moveCaret(TextPosition{});
}

void ReportTextView::gotoEnd() {
    const int last = std::max(lineCount() - 1, 0);
    m_goalColumn = lineLength(last);
    moveCaret(TextPosition{last, m_goalColumn});
}

void ReportTextView::selectAll() {
    const int last = std::max(lineCount() - 1, 0);
    m_goalColumn = lineLength(last);
    m_caret = TextPosition{last, m_goalColumn};
    m_anchor = TextPosition{};
    ensureVisible(m_caret);
    viewport()->update();
    caretChanged(true);
}

void ReportTextView::copy() const {
    const QString text = selectedText();
    if (!text.isEmpty()) {
        QApplication::clipboard()->setText(text);
    }
}

bool ReportTextView::search(const SearchRequest& request) {
    auto match = findInLines(ViewLines(*this), request, caretPosition());
    if (!match) {
        return false;
    }
    const TextPosition start = match->start;
    const TextPosition end{start.line, start.column + match->length};
    m_anchor = request.backward ? end : start;
    m_caret = request.backward ? start : end;
    m_goalColumn = m_caret.column;
    ensureVisible(request.backward ? end : start);
    ensureVisible(m_caret);
    viewport()->update();
    caretChanged(true);
    return true;
}

// Tells the caret's line and column, and a screen reader where the caret and selection are.
void ReportTextView::caretChanged(bool anchorKept) {
    const TextPosition caret = caretPosition();
    emit caretMoved(caret.line, caret.column);
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent moved(this, offsetOf(caret));
        QAccessible::updateAccessibility(&moved);
        if (anchorKept) {
            const auto [from, to] = std::minmax(offsetOf(anchorPosition()), offsetOf(caret));
            QAccessibleTextSelectionEvent selected(this, from, to);
            QAccessible::updateAccessibility(&selected);
        }
    }
}

int ReportTextView::lineHeight() const {
    return std::max(fontMetrics().lineSpacing(), 1);
}

int ReportTextView::visibleLines() const {
    return std::max((viewport()->height() - 2 * Margin) / lineHeight(), 1);
}

QPoint ReportTextView::lineOrigin(int line) const {
    return QPoint(Margin - horizontalScrollBar()->value(),
                  Margin + (line - verticalScrollBar()->value()) * lineHeight());
}

void ReportTextView::updateScrollBars() {
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, std::max(lineCount() - visibleLines(), 0));
    vertical->setPageStep(visibleLines());
    vertical->setSingleStep(1);
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(m_contentWidth - viewport()->width(), 0));
    horizontal->setPageStep(viewport()->width());
    horizontal->setSingleStep(fontMetrics().horizontalAdvance(u'x') * 2);
}

void ReportTextView::layOut(QTextLayout& layout, int line) const {
    layout.setText(lineText(line));
    layout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(TabStop);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine textLine = layout.createLine();
    textLine.setLineWidth(NoWrapWidth);
    textLine.setPosition(QPointF(0, 0));
    layout.endLayout();
}

QRect ReportTextView::characterRect(TextPosition position) const {
    const TextPosition p = clamped(position);
    QTextLayout layout;
    layOut(layout, p.line);
    const QTextLine line = layout.lineAt(0);
    const qreal left = line.cursorToX(p.column);
    const qreal right = p.column < lineLength(p.line)
                            ? line.cursorToX(p.column + 1)
                            : left + fontMetrics().horizontalAdvance(u' ');
    const QPoint origin = lineOrigin(p.line);
    return QRect(origin.x() + int(left), origin.y(), std::max(int(right - left), 1), lineHeight());
}

TextPosition ReportTextView::positionAt(const QPoint& point) const {
    if (lineCount() == 0) {
        return {};
    }
    const int row = (point.y() - Margin) / lineHeight() - (point.y() < Margin ? 1 : 0);
    const int line = std::clamp(verticalScrollBar()->value() + row, 0, lineCount() - 1);
    QTextLayout layout;
    layOut(layout, line);
    const int column =
        layout.lineAt(0).xToCursor(point.x() - lineOrigin(line).x(), QTextLine::CursorOnCharacter);
    return clamped(TextPosition{line, column});
}

void ReportTextView::ensureVisible(TextPosition position) {
    QScrollBar* vertical = verticalScrollBar();
    const TextPosition p = clamped(position);
    if (p.line < vertical->value()) {
        vertical->setValue(p.line);
    } else if (p.line >= vertical->value() + visibleLines()) {
        vertical->setValue(p.line - visibleLines() + 1);
    }
    const QRect character = characterRect(p);
    QScrollBar* horizontal = horizontalScrollBar();
    const int x = character.left() + horizontal->value() - Margin;
    if (m_contentWidth >= 0 && x + character.width() + 2 * Margin > m_contentWidth) {
        m_contentWidth = x + character.width() + 2 * Margin;  // a line with tabs runs wider
        updateScrollBars();
    }
    if (x < horizontal->value()) {
        horizontal->setValue(x);
    } else if (x + character.width() > horizontal->value() + viewport()->width() - 2 * Margin) {
        horizontal->setValue(x + character.width() - viewport()->width() + 2 * Margin);
    }
}

void ReportTextView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Text));
    const int first = verticalScrollBar()->value();
    const int last = std::min(lineCount(), first + visibleLines() + 2);
    for (int line = first; line < last; ++line) {
        paintLine(painter, line, lineOrigin(line).y());
    }
}

void ReportTextView::paintLine(QPainter& painter, int line, int top) {
    QTextLayout layout;
    layOut(layout, line);
    const auto [from, to] = std::minmax(anchorPosition(), caretPosition());
    QList<QTextLayout::FormatRange> selections;
    if (from != to && from.line <= line && line <= to.line) {
        QTextLayout::FormatRange range;
        range.start = line == from.line ? from.column : 0;
        // A selection that goes on to the next line covers this line's break too.
        const int end = line == to.line ? to.column : lineLength(line) + 1;
        range.length = end - range.start;
        range.format.setBackground(palette().brush(QPalette::Highlight));
        range.format.setForeground(palette().brush(QPalette::HighlightedText));
        selections << range;
    }
    const QPointF origin(lineOrigin(line).x(), top);
    const int width = int(layout.lineAt(0).naturalTextWidth()) + 2 * Margin;
    if (width > m_contentWidth) {
        m_contentWidth = width;
        updateScrollBars();
    }
    layout.draw(&painter, origin, selections);
    if (hasFocus() && line == caretPosition().line) {
        layout.drawCursor(&painter, origin, caretPosition().column, 1);
    }
}

void ReportTextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ReportTextView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measureContent();
    }
}

void ReportTextView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (m_contentWidth < 0) {
        measureContent();
    }
}

void ReportTextView::scrollContentsBy(int, int) {
    viewport()->update();
}

void ReportTextView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void ReportTextView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}
