#pragma once

#include <QString>

// The four kinds of message box and their button sets. The engine asks every question and
// shows every message through this interface; the window answers with real message boxes,
// the command line prints and takes a default answer, tests script the answers.
enum class MessageKind { Information, Warning, Error, Confirmation };
enum class MessageButtons { Ok, YesNo, YesNoCancel, OkCancel, YesCancel };
enum class Answer { Ok, Cancel, Yes, No };

QString messageKindName(MessageKind kind);

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;

    // Shows text with the buttons and returns the one pressed. Texts carry "\r\n" as line
    // breaks, exactly as the engine wrote them.
    virtual Answer show(MessageKind kind, const QString& text, MessageButtons buttons) = 0;

    void inform(const QString& text) { show(MessageKind::Information, text, MessageButtons::Ok); }
    void warn(const QString& text) { show(MessageKind::Warning, text, MessageButtons::Ok); }
    void error(const QString& text) { show(MessageKind::Error, text, MessageButtons::Ok); }
    bool askYesNo(MessageKind kind, const QString& text);
    Answer askYesNoCancel(MessageKind kind, const QString& text);
    bool askOkCancel(MessageKind kind, const QString& text);
    bool askYesCancel(MessageKind kind, const QString& text);
};
