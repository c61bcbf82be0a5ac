#include "ini/inilines.h"

#include "ini/atomicfile.h"
#include "ini/directorylock.h"
#include "text/codepage.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The breaks a line keeps are these, shared rather than copied: a file of short lines then
// costs half the allocations, and a settings file is read again for nearly every key.
const QByteArray kCrLf("\r\n");
const QByteArray kLf("\n");
const QByteArray kCr("\r");

QList<IniLines::RawLine> splitRaw(const QByteArray& bytes) {
    QList<IniLines::RawLine> lines;
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\n' && c != '\r') {
            continue;
        }
        const qsizetype breakLength = (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ? 2 : 1;
        lines.append({bytes.mid(start, i - start), breakLength == 2 ? kCrLf
                                                   : c == '\n'      ? kLf
                                                                    : kCr});
        i += breakLength - 1;
        start = i + 1;
    }
    if (start < n) {
        lines.append({bytes.mid(start), QByteArray()});
    }
    return lines;
}

}  // namespace

bool IniLines::loadRaw(const QString& path, QList<RawLine>& lines) {
    lines.clear();
    if (!QFileInfo::exists(path)) {
        return true;
    }
    QByteArray bytes;
    if (!codepage::readFile(path, bytes)) {
        return false;
    }
    lines = splitRaw(bytes);
    return true;
}

void IniLines::saveRaw(const QString& path, const QList<RawLine>& lines) {
    QByteArray bytes;
    for (const RawLine& line : lines) {
        bytes += line.text;
        bytes += line.ending;
    }
    const DirectoryLock lock = DirectoryLock::forFile(path);
    atomicfile::write(path, bytes);
}

QStringList IniLines::load(const QString& path) {
    QList<RawLine> raw;
    loadRaw(path, raw);
    QStringList lines;
    lines.reserve(raw.size());
    for (const RawLine& line : raw) {
        lines.append(codepage::decode(line.text));
    }
    return lines;
}

void IniLines::save(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += codepage::encode(line);
        bytes += kCrLf;
    }
    const DirectoryLock lock = DirectoryLock::forFile(path);
    atomicfile::write(path, bytes);
}

bool IniLines::exists(const QString& path) {
    return QFileInfo(path).isFile();
}

bool IniLines::remove(const QString& path) {
    return exists(path) && QFile::remove(path);
}

bool IniLines::copyKeepingTime(const QString& from, const QString& to) {
    QByteArray bytes;
    if (!exists(from) || !codepage::readFile(from, bytes)) {
        return false;
    }
    const DirectoryLock lock = DirectoryLock::forFile(to);
    atomicfile::write(to, bytes, QFileInfo(from).lastModified());
    return true;
}
