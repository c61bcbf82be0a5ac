#include "text/jsonstream.h"

#include <QJsonDocument>
#include <QRandomGenerator>
#include <algorithm>

namespace {

JsonStream* currentStream = nullptr;

// Items of a list formatted in one go, and the bytes gathered before they are written: a long
// list takes no more memory than that while written.
constexpr qsizetype ChunkItems = 1024;
constexpr qsizetype FlushAt = qsizetype(1) << 19;

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

JsonStream::Frame JsonStream::frameAt(const QByteArray& indent) {
    const QByteArray inner = indent + "    ";
    return {indent, ",\n" + indent,
            "{\n" + inner + "\"colour\": ", ",\n" + inner + "\"text\": ", '\n' + indent + '}'};
}

JsonStream::JsonStream() : m_previous(currentStream) {
    const quint64 a = QRandomGenerator::global()->generate64();
    const quint64 b = QRandomGenerator::global()->generate64();
    m_token = "cartovex-json-stream-" + QByteArray::number(a, 16) + QByteArray::number(b, 16) + '-';
    currentStream = this;
}

JsonStream::~JsonStream() {
    currentStream = m_previous;
}

JsonStream* JsonStream::current() {
    return currentStream;
}

void JsonStream::appendString(QByteArray& out, QStringView text) {
    // Worst case six bytes a unit (\uXXXX); the unused end is cut off again.
    const qsizetype start = out.size();
    const qsizetype n = text.size();
    if (out.capacity() < start + n * 6 + 2) {
        out.reserve(std::max(out.capacity() * 2, start + n * 6 + 2));
    }
    out.resize(start + n * 6 + 2);
    char* end = JsonChunk::writeString(out.data() + start, text);
    out.truncate(end - out.constData());
}

QByteArray JsonStream::valueText(const QJsonValue& value) {
    QByteArray out;
    appendValue(out, value);
    return out;
}

QByteArrayView JsonStream::RowHeads::find(bool first, QByteArrayView colour) {
    for (const Head& head : m_heads) {
        if (head.first == first && head.colour == colour) {
            return head.text;
        }
    }
    if (m_heads.size() >= 8) {
        m_heads.removeFirst();  // colours that change all the time: keep a few
    }
    const QByteArray text = (first ? m_frame.first : m_frame.next) + m_frame.rowColour +
                            colour.toByteArray() + m_frame.rowText;
    m_heads.append(Head{first, colour.toByteArray(), text});
    return m_heads.last().text;
}

QJsonArray JsonStream::defer(qsizetype count, RangeWriter writeRange) {
    const QByteArray placeholder = m_token + QByteArray::number(m_deferred.size());
    m_deferred.append({count, std::move(writeRange)});
    return QJsonArray{QString::fromLatin1(placeholder)};
}

QJsonArray JsonStream::stringArray(const QStringList& lines) {
    return stringArray(lines.size(), [lines](qsizetype i) { return QStringView(lines.at(i)); });
}

QJsonArray JsonStream::rowArray(const QList<Row>& rows) {
    QList<QByteArray> colours;
    colours.reserve(rows.size());
    for (const Row& row : rows) {
        colours.append(valueText(row.colour));
    }
    return rowArray(
        rows.size(), [rows](qsizetype i) { return QStringView(rows.at(i).text); },
        [colours](qsizetype i) { return QByteArrayView(colours.at(i)); });
}

QJsonArray JsonStream::objectArray(qsizetype count,
                                   std::function<QJsonObject(qsizetype)> objectAt) {
    if (currentStream != nullptr && count > 0) {
        return currentStream->defer(
            count, [objectAt](qsizetype from, qsizetype to, const Frame& frame, JsonChunk& out) {
                QByteArray item;
                for (qsizetype i = from; i < to; ++i) {
                    item.resize(0);
                    if (i > 0) {
                        item += ",\n";
                    }
                    appendObject(item, objectAt(i), frame.first);
                    out.append(item);
                }
            });
    }
    QJsonArray out;
    for (qsizetype i = 0; i < count; ++i) {
        out.append(objectAt(i));
    }
    return out;
}

void JsonStream::write(const QJsonObject& root, std::FILE* out) {
    const QByteArray skeleton = QJsonDocument(root).toJson(QJsonDocument::Indented);
    const QByteArray quotedToken = '"' + m_token;
    JsonChunk buffer;
    bool failed = false;
    const auto flush = [&] {
        failed = failed || std::fwrite(buffer.data(), 1, std::size_t(buffer.size()), out) !=
                               std::size_t(buffer.size());
        buffer.clear();
    };
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
        buffer.append(QByteArrayView(skeleton).sliced(from, lineStart - from));
        if (ok && index >= 0 && index < m_deferred.size()) {
            const Deferred& list = m_deferred.at(index);
            const Frame frame = frameAt(skeleton.mid(lineStart, at - lineStart));
            // Once the output is broken nothing more is formatted.
            for (qsizetype k = 0; k < list.count && !failed; k += ChunkItems) {
                list.writeRange(k, std::min(list.count, k + ChunkItems), frame, buffer);
                if (buffer.size() >= FlushAt) {
                    flush();
                }
            }
        }
        from = close + 1;
    }
    buffer.append(QByteArrayView(skeleton).sliced(from));
    flush();
    std::fflush(out);
}
