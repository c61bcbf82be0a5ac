#include "abendlog/abendtext.h"

namespace abendtext {

namespace {

// The characters from `from` on as a string of their own that shares the text's buffer (one
// more reference to it) instead of copying them: a log's lines cost no second copy of the log.
// A text without a buffer of its own (literal or raw data) and an empty line are copied.
QString sharedPart(const QString& text, qsizetype from, qsizetype length) {
    QString::DataPointer part = text.data_ptr();
    if (part.d_ptr() == nullptr || length == 0) {
        return text.mid(from, length);
    }
    part.setBegin(part.data() + from);
    part.size = length;
    return QString(std::move(part));
}

}  // namespace

QStringList splitLines(const QString& text) {
    // The lines codepage::splitLines() gives, as shared parts of the text, and the list
    // allocated once at its size.
    const qsizetype n = text.size();
    const QChar* p = text.constData();
    qsizetype breaks = 0;
    for (qsizetype i = 0; i < n; ++i) {
        breaks += (p[i] == u'\n') + (p[i] == u'\r' && (i + 1 == n || p[i + 1] != u'\n'));
    }
    QStringList lines;
    lines.reserve(breaks + 1);
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == u'\n' || p[i] == u'\r') {
            lines.append(sharedPart(text, start, i - start));
            if (p[i] == u'\r' && i + 1 < n && p[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < n) {
        lines.append(sharedPart(text, start, n - start));
    }
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
