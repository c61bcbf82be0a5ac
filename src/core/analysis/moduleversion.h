#pragma once

#include <QString>

// A module version such as "4.11" or "3.12j": a number read from the first four characters
// ("." as the decimal point) and an optional revision letter, the fifth character upper-cased.
// A version without a revision ranks below every revision. Reading the number of a text that
// is not one raises "'%s' is not a valid floating point value" with those four characters.
namespace moduleversion {

double number(const QString& version);
// The revision's character code, or -1 when there is none.
int revision(const QString& version);
// True when a is older than b: a smaller number, or the same number and a lower revision.
// a's number is read first, so when both are malformed the error names a.
bool isOlder(const QString& a, const QString& b);
// True when a is newer than b; a's number is read first.
bool isNewer(const QString& a, const QString& b);
bool startsWithDigit(const QString& text);

}  // namespace moduleversion
