#include "text/jsonstream.h"

#include <QJsonDocument>
#include <QRandomGenerator>

namespace {

JsonStream* currentStream = nullptr;

constexpr qsizetype FlushAt = 1 << 16;

char hexDigit(unsigned v) {
    return char(v < 10 ? '0' + v : 'a' + v - 10);
}

void appendEscapedUnit(QByteArray& out, char16_t u) {
    out += "\\u";
    out += hexDigit((u >> 12) & 0xf);
    out += hexDigit((u >> 8) & 0xf);
    out += hexDigit((u >> 4) & 0xf);
    out += hexDigit(u & 0xf);
}

void appendAscii(QByteArray& out, char16_t u) {
    switch (u) {
        case u'"':
            out += "\\\"";
            return;
        case u'\\':
            out += "\\\\";
            return;
        case u'\b':
            out += "\\b";
            return;
        case u'\f':
            out += "\\f";
            return;
        case u'\n':
            out += "\\n";
            return;
        case u'\r':
            out += "\\r";
            return;
        case u'\t':
            out += "\\t";
            return;
        default:
            if (u < 0x20) {
                out += "\\u00";
                out += hexDigit(u >> 4);
                out += hexDigit(u & 0xf);
            } else {
                out += char(u);
            }
    }
}

void appendValue(QByteArray& out, const QJsonValue& value) {
    if (value.isString()) {
        JsonStream::appendString(out, value.toString());
    } else {
        // Numbers, booleans and null as Qt writes them: a one-item compact array's inside.
        const QByteArray item = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        out += item.mid(1, item.size() - 2);
    }
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
    out += '"';
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80) {
            appendAscii(out, u);
        } else if (u < 0x800) {
            out += char(0xc0 | (u >> 6));
            out += char(0x80 | (u & 0x3f));
        } else if (!QChar::isSurrogate(u)) {
            out += char(0xe0 | (u >> 12));
            out += char(0x80 | ((u >> 6) & 0x3f));
            out += char(0x80 | (u & 0x3f));
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            const char32_t c = QChar::surrogateToUcs4(u, text[i + 1].unicode());
            ++i;
            out += char(0xf0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3f));
            out += char(0x80 | ((c >> 6) & 0x3f));
            out += char(0x80 | (c & 0x3f));
        } else {
            appendEscapedUnit(out, u);  // a lone surrogate has no UTF-8 form
        }
    }
    out += '"';
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
    if (currentStream != nullptr && !rows.isEmpty()) {
        return currentStream->defer(rows.size(),
                                    [rows](qsizetype i, const QByteArray& indent, QByteArray& out) {
                                        const Row& row = rows.at(i);
                                        out += indent + "{\n" + indent + "    \"colour\": ";
                                        appendValue(out, row.colour);
                                        out += ",\n" + indent + "    \"text\": ";
                                        appendString(out, row.text);
                                        out += '\n' + indent + '}';
                                    });
    }
    QJsonArray out;
    for (const Row& row : rows) {
        out.append(QJsonObject{{"text", row.text}, {"colour", row.colour}});
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
            buffer.clear();
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
