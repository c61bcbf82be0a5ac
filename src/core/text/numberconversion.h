#pragma once

#include <QString>

// Number conversion with "." as the decimal point, independent of the locale. A text that is
// not a number raises OperationError with the exact conversion message.
namespace numconv {

// Decimal integer; leading blanks and a sign are allowed, nothing may follow the digits.
// Throws "'%s' is not a valid integer value".
int toInt(const QString& text);

// Decimal number with optional fraction and exponent; blanks around it are allowed.
// Throws "'%s' is not a valid floating point value".
double toDouble(const QString& text);

// Lenient integer read of a settings value: a "0x"/"0X" prefix is hexadecimal, anything that
// is not a number yields the default.
int toIntOr(const QString& text, int fallback);

}  // namespace numconv
