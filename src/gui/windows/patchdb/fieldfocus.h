#pragma once

#include <QFocusEvent>

// True when focus moved between the controls of the window (a click, Tab, a command), not when
// the window lost or regained activation or a pop-up opened: only such a move enters or leaves
// a field, so coming back from a message box or another program never empties a field.
inline bool entersOrLeavesField(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}
