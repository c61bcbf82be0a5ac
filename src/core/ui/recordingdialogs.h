#pragma once

#include "ui/userdialogs.h"

#include <QList>
#include <deque>

// Records every message in order and answers questions from a queue, falling back to a
// default answer. Used by the tests and, through a subclass, by the command line, whose
// JSON lists every message an operation showed.
class RecordingDialogs : public UserDialogs {
  public:
    struct Message {
        MessageKind kind;
        QString text;
        MessageButtons buttons;
    };

    Answer show(MessageKind kind, const QString& text, MessageButtons buttons) override;

    void queueAnswer(Answer answer) { m_answers.push_back(answer); }
    // The answer to a question when the queue is empty: Yes/Ok when true, No/Cancel otherwise.
    void setDefaultAnswer(bool affirmative) { m_affirmative = affirmative; }

    const QList<Message>& messages() const { return m_messages; }
    QStringList texts() const;
    void clear() { m_messages.clear(); }

  protected:
    virtual void shown(const Message&) {}

  private:
    QList<Message> m_messages;
    std::deque<Answer> m_answers;
    bool m_affirmative = false;
};
