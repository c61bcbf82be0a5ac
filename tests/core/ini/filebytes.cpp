#include "filebytes.h"

#include "ini/directorylock.h"

#include <QDir>
#include <QFile>

namespace filebytes {

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

QStringList entries(const QString& folder) {
    QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    names.removeOne(QLatin1String(DirectoryLock::kLockFileName));  // the folder's write lock
    return names;
}

}  // namespace filebytes
