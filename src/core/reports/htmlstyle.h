#pragma once

#include "reports/htmlwriter.h"

#include <QString>

// What every HTML page shares: the document head with its policy, and the style sheet (screen
// and print) whose colour classes are the window's colours.
namespace htmlstyle {

// The CSS class of a complete set's colour index (0 to 7), and of the module view's colours.
QString setClass(int index);
extern const QString DriverClass;
extern const QString OutOfDateClass;

// Writes "<!DOCTYPE html>" through "<body>". The Content-Security-Policy allows no source at
// all except the page's own style sheet and, when `script` is given, that one inline script
// (both named by their SHA-256 hash), so nothing is ever fetched and no other script runs.
void writeHead(HtmlWriter& out, const QString& title, QStringView script = {});
// The policy writeHead puts in the page.
QString contentSecurityPolicy(QStringView script);

}  // namespace htmlstyle
