#pragma once

#include <QString>

namespace output {

// Writes text to stdout as UTF-8.
void print(const QString& text);
// Writes text and a line break to stderr as UTF-8.
void printError(const QString& text);
// A message's text with its CR LF line breaks as plain "\n".
QString plain(QString text);

// Flushes stdout and checks that everything printed was written. When it was not (a full disk,
// a closed pipe, /dev/full), prints "error: cannot write the output: <reason>" to stderr and
// returns 1; otherwise returns the code.
int finish(int code);

// Ends the process with the exit code once the output is checked (see finish), without tearing down
// what the command built: freeing a large report's lines one by one takes a good share of the
// run, and the system takes the memory back at once. Sanitizer builds return the code instead,
// so the leak checker still sees everything freed.
int exitWithoutTeardown(int code);

}  // namespace output
