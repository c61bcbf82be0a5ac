#include "ui/userdialogs.h"

QString messageKindName(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return QStringLiteral("information");
        case MessageKind::Warning:
            return QStringLiteral("warning");
        case MessageKind::Error:
            return QStringLiteral("error");
        case MessageKind::Confirmation:
            return QStringLiteral("confirmation");
    }
    return {};
}

bool UserDialogs::askYesNo(MessageKind kind, const QString& text) {
    return show(kind, text, MessageButtons::YesNo) == Answer::Yes;
}

Answer UserDialogs::askYesNoCancel(MessageKind kind, const QString& text) {
    return show(kind, text, MessageButtons::YesNoCancel);
}

bool UserDialogs::askYesCancel(MessageKind kind, const QString& text) {
    return show(kind, text, MessageButtons::YesCancel) == Answer::Yes;
}

bool UserDialogs::askOkCancel(MessageKind kind, const QString& text) {
    return show(kind, text, MessageButtons::OkCancel) == Answer::Ok;
}
