#include "ini/inilines.h"

#include "text/codepage.h"
#include "ui/operationerror.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {

const QByteArray kCrLf("\r\n");

[[noreturn]] void refuseWrite(const QString& path) {
    throw OperationError(QStringLiteral("Unable to write to ") + path);
}

// The temporary file of a write: "<name>.<process id>.tmp" beside the target.
QString temporaryPath(const QString& path, qint64 pid) {
    return path + u'.' + QString::number(pid) + QStringLiteral(".tmp");
}

// A write that was killed leaves its temporary file behind; the next write in the same folder
// removes every such file once the process that made it is gone.
void removeStaleTemporaries(const QString& path) {
    QDir folder = QFileInfo(path).absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (!name.endsWith(QLatin1String(".tmp"))) {
            continue;
        }
        const qsizetype dot = name.lastIndexOf(u'.', name.size() - 5);
        bool ok = false;
        const qint64 pid = dot < 1 ? 0 : name.mid(dot + 1, name.size() - dot - 5).toLongLong(&ok);
        const bool gone = ok && pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
        if (gone || (ok && pid == QCoreApplication::applicationPid())) {
            folder.remove(name);
        }
    }
}

// Writes through a temporary file beside the target that is renamed over it only when every
// byte has been written and synced, so a crash or a full disk never leaves half a file. An
// existing file that may not be written is refused, as it would be on the system whose rules
// these files follow, even though the folder would allow the rename.
void writeAtomically(const QString& path, const QByteArray& bytes,
                     const QDateTime& modified = QDateTime()) {
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable())) {
        refuseWrite(path);
    }
    removeStaleTemporaries(path);
    const QString temporary = temporaryPath(path, QCoreApplication::applicationPid());
    QFile file(temporary);
    bool written =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0 &&
        (!info.exists() || file.setPermissions(info.permissions())) &&
        (!modified.isValid() || file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
    written = written && ::rename(QFile::encodeName(temporary).constData(),
                                  QFile::encodeName(path).constData()) == 0;
    if (!written) {
        QFile::remove(temporary);
        refuseWrite(path);
    }
}

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
        lines.append({bytes.mid(start, i - start), bytes.mid(i, breakLength)});
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
    writeAtomically(path, bytes);
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
    writeAtomically(path, bytes);
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
    writeAtomically(to, bytes, QFileInfo(from).lastModified());
    return true;
}
