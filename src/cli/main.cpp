#include "clioptions.h"
#include "commands.h"
#include "pdfexport.h"

#include "settings/datadirectory.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

const char* const Usage =
    "usage: cartovex-cli [--home DIR] COMMAND ...\n"
    "       cartovex-cli --help | --version | COMMAND --help\n"
    "  analyze REPORT [--json] [--pdf FILE]  analyse a report; its summary report as text or PDF\n"
    "  analyze REPORT --html FILE         also write the report's page as one HTML file\n"
    "  analyze REPORT --check             exit 3 when the analysis has a suggestion\n"
    "  compare BASELINE REPORT [--include-differences] [--json | --csv]  compare two servers\n"
    "  fleet REPORT... [--json | --csv]   one overview row per report\n"
    "  fleet REPORT... [-j N] [--html-dir DIR] [--check]  N at once; HTML dashboard; exit 3\n"
    "  abend LOGFILE [--keep-recent] [--entry N] [--json]  list a log's abends, analyse one\n"
    "  abend --report REPORT [--entry N] [--json]          list a report's abends\n"
    "  db info                            show the database type information\n"
    "  db use controlled|uncontrolled     select the current database\n"
    "  db show                            print the current database\n"
    "  db import KITFILE [--yes]          add a patch kit's modules as a patch set\n"
    "  db core add KEY VERSION            add or change a core module version\n"
    "  db core remove KEY                 remove a core module key\n"
    "  db delete-set NAME                 delete a patch set\n"
    "  db manual-update FILE [--yes]      replace the controlled database with FILE\n"
    "  custom list | show ROW | sync | status  the custom database entries [--json]\n"
    "  custom add NAME VERSION [--os V]... [--other-os V] [--file F] [--no-restart-prompt]\n"
    "  custom delete KEY... [--yes]       delete custom entries by key\n"
    "  download [--host H] [--port P] [--remote-file F] [--active] [--sync] [--json]\n"
    "  download [--security off|available|required]  TLS for this run only\n"
    "  options [--json]                   show the download settings (Options window)\n"
    "  options set [--remote-host H] [--remote-port P] [--user U] [--password W]\n"
    "  options set [--remote-file F] [--check-remote-file on|off] [--root-dir D]\n"
    "  options set [--frequency weekly|monthly|never] [--db-type controlled|uncontrolled]\n"
    "  options set [--security off|available|required] [--ca-file FILE]\n"
    "  options defaults                   store the default download settings\n";

// Prints the usage of the program, or the usage lines of one command, to stdout.
int help(const QString& command) {
    const QStringList lines = QString::fromLatin1(Usage).split(u'\n', Qt::SkipEmptyParts);
    QString text;
    if (command.isEmpty()) {
        text = lines.join(u'\n') + u'\n';
    } else {
        const QString prefix = QStringLiteral("  ") + command + u' ';
        for (const QString& line : lines) {
            if (line.startsWith(prefix)) {
                text += line + u'\n';
            }
        }
        if (text.isEmpty()) {
            return commands::usage(QStringLiteral("unknown command ") + command);
        }
        text = QStringLiteral("usage: cartovex-cli [--home DIR] COMMAND ...\n") + text;
    }
    std::fputs(text.toUtf8().constData(), stdout);
    return 0;
}

}  // namespace

int commands::usage(const QString& problem) {
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "error: %s\n", problem.toUtf8().constData());
    }
    std::fputs(Usage, stderr);
    return 2;
}

int main(int argc, char** argv) {
    using commands::usage;
    const std::unique_ptr<QCoreApplication> app = pdfexport::application(argc, argv);
    CliOptions options = CliOptions::parse(QCoreApplication::arguments());
    if (options.takeFlag(QStringLiteral("version"))) {
        std::puts("cartovex-cli " CARTOVEX_VERSION);
        return 0;
    }
    if (options.takeFlag(QStringLiteral("help"))) {
        return help(options.args.value(0));
    }
    if (!options.error.isEmpty()) {
        return usage(options.error);
    }
    if (options.args.isEmpty()) {
        return usage(QStringLiteral("no command given"));
    }
    if (!options.home.isEmpty()) {
        DataDirectory::setOverride(options.home);
    }
    const QString command = options.args.first();
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
