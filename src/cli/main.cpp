#include "clioptions.h"
#include "commands.h"
#include "helptexts.h"
#include "output.h"
#include "pdfexport.h"

#include "settings/datadirectory.h"
#include "text/memoryhints.h"

#include <QCoreApplication>
#include <csignal>

namespace {

// The command of this run, named in the hint of a usage error.
QString& currentCommand() {
    static QString command;
    return command;
}

// Prints the usage of the program, or the help of one command, to stdout.
int help(const QString& command) {
    if (command.isEmpty()) {
        output::print(helptexts::programUsage());
        return 0;
    }
    const QString text = helptexts::commandHelp(command);
    if (text.isNull()) {
        return commands::usage(QStringLiteral("unknown command ") + command);
    }
    output::print(text);
    return 0;
}

// Qt's notices are not the program's messages: standard error carries only the program's own.
// The one Qt prints when XDG_RUNTIME_DIR is not set (the PDF output starts a GUI application)
// is dropped; anything else goes on to Qt's own handler.
QtMessageHandler qtHandler = nullptr;

void filterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("QStandardPaths: "))) {
        return;
    }
    if (qtHandler != nullptr) {
        qtHandler(type, context, text);
    }
}

// The global flags --json and --yes belong to some commands only; the others refuse them.
QString misplacedFlag(const CliOptions& options) {
    const QString command = options.args.value(0);
    const QString sub = options.args.value(1);
    const bool db = command == QLatin1String("db");
    if (options.json && db) {
        return QStringLiteral("db takes no --json");
    }
    const bool takesYes =
        command == QLatin1String("download") ||
        (command == QLatin1String("custom") && sub == QLatin1String("delete")) ||
        (db && (sub == QLatin1String("import") || sub == QLatin1String("delete-set") ||
                sub == QLatin1String("manual-update")));
    if (options.yes && !takesYes) {
        return command +
               (sub.isEmpty() || !(db || command == QLatin1String("custom")) ? QString()
                                                                             : u' ' + sub) +
               QStringLiteral(" takes no --yes");
    }
    return QString();
}

int run(CliOptions& options) {
    using commands::usage;
    if (options.takeFlag(QStringLiteral("version"))) {
        output::print(QStringLiteral("cartovex-cli " CARTOVEX_VERSION "\n"));
        return 0;
    }
    const QString first = options.args.value(0);
    currentCommand() = helptexts::commands().contains(first) ? first : QString();
    if (options.takeFlag(QStringLiteral("help"))) {
        return help(options.args.value(0));
    }
    if (!options.error.isEmpty()) {
        return usage(options.error);
    }
    if (options.args.isEmpty()) {
        return usage(QStringLiteral("no command given"));
    }
    const QString command = options.args.first();
    if (currentCommand().isEmpty()) {
        return usage(QStringLiteral("unknown command ") + command);
    }
    const QString misplaced = misplacedFlag(options);
    if (!misplaced.isEmpty()) {
        return usage(misplaced);
    }
    if (!options.home.isEmpty()) {
        DataDirectory::setOverride(options.home);
    }
    if (command == QLatin1String("analyze")) {
        return commands::analyze(options);
    }
    if (command == QLatin1String("compare")) {
        return commands::compare(options);
    }
    if (command == QLatin1String("fleet")) {
        return commands::fleet(options);
    }
    if (command == QLatin1String("abend")) {
        return commands::abend(options);
    }
    if (command == QLatin1String("custom")) {
        return commands::custom(options);
    }
    if (command == QLatin1String("download")) {
        return commands::download(options);
    }
    if (command == QLatin1String("options")) {
        return commands::options(options);
    }
    if (command == QLatin1String("db")) {
        if (!options.rejectUnknown()) {
            return usage(options.error);
        }
        return commands::db(options);
    }
    return usage(QStringLiteral("unknown command ") + command);
}

}  // namespace

int commands::usage(const QString& problem) {
    const QString command = currentCommand();
    const QString hint = command.isEmpty() ? QStringLiteral("Try 'cartovex-cli --help'.")
                                           : QStringLiteral("Try 'cartovex-cli ") + command +
                                                 QStringLiteral(" --help'.");
    output::printError(QStringLiteral("error: ") + problem + u'\n' + hint);
    return 2;
}

int main(int argc, char** argv) {
    // A command runs one job and ends: the memory it frees is better kept for its own reuse.
    memoryhints::keepFreedMemory();
    // A write beyond the file size limit fails with its error (and is reported) instead of
    // ending the program with no word.
    std::signal(SIGXFSZ, SIG_IGN);
    qtHandler = qInstallMessageHandler(filterQtMessages);
    const std::unique_ptr<QCoreApplication> app = pdfexport::application(argc, argv);
    CliOptions options = CliOptions::parse(QCoreApplication::arguments());
    return output::finish(run(options));
}
