#include "gui/widgets/reporttextview.h"

#include "textview/linematcher.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QTextBlock>

namespace {

// The document's blocks are the report's lines. A search walks them one after the other, so
// the next or previous block is taken from the last one instead of being looked up.
class BlockLines : public LineSource {
  public:
    explicit BlockLines(const QTextDocument* document) : m_document(document) {}
    int lineCount() const override { return m_document->blockCount(); }
    QString line(int index) const override {
        if (m_block.isValid() && index == m_index + 1) {
            m_block = m_block.next();
        } else if (m_block.isValid() && index == m_index - 1) {
            m_block = m_block.previous();
        } else if (!m_block.isValid() || index != m_index) {
            m_block = m_document->findBlockByNumber(index);
        }
        m_index = index;
        return m_block.text();
    }

  private:
    const QTextDocument* m_document;
    mutable QTextBlock m_block;
    mutable int m_index = -1;
};

}  // namespace

ReportTextView::ReportTextView(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // A match found while a message box has the focus stays visibly highlighted.
    QPalette colours = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    }
    setPalette(colours);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &ReportTextView::reportCaret);
}

void ReportTextView::setReportText(const QString& text) {
    setPlainText(text);
    gotoTop();
}

bool ReportTextView::search(const SearchRequest& request) {
    auto match = findInLines(BlockLines(document()), request, caretPosition());
    if (!match) {
        return false;
    }
    int start = document()->findBlockByNumber(match->start.line).position() + match->start.column;
    int end = start + match->length;
    QTextCursor cursor(document());
    cursor.setPosition(request.backward ? end : start);
    cursor.setPosition(request.backward ? start : end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
    return true;
}

TextPosition ReportTextView::caretPosition() const {
    QTextCursor cursor = textCursor();
    return TextPosition{cursor.blockNumber(), cursor.positionInBlock()};
}

void ReportTextView::gotoTop() {
    moveCursor(QTextCursor::Start);
    ensureCursorVisible();
}

void ReportTextView::reportCaret() {
    TextPosition caret = caretPosition();
    emit caretMoved(caret.line, caret.column);
}

ReportTextView::KeySignal ReportTextView::commandOf(const QKeyEvent* event) {
    Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
        case Qt::Key_F3:
            return &ReportTextView::findNextKeyPressed;
        case Qt::Key_F4:
            return &ReportTextView::findPreviousKeyPressed;
        case Qt::Key_F:
            return modifiers == Qt::ControlModifier ? &ReportTextView::findKeyPressed : nullptr;
        case Qt::Key_F1:
        case Qt::Key_P:
            return modifiers & Qt::AltModifier ? &ReportTextView::resolutionKeyPressed : nullptr;
        default:
            return nullptr;
    }
}

// The viewer's keys win over shortcuts of the window while it has the focus.
bool ReportTextView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        commandOf(static_cast<QKeyEvent*>(event)) != nullptr) {
        event->accept();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void ReportTextView::keyPressEvent(QKeyEvent* event) {
    if (KeySignal command = commandOf(event)) {
        event->accept();
        emit(this->*command)();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
