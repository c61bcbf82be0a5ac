#include "clidialogs.h"
#include "commands.h"
#include "output.h"

#include "engine/engine.h"
#include "ui/operationerror.h"

namespace commands {

namespace {

int usageError(const QString& text) {
    output::printError(QStringLiteral("error: ") + text);
    return 2;
}

}  // namespace

int db(const CliOptions& options) {
    const QString sub = options.args.value(1);
    CliDialogs dialogs;
    NullProgress progress;
    Engine engine(dialogs, progress);
    try {
        engine.create();
        engine.firstActivation();
        if (sub == QLatin1String("info") && options.args.size() == 2) {
            QString text = engine.databases().databaseTypeInformation();
            output::print(text.replace(QLatin1String("\r\n"), QLatin1String("\n")) + u'\n');
            return 0;
        }
        if (sub == QLatin1String("use") && options.args.size() == 3) {
            const QString type = options.args.at(2);
            if (type == QLatin1String("controlled")) {
                engine.databases().SelectControlledDatabase();
            } else if (type == QLatin1String("uncontrolled")) {
                engine.databases().SelectUncontrolledDatabase();
            } else {
                return usageError(QStringLiteral("db use takes controlled or uncontrolled"));
            }
            output::print(engine.databases().typeLabel() + u'\n');
            return 0;
        }
    } catch (const OperationError& e) {
        dialogs.error(e.message());
        return 1;
    }
    return usageError(QStringLiteral("unknown db command"));
}

}  // namespace commands
