#pragma once

#include <QString>

// The program's own identity: its version, read from the designed main window caption as the
// four characters after the "v" that precedes the number, and the database format it reads.
namespace programinfo {

extern const QString ApplicationTitle;   // "Cartovex"
extern const QString SupportedDbFormat;  // "1.0"
QString version();                       // "2.66"

}  // namespace programinfo
