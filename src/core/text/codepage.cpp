#include "text/codepage.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <limits>
#include <optional>

namespace codepage {

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

void decodeInto(const char* bytes, qsizetype n, char16_t* out) {
    const auto* table = byteTable();
    if (table == nullptr) {
        const QString decoded = QStringDecoder("windows-1252").decode(QByteArrayView(bytes, n));
        for (qsizetype i = 0; i < n; ++i) {
            out[i] = i < decoded.size() ? decoded.at(i).unicode() : u'\ufffd';
        }
        return;
    }
    // ASCII maps to itself: widen every byte in one simple pass, then mend the others.
    uchar high = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const uchar b = uchar(bytes[i]);
        out[i] = b;
        high |= b;
    }
    if (high & 0x80) {
        for (qsizetype i = 0; i < n; ++i) {
            out[i] = (*table)[uchar(bytes[i])];
        }
    }
}

namespace {

QString decodeRange(const char* from, qsizetype size) {
    QString text(size, Qt::Uninitialized);
    decodeInto(from, size, reinterpret_cast<char16_t*>(text.data()));
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

}  // namespace

QString decode(const QByteArray& bytes) {
    if (byteTable() != nullptr) {
        return decodeRange(bytes.constData(), bytes.size());
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
            lines.append(decodeRange(data + start, i - start));
            if (c == '\r' && i + 1 < n && data[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < n) {
        lines.append(decodeRange(data + start, n - start));
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
