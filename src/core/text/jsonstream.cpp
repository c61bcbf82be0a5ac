#include "text/jsonstream.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdint>
#include <memory>

namespace {

JsonStream* currentStream = nullptr;

constexpr qsizetype FlushAt = 1 << 16;

char hexDigit(unsigned v) {
    return char(v < 10 ? '0' + v : 'a' + v - 10);
}

char* writeUnitEscape(char* p, char16_t u) {
    *p++ = '\\';
    *p++ = 'u';
    *p++ = hexDigit((u >> 12) & 0xf);
    *p++ = hexDigit((u >> 8) & 0xf);
    *p++ = hexDigit((u >> 4) & 0xf);
    *p++ = hexDigit(u & 0xf);
    return p;
}

// An ASCII character that JSON escapes: the quote, the backslash and the control characters.
char* writeAsciiEscape(char* p, char16_t u) {
    char short_ = 0;
    switch (u) {
        case u'"':
            short_ = '"';
            break;
        case u'\\':
            short_ = '\\';
            break;
        case u'\b':
            short_ = 'b';
            break;
        case u'\f':
            short_ = 'f';
            break;
        case u'\n':
            short_ = 'n';
            break;
        case u'\r':
            short_ = 'r';
            break;
        case u'\t':
            short_ = 't';
            break;
        default:
            return writeUnitEscape(p, u);
    }
    *p++ = '\\';
    *p++ = short_;
    return p;
}

void appendValue(QByteArray& out, const QJsonValue& value) {
    if (value.isString()) {
        JsonStream::appendString(out, value.toString());
    } else if (value.isNull()) {
        out += "null";
    } else {
        // Numbers, booleans and null as Qt writes them: a one-item compact array's inside.
        const QByteArray item = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        out += item.mid(1, item.size() - 2);
    }
}

// An object in an array at the indentation given, as QJsonDocument indents it (keys in order).
void appendObject(QByteArray& out, const QJsonObject& object, const QByteArray& indent) {
    const bool flat = std::all_of(object.begin(), object.end(), [](const QJsonValueConstRef& v) {
        return !v.isObject() && !v.isArray();
    });
    if (!flat || object.isEmpty()) {
        // Qt's own form, each line moved to the array's indentation.
        const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
        const QList<QByteArray> lines = text.trimmed().split('\n');
        for (qsizetype k = 0; k < lines.size(); ++k) {
            out += (k > 0 ? "\n" : "") + indent + lines.at(k);
        }
        return;
    }
    out += indent;
    out += "{\n";
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it != object.begin()) {
            out += ",\n";
        }
        out += indent;
        out += "    ";
        JsonStream::appendString(out, it.key());
        out += ": ";
        appendValue(out, it.value());
    }
    out += '\n';
    out += indent;
    out += '}';
}

}  // namespace

JsonStream::JsonStream() : m_previous(currentStream) {
    const quint64 a = QRandomGenerator::global()->generate64();
    const quint64 b = QRandomGenerator::global()->generate64();
    m_token = "cartovex-json-stream-" + QByteArray::number(a, 16) + QByteArray::number(b, 16) + '-';
    currentStream = this;
}

JsonStream::~JsonStream() {
    currentStream = m_previous;
}

void JsonStream::appendString(QByteArray& out, QStringView text) {
    // Worst case six bytes a unit (\uXXXX); the unused end is cut off again.
    const qsizetype start = out.size();
    const qsizetype n = text.size();
    if (out.capacity() < start + n * 6 + 2) {
        out.reserve(std::max(out.capacity() * 2, start + n * 6 + 2));
    }
    out.resize(start + n * 6 + 2);
    char* p = out.data() + start;
    *p++ = '"';
    const char16_t* src = text.utf16();
    // Most texts need neither escapes nor UTF-8: they are copied as they are tested, in one
    // branch-free loop the compiler turns into vector code; the rare other text is written
    // again from its start below.
    unsigned special = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const std::uint16_t u = src[i];
        p[i] = char(u);
        special |=
            unsigned(std::uint16_t(u - 0x20) >= 0x60) | unsigned(u == u'"') | unsigned(u == u'\\');
    }
    if (special == 0) {
        p += n;
        *p++ = '"';
        out.truncate(p - out.constData());
        return;
    }
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = src[i];
        if (u >= 0x20 && u < 0x80 && u != u'"' && u != u'\\') {
            *p++ = char(u);
        } else if (u < 0x80) {
            p = writeAsciiEscape(p, u);
        } else if (u < 0x800) {
            *p++ = char(0xc0 | (u >> 6));
            *p++ = char(0x80 | (u & 0x3f));
        } else if (!QChar::isSurrogate(u)) {
            *p++ = char(0xe0 | (u >> 12));
            *p++ = char(0x80 | ((u >> 6) & 0x3f));
            *p++ = char(0x80 | (u & 0x3f));
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(src[i + 1])) {
            const char32_t c = QChar::surrogateToUcs4(u, src[i + 1]);
            ++i;
            *p++ = char(0xf0 | (c >> 18));
            *p++ = char(0x80 | ((c >> 12) & 0x3f));
            *p++ = char(0x80 | ((c >> 6) & 0x3f));
            *p++ = char(0x80 | (c & 0x3f));
        } else {
            p = writeUnitEscape(p, u);  // a lone surrogate has no UTF-8 form
        }
    }
    *p++ = '"';
    out.truncate(p - out.constData());
}

QJsonArray JsonStream::defer(qsizetype count, ItemWriter writeItem) {
    const QByteArray placeholder = m_token + QByteArray::number(m_deferred.size());
    m_deferred.append({count, std::move(writeItem)});
    return QJsonArray{QString::fromLatin1(placeholder)};
}

QJsonArray JsonStream::stringArray(const QStringList& lines) {
    if (currentStream != nullptr && !lines.isEmpty()) {
        return currentStream->defer(
            lines.size(), [lines](qsizetype i, const QByteArray& indent, QByteArray& out) {
                out += indent;
                appendString(out, lines.at(i));
            });
    }
    QJsonArray out;
    for (const QString& line : lines) {
        out.append(line);
    }
    return out;
}

QJsonArray JsonStream::rowArray(const QList<Row>& rows) {
    return rowArray(rows.size(), [rows](qsizetype i) { return rows.at(i); });
}

QJsonArray JsonStream::rowArray(qsizetype count, std::function<Row(qsizetype)> rowAt) {
    if (currentStream != nullptr && count > 0) {
        struct Frame {
            QByteArray indent, open, middle, close;
        };
        auto frame = std::make_shared<Frame>();
        return currentStream->defer(
            count, [rowAt, frame](qsizetype i, const QByteArray& indent, QByteArray& out) {
                if (frame->open.isEmpty() || frame->indent != indent) {
                    *frame = {indent, indent + "{\n" + indent + "    \"colour\": ",
                              ",\n" + indent + "    \"text\": ", '\n' + indent + '}'};
                }
                const Row row = rowAt(i);
                out += frame->open;
                appendValue(out, row.colour);
                out += frame->middle;
                appendString(out, row.text);
                out += frame->close;
            });
    }
    QJsonArray out;
    for (qsizetype i = 0; i < count; ++i) {
        const Row row = rowAt(i);
        out.append(QJsonObject{{"text", row.text}, {"colour", row.colour}});
    }
    return out;
}

QJsonArray JsonStream::objectArray(qsizetype count,
                                   std::function<QJsonObject(qsizetype)> objectAt) {
    if (currentStream != nullptr && count > 0) {
        return currentStream->defer(
            count, [objectAt](qsizetype i, const QByteArray& indent, QByteArray& out) {
                appendObject(out, objectAt(i), indent);
            });
    }
    QJsonArray out;
    for (qsizetype i = 0; i < count; ++i) {
        out.append(objectAt(i));
    }
    return out;
}

void JsonStream::writeDeferred(const Deferred& list, const QByteArray& indent, QByteArray& buffer,
                               std::FILE* out) {
    for (qsizetype i = 0; i < list.count; ++i) {
        if (i > 0) {
            buffer += ",\n";
        }
        list.writeItem(i, indent, buffer);
        if (buffer.size() >= FlushAt) {
            std::fwrite(buffer.constData(), 1, std::size_t(buffer.size()), out);
            buffer.resize(0);  // keeps its memory for the next items
        }
    }
}

void JsonStream::write(const QJsonObject& root, std::FILE* out) {
    const QByteArray skeleton = QJsonDocument(root).toJson(QJsonDocument::Indented);
    const QByteArray quotedToken = '"' + m_token;
    QByteArray buffer;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = skeleton.indexOf(quotedToken, from);
        const qsizetype close = at < 0 ? -1 : skeleton.indexOf('"', at + quotedToken.size());
        if (close < 0) {
            break;
        }
        bool ok = false;
        const qsizetype index =
            skeleton.mid(at + quotedToken.size(), close - at - quotedToken.size()).toLongLong(&ok);
        const qsizetype lineStart = skeleton.lastIndexOf('\n', at) + 1;
        buffer += skeleton.mid(from, lineStart - from);
        if (ok && index >= 0 && index < m_deferred.size()) {
            writeDeferred(m_deferred.at(index), skeleton.mid(lineStart, at - lineStart), buffer,
                          out);
        }
        from = close + 1;
    }
    buffer += skeleton.mid(from);
    std::fwrite(buffer.constData(), 1, std::size_t(buffer.size()), out);
    std::fflush(out);
}
