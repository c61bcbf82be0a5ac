#pragma once

#include "ui/userdialogs.h"

class QWidget;

// The window's message boxes: the four kinds with their button sets, "\r\n" as line breaks.
// While the program closes during a load, boxes are no longer shown and questions take their
// negative answer, so nothing pops up over a window that is going away.
class MessageBoxDialogs : public UserDialogs {
  public:
    explicit MessageBoxDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    Answer show(MessageKind kind, const QString& text, MessageButtons buttons) override;
    void setParent(QWidget* parent) { m_parent = parent; }
    void silence() { m_silent = true; }

  private:
    QWidget* m_parent;
    bool m_silent = false;
};
