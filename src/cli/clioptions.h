#pragma once

#include <QString>
#include <QStringList>

// The command line's words: the positional arguments and the global options.
struct CliOptions {
    QStringList args;
    bool json = false;
    bool yes = false;
    QString home;
    QString error;  // set when the words are off

    static CliOptions parse(const QStringList& arguments);
};
