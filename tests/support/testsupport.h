#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Helpers shared by the engine's tests.
namespace testsupport {

// Path of a fixture below tests/data.
QString dataPath(const QString& name);
// The lines of a text given with "\n" breaks.
QStringList lines(const QString& text);

// One run of the command line: its exit status and what it printed.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};
// Runs cartovex-cli with the arguments and CARTOVEX_HOME pointing at `home`, so that a run
// without --home can never reach the user's own files. A run that does not finish fails the
// test. A given outputFile receives standard output instead of `out`.
CliRun runCli(const QString& home, const QStringList& args, const QString& outputFile = {});

// The permission bits of a file or folder (0600, 0755...); -1 when it does not exist.
int fileMode(const QString& path);

}  // namespace testsupport
