#pragma once

#include "clioptions.h"

// The command line's commands. Each returns the exit status: 0 done, 1 the operation ended
// with an error message.
namespace commands {

int analyze(const CliOptions& options);
int db(const CliOptions& options);

}  // namespace commands
