#include "gui/windows/patchdb/guardedcommand.h"

#include "ui/operationerror.h"
#include "ui/userdialogs.h"

void runGuarded(UserDialogs& dialogs, const std::function<void()>& command) {
    try {
        command();
    } catch (const OperationError& error) {
        dialogs.error(error.message());
    }
}
