#include "ui/recordingdialogs.h"

#include <QStringList>

Answer RecordingDialogs::show(MessageKind kind, const QString& text, MessageButtons buttons) {
    m_messages.append(Message{kind, text, buttons});
    shown(m_messages.last());
    if (buttons == MessageButtons::Ok) {
        return Answer::Ok;
    }
    if (!m_answers.empty()) {
        const Answer a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    if (buttons == MessageButtons::OkCancel) {
        return m_affirmative ? Answer::Ok : Answer::Cancel;
    }
    if (buttons == MessageButtons::YesCancel) {
        return m_affirmative ? Answer::Yes : Answer::Cancel;
    }
    return m_affirmative ? Answer::Yes : Answer::No;
}

QStringList RecordingDialogs::texts() const {
    QStringList out;
    for (const Message& m : m_messages) {
        out.append(m.text);
    }
    return out;
}
