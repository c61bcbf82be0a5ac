#include "ini/atomicfile.h"

#include "ui/operationerror.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <csignal>

namespace {

const QFile::Permissions OwnerOnly(QFile::ReadOwner | QFile::WriteOwner);

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

// The files of the data directory may hold the password: a new one is the owner's alone, and an
// existing one keeps its mode unless everybody may read it.
QFile::Permissions modeFor(const QFileInfo& existing) {
    if (!existing.exists() || existing.permissions().testFlag(QFile::ReadOther)) {
        return OwnerOnly;
    }
    return existing.permissions();
}

}  // namespace

// An existing file that may not be written is refused, as it would be on the system whose rules
// these files follow, even though the folder would allow the rename.
void atomicfile::write(const QString& path, const QByteArray& bytes, const QDateTime& modified) {
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable())) {
        refuseWrite(path);
    }
    removeStaleTemporaries(path);
    const QString temporary = temporaryPath(path, QCoreApplication::applicationPid());
    QFile file(temporary);
    bool written =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate, OwnerOnly) &&
        file.setPermissions(OwnerOnly) && file.write(bytes) == bytes.size() && file.flush() &&
        ::fsync(file.handle()) == 0 && file.setPermissions(modeFor(info)) &&
        (!modified.isValid() || file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
    written = written && ::rename(QFile::encodeName(temporary).constData(),
                                  QFile::encodeName(path).constData()) == 0;
    if (!written) {
        QFile::remove(temporary);
        refuseWrite(path);
    }
}
