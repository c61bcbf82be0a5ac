#pragma once

#include <QString>

// The checks every custom entry passes before it is added: a module name, a version that is
// neither prefixed with "v"/"ver" nor a date, and at least one OS version (a numerical one
// when "Other" is ticked).
namespace customvalidation {

struct Input {
    QString moduleName;
    QString moduleVersion;
    bool anyBoxTicked = false;
    bool otherTicked = false;
    QString otherVersion;
};

// The problems found, one line (or two) each, every line ended by CR LF, in the order of the
// fields; empty when the input is valid.
QString problems(const Input& input);

// The error message shown for the problems.
QString errorMessage(const QString& problems);

}  // namespace customvalidation
