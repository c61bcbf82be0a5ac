// The report viewer's keyboard and mouse: caret moves, selection, copy and its own keys.
#include "gui/widgets/reporttextview.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>

namespace {

enum class Motion {
    Left,
    Right,
    WordLeft,
    WordRight,
    Up,
    Down,
    PageUp,
    PageDown,
    LineStart,
    LineEnd,
    Top,
    End
};

struct KeyMotion {
    QKeySequence::StandardKey key;
    Motion motion;
    bool select;
};

constexpr KeyMotion KeyMotions[] = {
    {QKeySequence::MoveToPreviousChar, Motion::Left, false},
    {QKeySequence::SelectPreviousChar, Motion::Left, true},
    {QKeySequence::MoveToNextChar, Motion::Right, false},
    {QKeySequence::SelectNextChar, Motion::Right, true},
    {QKeySequence::MoveToPreviousWord, Motion::WordLeft, false},
    {QKeySequence::SelectPreviousWord, Motion::WordLeft, true},
    {QKeySequence::MoveToNextWord, Motion::WordRight, false},
    {QKeySequence::SelectNextWord, Motion::WordRight, true},
    {QKeySequence::MoveToPreviousLine, Motion::Up, false},
    {QKeySequence::SelectPreviousLine, Motion::Up, true},
    {QKeySequence::MoveToNextLine, Motion::Down, false},
    {QKeySequence::SelectNextLine, Motion::Down, true},
    {QKeySequence::MoveToPreviousPage, Motion::PageUp, false},
    {QKeySequence::SelectPreviousPage, Motion::PageUp, true},
    {QKeySequence::MoveToNextPage, Motion::PageDown, false},
    {QKeySequence::SelectNextPage, Motion::PageDown, true},
    {QKeySequence::MoveToStartOfLine, Motion::LineStart, false},
    {QKeySequence::SelectStartOfLine, Motion::LineStart, true},
    {QKeySequence::MoveToEndOfLine, Motion::LineEnd, false},
    {QKeySequence::SelectEndOfLine, Motion::LineEnd, true},
    {QKeySequence::MoveToStartOfDocument, Motion::Top, false},
    {QKeySequence::SelectStartOfDocument, Motion::Top, true},
    {QKeySequence::MoveToEndOfDocument, Motion::End, false},
    {QKeySequence::SelectEndOfDocument, Motion::End, true},
};

const KeyMotion* motionOf(const QKeyEvent* event) {
    for (const KeyMotion& motion : KeyMotions) {
        if (event->matches(motion.key)) {
            return &motion;
        }
    }
    return nullptr;
}

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

}  // namespace

ReportTextView::KeySignal ReportTextView::commandOf(const QKeyEvent* event) const {
    if (!m_searchKeys) {
        return nullptr;
    }
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
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (commandOf(key) != nullptr || motionOf(key) != nullptr ||
            key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void ReportTextView::keyPressEvent(QKeyEvent* event) {
    if (KeySignal command = commandOf(event)) {
        event->accept();
        emit(this->*command)();
    } else if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (!moveByKey(event)) {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

bool ReportTextView::moveByKey(const QKeyEvent* event) {
    const KeyMotion* key = motionOf(event);
    if (key == nullptr) {
        return false;
    }
    const TextPosition caret = caretPosition();
    const int last = std::max(lineCount() - 1, 0);
    TextPosition to = caret;
    bool vertical = false;
    QTextLayout layout;
    layOut(layout, caret.line);
    switch (key->motion) {
        case Motion::Left:
            to = caret.column > 0 ? TextPosition{caret.line, caret.column - 1}
                 : caret.line > 0 ? TextPosition{caret.line - 1, lineLength(caret.line - 1)}
                                  : caret;
            break;
        case Motion::Right:
            to = caret.column < lineLength(caret.line) ? TextPosition{caret.line, caret.column + 1}
                 : caret.line < last                   ? TextPosition{caret.line + 1, 0}
                                                       : caret;
            break;
        case Motion::WordLeft:
            to = caret.column > 0
                     ? TextPosition{caret.line, layout.previousCursorPosition(
                                                    caret.column, QTextLayout::SkipWords)}
                 : caret.line > 0 ? TextPosition{caret.line - 1, lineLength(caret.line - 1)}
                                  : caret;
            break;
        case Motion::WordRight:
            to = caret.column < lineLength(caret.line)
                     ? TextPosition{caret.line,
                                    layout.nextCursorPosition(caret.column, QTextLayout::SkipWords)}
                 : caret.line < last ? TextPosition{caret.line + 1, 0}
                                     : caret;
            break;
        case Motion::Up:
        case Motion::Down:
        case Motion::PageUp:
        case Motion::PageDown: {
            const bool page = key->motion == Motion::PageUp || key->motion == Motion::PageDown;
            const bool up = key->motion == Motion::Up || key->motion == Motion::PageUp;
            const int lines = (page ? visibleLines() : 1) * (up ? -1 : 1);
            if (page) {
                verticalScrollBar()->setValue(verticalScrollBar()->value() + lines);
            }
            to = TextPosition{std::clamp(caret.line + lines, 0, last), m_goalColumn};
            vertical = true;
            break;
        }
        case Motion::LineStart:
            to = TextPosition{caret.line, 0};
            break;
        case Motion::LineEnd:
            to = TextPosition{caret.line, lineLength(caret.line)};
            break;
        case Motion::Top:
            to = TextPosition{};
            break;
        case Motion::End:
            to = TextPosition{last, lineLength(last)};
            break;
    }
    moveCaret(to, key->select);
    if (!vertical) {
        m_goalColumn = caretPosition().column;
    }
    return true;
}

void ReportTextView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    moveCaret(positionAt(event->position().toPoint()),
              event->modifiers().testFlag(Qt::ShiftModifier));
    m_goalColumn = caretPosition().column;
}

void ReportTextView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons().testFlag(Qt::LeftButton)) {
        moveCaret(positionAt(event->position().toPoint()), true);
        m_goalColumn = caretPosition().column;
    }
}

// A double click selects the word under the mouse.
void ReportTextView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const TextPosition at = positionAt(event->position().toPoint());
    const QString text = lineText(at.line);
    int start = at.column;
    int end = at.column;
    while (start > 0 && isWordCharacter(text.at(start - 1))) {
        --start;
    }
    while (end < text.size() && isWordCharacter(text.at(end))) {
        ++end;
    }
    moveCaret(TextPosition{at.line, start});
    moveCaret(TextPosition{at.line, end}, true);
    m_goalColumn = end;
}

void ReportTextView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copyAction = menu.addAction(tr("&Copy"), this, &ReportTextView::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(anchorPosition() != caretPosition());
    menu.addSeparator();
    QAction* all = menu.addAction(tr("Select All"), this, &ReportTextView::selectAll);
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(lineCount() > 0);
    menu.exec(event->globalPos());
}
