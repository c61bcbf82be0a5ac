#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Raw file access for the INI tests, which compare files byte for byte.
namespace filebytes {

QByteArray read(const QString& path);
void write(const QString& path, const QByteArray& bytes);
// The names in a folder other than "." and "..", to spot leftover temporary files.
QStringList entries(const QString& folder);

}  // namespace filebytes
