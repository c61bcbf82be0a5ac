#pragma once

#include <QString>

// Comparisons that treat only the ASCII letters a-z and A-Z as equal without regard to case
// and compare every other character exactly (the rules of report labels, file names and INI
// keys), independent of the locale.
namespace caserules {

QChar asciiUpper(QChar c);
QString asciiUpper(const QString& text);
bool equalsIgnoreCase(const QString& a, const QString& b);
bool equalsIgnoreCase(QStringView a, QStringView b);
bool startsWithIgnoreCase(const QString& text, const QString& prefix);
bool containsIgnoreCase(const QString& text, const QString& part);
// Compares by character codes after upper-casing a-z; <0, 0, >0.
int compareIgnoreCase(const QString& a, const QString& b);
int compareIgnoreCase(QStringView a, QStringView b);

// Appends blanks until text is n characters long; longer text is returned unchanged.
QString padRight(const QString& text, int n);

}  // namespace caserules
