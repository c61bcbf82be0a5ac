#pragma once

#include <QString>

// The one place where text from a report or a database becomes part of an HTML page. Each
// function escapes for one context; markup is never built from data any other way.
namespace htmlescape {

// Text between tags: "&", "<" and ">" become references, line breaks become LF, and characters
// an HTML document may not hold (control characters, noncharacters, lone surrogates) become
// U+FFFD.
QString text(const QString& data);
// A value inside a double-quoted attribute: as text(), and both quote marks escaped as well.
QString attribute(const QString& data);
// A file name made of letters, digits, "-" and "_" only (every other character becomes "_"),
// at most 60 characters of the name, so a server name can never leave its folder or form a
// markup character: "<number>-<name>.html".
QString pageFileName(int number, const QString& serverName);

}  // namespace htmlescape
