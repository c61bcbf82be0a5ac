#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringView>

// The module name and version of an entry of the server's module list, in either entry form.
namespace loadedmodule {

// The first 12 characters, trimmed.
QString name(const QString& entry);
// The same as a view into the entry, which costs no copy.
QStringView nameView(const QString& entry);
QLatin1String nameView(QLatin1String entry);
// Compact entries: the 6 characters after " v"; long entries: the word after the first blank
// of the version line's start (columns 15 to 28).
QString version(const QString& entry, bool compact);
// A driver: the entry holds ".DSK", ".CDM", ".HAM" or ".LAN" (upper case) anywhere.
bool isDriver(QStringView entry);
bool isDriver(QLatin1String entry);

}  // namespace loadedmodule
