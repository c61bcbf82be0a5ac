#pragma once

#include <functional>

class UserDialogs;

// Runs a command of the manager window; an error that ends it (a refused write) is shown as an
// error box, and what the command did up to that point stays.
void runGuarded(UserDialogs& dialogs, const std::function<void()>& command);
