#include "ini/inifile.h"

#include "ini/directorylock.h"
#include "ini/inibatch.h"
#include "ini/inilines.h"
#include "text/caserules.h"
#include "text/codepage.h"
#include "text/numberconversion.h"
#include "ui/operationerror.h"

#include <utility>

namespace {

using RawLines = QList<IniLines::RawLine>;

const QByteArray kCrLf("\r\n");

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString trimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text[start])) {
        ++start;
    }
    while (end > start && isBlank(text[end - 1])) {
        --end;
    }
    return text.mid(start, end - start);
}

bool isBlankLine(const IniLines::RawLine& line) {
    return trimBlanks(codepage::decode(line.text)).isEmpty();
}

// One line seen by the keyed access: a section header with its name, an entry with its key and
// value, or anything else (comments, empty lines, text without "=").
struct ParsedLine {
    enum class Kind { Other, Header, Entry };
    Kind kind = Kind::Other;
    QString name;
    QString value;
};

ParsedLine parseLine(const IniLines::RawLine& line) {
    const QString text = codepage::decode(line.text);
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']', 1);
        return {ParsedLine::Kind::Header, trimBlanks(text.mid(1, close < 0 ? -1 : close - 1)), {}};
    }
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0) {
        return {};
    }
    return {ParsedLine::Kind::Entry, trimBlanks(text.left(equals)),
            trimBlanks(text.mid(equals + 1))};
}

// A section's lines: its header and everything up to the next header or the end of the file.
struct Span {
    qsizetype header = -1;
    qsizetype end = -1;
    bool found() const { return header >= 0; }
};

Span findSection(const RawLines& lines, const QString& section, qsizetype from = 0) {
    const QString wanted = trimBlanks(section);
    Span span;
    for (qsizetype i = from; i < lines.size(); ++i) {
        // Only headers matter here, and a header's first byte is "[": the other lines need
        // not be decoded at all.
        if (!lines[i].text.startsWith('[')) {
            continue;
        }
        if (span.found()) {
            span.end = i;
            return span;
        }
        if (caserules::equalsIgnoreCase(parseLine(lines[i]).name, wanted)) {
            span.header = i;
        }
    }
    if (span.found()) {
        span.end = lines.size();
    }
    return span;
}

// Index of the first entry of the span with that key, or -1; `entry` receives it.
qsizetype findKey(const RawLines& lines, const Span& span, const QString& key, ParsedLine& entry) {
    const QString wanted = trimBlanks(key);
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        entry = parseLine(lines[i]);
        if (entry.kind == ParsedLine::Kind::Entry &&
            caserules::equalsIgnoreCase(entry.name, wanted)) {
            return i;
        }
    }
    return -1;
}

IniLines::RawLine entryLine(const QString& key, const QString& value) {
    return {codepage::encode(key) + '=' + codepage::encode(value), kCrLf};
}

void terminate(IniLines::RawLine& line) {
    if (line.ending.isEmpty()) {
        line.ending = kCrLf;
    }
}

// Puts a new entry after the last non-blank line of the section, ahead of its closing empty line.
void insertEntry(RawLines& lines, const Span& span, IniLines::RawLine entry) {
    qsizetype last = span.end - 1;
    while (last > span.header && isBlankLine(lines[last])) {
        --last;
    }
    terminate(lines[last]);
    lines.insert(last + 1, std::move(entry));
}

void appendSection(RawLines& lines, const QString& section, IniLines::RawLine entry) {
    if (!lines.isEmpty()) {
        terminate(lines.last());
        if (!isBlankLine(lines.last())) {
            lines.append({QByteArray(), kCrLf});
        }
    }
    lines.append({'[' + codepage::encode(trimBlanks(section)) + ']', kCrLf});
    lines.append(std::move(entry));
}

RawLines linesForReading(const QString& path) {
    if (const RawLines* pending = IniBatch::pending(path)) {
        return *pending;
    }
    RawLines lines;
    IniLines::loadRaw(path, lines);
    return lines;
}

// A file that exists but cannot be read must not be replaced by one built from nothing.
RawLines linesForWriting(const QString& path) {
    if (const RawLines* pending = IniBatch::pending(path)) {
        return *pending;
    }
    RawLines lines;
    if (!IniLines::loadRaw(path, lines)) {
        throw OperationError(QStringLiteral("Unable to write to ") + path);
    }
    return lines;
}

// Writes the lines as the file, or hands them to the open batch.
void store(const QString& path, const RawLines& lines) {
    if (!IniBatch::store(path, lines)) {
        IniLines::saveRaw(path, lines);
    }
}

// The capped value of the first matching key, if the file has one.
bool findValue(const QString& path, const QString& section, const QString& key, QString& value) {
    const RawLines lines = linesForReading(path);
    const Span span = findSection(lines, section);
    ParsedLine entry;
    if (!span.found() || findKey(lines, span, key, entry) < 0) {
        return false;
    }
    value = entry.value.left(IniFile::kMaxValueLength);
    return true;
}

bool breaksLine(const QString& text) {
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0));
}

// The text as a message shows it: line breaks and NUL as visible escapes.
QString shown(QString text) {
    return u'"' +
           text.replace(u'\r', QLatin1String("\\r"))
               .replace(u'\n', QLatin1String("\\n"))
               .replace(QChar(0), QLatin1String("\\0")) +
           u'"';
}

// Applies one keyed write to the lines; false when they already hold that value, so the file
// stays as it is, time stamp included.
bool applyWrite(RawLines& lines, const QString& section, const QString& key, const QString& value) {
    IniFile::checkWritable(section, key, value);
    const Span span = findSection(lines, section);
    if (!span.found()) {
        appendSection(lines, section, entryLine(trimBlanks(key), value));
        return true;
    }
    ParsedLine entry;
    const qsizetype at = findKey(lines, span, key, entry);
    if (at < 0) {
        insertEntry(lines, span, entryLine(trimBlanks(key), value));
        return true;
    }
    IniLines::RawLine replaced = entryLine(entry.name, value);
    if (replaced.text == lines[at].text && !lines[at].ending.isEmpty()) {
        return false;
    }
    lines[at] = std::move(replaced);
    return true;
}

// Removes every section of that name; true when there was one.
bool eraseSpans(RawLines& lines, const QString& section) {
    bool erased = false;
    for (Span span = findSection(lines, section); span.found();
         span = findSection(lines, section, span.header)) {
        lines.remove(span.header, span.end - span.header);
        erased = true;
    }
    return erased;
}

}  // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

void IniFile::checkWritable(const QString& section, const QString& key, const QString& value) {
    const QString cannot = QStringLiteral(" cannot be stored: ");
    const QString breaks = QStringLiteral("it holds a line break or a NUL character.");
    if (breaksLine(section)) {
        throw OperationError(QStringLiteral("The section name ") + shown(section) + cannot +
                             breaks);
    }
    if (breaksLine(key)) {
        throw OperationError(QStringLiteral("The key ") + shown(key) + cannot + breaks);
    }
    if (key.contains(u'=')) {
        throw OperationError(QStringLiteral("The key ") + shown(key) + cannot +
                             QStringLiteral("a key may not hold \"=\"."));
    }
    if (trimBlanks(key).startsWith(u'[')) {
        throw OperationError(QStringLiteral("The key ") + shown(key) + cannot +
                             QStringLiteral("a key may not begin with \"[\"."));
    }
    if (breaksLine(value)) {
        throw OperationError(QStringLiteral("The value for ") + shown(key) + cannot + breaks);
    }
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& fallback) const {
    QString value;
    return findValue(m_path, section, key, value) ? value : fallback.left(kMaxValueLength);
}

int IniFile::readInteger(const QString& section, const QString& key, int fallback) const {
    QString value;
    return findValue(m_path, section, key, value) ? numconv::toIntOr(value, fallback) : fallback;
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

bool IniFile::sectionExists(const QString& section) const {
    return findSection(linesForReading(m_path), section).found();
}

QStringList IniFile::readSectionKeys(const QString& section) const {
    const RawLines lines = linesForReading(m_path);
    const Span span = findSection(lines, section);
    QStringList keys;
    for (qsizetype i = span.header + 1; span.found() && i < span.end; ++i) {
        const ParsedLine parsed = parseLine(lines[i]);
        if (parsed.kind == ParsedLine::Kind::Entry) {
            keys.append(parsed.name);
        }
    }
    return keys;
}

QList<IniFile::Entry> IniFile::readSectionEntries(const QString& section) const {
    const RawLines lines = linesForReading(m_path);
    const Span span = findSection(lines, section);
    QList<Entry> entries;
    for (qsizetype i = span.header + 1; span.found() && i < span.end; ++i) {
        const ParsedLine parsed = parseLine(lines[i]);
        if (parsed.kind == ParsedLine::Kind::Entry) {
            entries.append({parsed.name, parsed.value.left(kMaxValueLength)});
        }
    }
    return entries;
}

QString IniFile::valueIn(const QList<Entry>& entries, const QString& key, const QString& fallback) {
    const QString wanted = trimBlanks(key);
    for (const Entry& entry : entries) {
        if (caserules::equalsIgnoreCase(entry.key, wanted)) {
            return entry.value;
        }
    }
    return fallback.left(kMaxValueLength);
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    // A value the file already holds changes nothing: found without the lock (every write is
    // an atomic rename), so engines started side by side do not queue for it.
    RawLines lines = linesForWriting(m_path);
    if (!applyWrite(lines, section, key, value)) {
        return;
    }
    const DirectoryLock lock = DirectoryLock::forFile(m_path);
    lines = linesForWriting(m_path);
    if (applyWrite(lines, section, key, value)) {
        store(m_path, lines);
    }
}

void IniFile::writeStrings(const QString& section, const QList<Entry>& entries) {
    const DirectoryLock lock = DirectoryLock::forFile(m_path);
    RawLines lines = linesForWriting(m_path);
    bool changed = false;
    for (const Entry& entry : entries) {
        changed = applyWrite(lines, section, entry.key, entry.value) || changed;
    }
    if (changed) {
        store(m_path, lines);
    }
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::eraseSection(const QString& section) {
    const DirectoryLock lock = DirectoryLock::forFile(m_path);
    RawLines lines = linesForWriting(m_path);
    if (eraseSpans(lines, section)) {
        store(m_path, lines);
    }
}

void IniFile::replaceSection(const QString& section, const QList<Entry>& entries) {
    const DirectoryLock lock = DirectoryLock::forFile(m_path);
    RawLines lines = linesForWriting(m_path);
    bool changed = eraseSpans(lines, section);
    for (const Entry& entry : entries) {
        changed = applyWrite(lines, section, entry.key, entry.value) || changed;
    }
    if (changed) {
        store(m_path, lines);
    }
}
