#pragma once

#include <QString>
#include <QStringList>

// The command line's words: the global options, and the command's words in order. A command
// takes its own options out of `args` (takeFlag, takeValues), then calls rejectUnknown so a
// word that looks like an option and was not taken is bad usage.
struct CliOptions {
    QStringList args;
    bool json = false;
    bool yes = false;
    QString home;
    QString error;  // set when the words are off

    static CliOptions parse(const QStringList& arguments);

    // Removes every "--name" from args; true when there was one.
    bool takeFlag(const QString& name);
    // Removes every "--name VALUE" and "--name=VALUE" from args and returns the values in
    // order. A "--name" without a value sets error.
    QStringList takeValues(const QString& name);
    // The last value of "--name", or a null string when it is not given.
    QString takeValue(const QString& name);
    // Sets error for the first word left in args that begins with "--"; false then.
    bool rejectUnknown();
};
