#include "text/codepage.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <limits>
#include <optional>

namespace codepage {

namespace {

// The code page maps every byte to one UTF-16 unit; the table is taken from the decoder itself.
// It is empty when the decoder does not (then the decoder is used for every text).
const std::array<char16_t, 256>* byteTable() {
    static const std::optional<std::array<char16_t, 256>> table =
        []() -> std::optional<std::array<char16_t, 256>> {
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b) {
            all[b] = char(b);
        }
        QStringDecoder decoder("windows-1252");
        const QString text = decoder.decode(all);
        if (text.size() != 256 || decoder.hasError()) {
            return std::nullopt;
        }
        std::array<char16_t, 256> out{};
        for (int b = 0; b < 256; ++b) {
            out[std::size_t(b)] = text.at(b).unicode();
        }
        return out;
    }();
    return table ? &*table : nullptr;
}

QString decodeRange(const std::array<char16_t, 256>& table, const char* from, qsizetype size) {
    QString text(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    // ASCII maps to itself: widen every byte in one simple pass, then mend the others.
    uchar high = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const uchar b = uchar(from[i]);
        out[i] = b;
        high |= b;
    }
    if (high & 0x80) {
        for (qsizetype i = 0; i < size; ++i) {
            out[i] = table[uchar(from[i])];
        }
    }
    return text;
}

// The number of lines splitLines() gives, so the list is allocated once at its size.
qsizetype lineCount(const QByteArray& bytes) {
    const uchar* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype breaks = 0;
    for (qsizetype i = 0; i < n; ++i) {
        // A CR counts unless an LF follows; an LF always counts.
        breaks += (data[i] == '\n') + (data[i] == '\r' && (i + 1 == n || data[i + 1] != '\n'));
    }
    return breaks + (n > 0 && data[n - 1] != '\n' && data[n - 1] != '\r');
}

// Writes the n characters that at(r) gives to out with every break (CR LF, LF or a lone CR)
// as one "\n" and no final break, noting where each line starts (and one past the end); out
// may be where the characters come from, as the writing never overtakes the reading. Returns
// the length written.
template <typename CharAt>
qsizetype joinLines(CharAt at, qsizetype n, char16_t* out, std::vector<qsizetype>& starts) {
    qsizetype w = 0;
    qsizetype lineStart = 0;
    for (qsizetype r = 0; r < n; ++r) {
        const char16_t c = at(r);
        if (c != u'\n' && c != u'\r') {
            out[w++] = c;
            continue;
        }
        starts.push_back(lineStart);
        if (c == u'\r' && r + 1 < n && at(r + 1) == u'\n') {
            ++r;
        }
        out[w++] = u'\n';
        lineStart = w;
    }
    if (lineStart < w) {
        starts.push_back(lineStart);  // a last line without a break
    } else if (w > 0) {
        --w;  // a final break does not start another line
    }
    starts.push_back(w + 1);
    return w;
}

}  // namespace

QString decode(const QByteArray& bytes) {
    if (const auto* table = byteTable()) {
        return decodeRange(*table, bytes.constData(), bytes.size());
    }
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

QStringList decodeLines(const QByteArray& bytes) {
    const auto* table = byteTable();
    if (table == nullptr) {
        return splitLines(decode(bytes));
    }
    QStringList lines;
    const char* data = bytes.constData();
    const qsizetype n = bytes.size();
    lines.reserve(lineCount(bytes));
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = data[i];
        if (c == '\n' || c == '\r') {
            lines.append(decodeRange(*table, data + start, i - start));
            if (c == '\r' && i + 1 < n && data[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < n) {
        lines.append(decodeRange(*table, data + start, n - start));
    }
    return lines;
}

QByteArray encode(const QString& text) {
    QStringEncoder encoder("windows-1252");
    return encoder.encode(text);
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < n) {
        lines.append(text.mid(start));
    }
    return lines;
}

QString decodeJoinedLines(const QByteArray& bytes, std::vector<qsizetype>& starts) {
    starts.clear();  // grows as it goes: counting the lines first would cost a pass of its own
    // With the byte table the bytes are decoded and their breaks joined in one pass; without
    // it the decoder's text is joined in place.
    if (const auto* table = byteTable()) {
        const uchar* from = reinterpret_cast<const uchar*>(bytes.constData());
        QString text(bytes.size(), Qt::Uninitialized);
        const qsizetype w = joinLines([&](qsizetype r) { return (*table)[from[r]]; }, bytes.size(),
                                      reinterpret_cast<char16_t*>(text.data()), starts);
        text.truncate(w);
        return text;
    }
    QString text = decode(bytes);
    char16_t* d = reinterpret_cast<char16_t*>(text.data());
    text.truncate(joinLines([d](qsizetype r) { return d[r]; }, text.size(), d, starts));
    return text;
}

bool readFile(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    // One read into a buffer of the file's size (readAll would grow its buffer as it goes).
    const qint64 size = file.size();
    if (size <= 0 || size >= qint64(std::numeric_limits<qsizetype>::max() / 4)) {
        bytes = file.readAll();
        return file.error() == QFileDevice::NoError;
    }
    bytes = QByteArray(qsizetype(size), Qt::Uninitialized);
    const qint64 got = file.read(bytes.data(), size);
    if (got < 0) {
        bytes.clear();
        return false;
    }
    bytes.truncate(qsizetype(got));
    if (!file.atEnd()) {
        bytes += file.readAll();  // the file grew while it was read
    }
    return file.error() == QFileDevice::NoError;
}

bool readLines(const QString& path, QStringList& lines) {
    QByteArray bytes;
    if (!readFile(path, bytes)) {
        return false;
    }
    lines = decodeLines(bytes);
    return true;
}

}  // namespace codepage
