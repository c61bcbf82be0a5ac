#pragma once

#include "clioptions.h"

// The command line's commands. Each returns the exit status: 0 done, 1 the operation ended
// with an error message or was refused, 2 bad usage. A command takes its own options out of
// the words it is given.
namespace commands {

// Prints the problem and a hint at the command's help to stderr; returns 2.
int usage(const QString& problem);
// Takes its own options (--os, --other-os, --file, --no-restart-prompt) out of the words.
int custom(CliOptions options);

// Takes its own options (--pdf FILE, --html FILE, --check) out of the words.
int analyze(CliOptions options);
int db(const CliOptions& options);
// Takes its own options (--include-differences, --csv) out of the words.
int compare(CliOptions options);
// Takes its own options (--csv, --html-dir DIR, --check, -j N) out of the words.
int fleet(CliOptions options);
// Takes its own options (--keep-recent, --report, --entry) out of the words.
int abend(CliOptions options);
// Takes its own options (--host, --port, --remote-file, --active, --sync) out of the words.
int download(CliOptions options);
// Takes its own options (those of "options set") out of the words.
int options(CliOptions options);

}  // namespace commands
