#include "abendlog/abendtext.h"

#include "text/codepage.h"

namespace abendtext {

QStringList splitLines(const QString& text) {
    QStringList lines = codepage::splitLines(text);
    if (text.isEmpty() || text.endsWith(u'\n') || text.endsWith(u'\r')) {
        lines.append(QString());
    }
    return lines;
}

qsizetype lineStart(const QString& text, qsizetype index) {
    const qsizetype n = text.size();
    qsizetype line = 0;
    for (qsizetype i = 0; i < n && line < index; ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
            ++i;
        }
        if (c == u'\n' || c == u'\r') {
            ++line;
            if (line == index) {
                return i + 1;
            }
        }
    }
    return index == 0 ? 0 : n;
}

}  // namespace abendtext
