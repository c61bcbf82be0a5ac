#pragma once

#include <QString>
#include <QStringList>

// The command line's help: the program's usage (one or more synopsis lines per command) and,
// for "COMMAND --help", the command's synopsis followed by one line per option.
namespace helptexts {

// The usage of the whole program, ending in a line break.
QString programUsage();
// The help of one command, ending in a line break; a null string for an unknown command.
QString commandHelp(const QString& command);
// The names of the commands, in the order of the usage.
QStringList commands();

}  // namespace helptexts
