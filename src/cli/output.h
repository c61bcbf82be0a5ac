#pragma once

#include <QString>

namespace output {

// Writes text to stdout as UTF-8.
void print(const QString& text);
// Writes text and a line break to stderr as UTF-8.
void printError(const QString& text);
// A message's text with its CR LF line breaks as plain "\n".
QString plain(QString text);

}  // namespace output
