#include "helptexts.h"

namespace helptexts {

namespace {

// One command's help: its synopsis lines (each begins with "  " and the command's name) and
// its option lines (each "  --option ARG" and what it does).
struct CommandHelp {
    const char* name;
    const char* synopsis;
    const char* options;
};

const char* const Header =
    "usage: cartovex-cli [--home DIR] COMMAND ...\n"
    "       cartovex-cli --help | --version | COMMAND --help\n";

const CommandHelp Help[] = {
    {"analyze",
     "  analyze REPORT [--json] [--pdf FILE]  analyse a report; its summary report as text or "
     "PDF\n"
     "  analyze REPORT --html FILE         also write the report's page as one HTML file\n"
     "  analyze REPORT --check             exit 3 when the analysis has a suggestion\n",
     "  --json                 print the whole model and analysis as JSON\n"
     "  --pdf FILE             also write the printed summary report to FILE as a PDF\n"
     "  --html FILE            also write the report's page to FILE as one HTML file\n"
     "  --check                exit 3 when the analysis has at least one suggestion\n"},
    {"compare",
     "  compare BASELINE REPORT [--include-differences] [--json | --csv]  compare two servers\n",
     "  --include-differences  append the module differences to the suggestions\n"
     "  --json                 print the compare table and views as JSON\n"
     "  --csv                  print the compare table as CSV\n"},
    {"fleet",
     "  fleet REPORT... [--json | --csv]   one overview row per report\n"
     "  fleet REPORT... [-j N] [--html-dir DIR] [--check]  N at once; HTML dashboard; exit 3\n",
     "  --json                 print the rows as a JSON array\n"
     "  --csv                  print the rows as CSV\n"
     "  -j N, --jobs N         analyse N reports at once (default: the number of cores)\n"
     "  --html-dir DIR         also write a dashboard DIR/index.html and a page per server\n"
     "  --check                exit 1 when a report failed, else 3 when one has a suggestion\n"},
    {"abend",
     "  abend LOGFILE [--keep-recent] [--entry N] [--json]  list a log's abends, analyse one\n"
     "  abend --report REPORT [--entry N] [--json]          list a report's abends\n",
     "  --keep-recent          keep only the last 1,200 lines of a large log\n"
     "  --entry N              analyse the N-th abend (from 1)\n"
     "  --report REPORT        list the abend section of a report instead of a log\n"
     "  --json                 print the window's content as JSON\n"},
    {"db",
     "  db info                            show the database type information\n"
     "  db use controlled|uncontrolled     select the current database\n"
     "  db show                            print the current database\n"
     "  db import KITFILE [--yes]          add a patch kit's modules as a patch set\n"
     "  db core add KEY VERSION            add or change a core module version\n"
     "  db core remove KEY                 remove a core module key\n"
     "  db delete-set NAME [--yes]         delete a patch set\n"
     "  db manual-update FILE [--yes]      replace the controlled database with FILE\n",
     "  --yes                  answer the question of import, delete-set or manual-update Yes\n"},
    {"custom",
     "  custom list | show ROW | sync | status  the custom database entries [--json]\n"
     "  custom add NAME VERSION [--os V]... [--other-os V] [--file F] [--no-restart-prompt]\n"
     "  custom delete KEY... [--yes]       delete custom entries by key\n",
     "  --os V                 add the entry for OS version V (5.00, 4.11, 4.10, 3.12, 3.11)\n"
     "  --other-os V           add the entry for another OS version V\n"
     "  --file F               the update file that brings the module\n"
     "  --no-restart-prompt    do not say that an existing entry was updated\n"
     "  --yes                  answer the question of delete Yes\n"
     "  --json                 print the entries (or the shown fields) and messages as JSON\n"},
    {"download",
     "  download [--host H] [--port P] [--remote-file F] [--active] [--sync] [--json]\n"
     "  download [--security off|available|required]  TLS for this run only\n",
     "  --host H               store H as the remote host first\n"
     "  --port P               store P as the remote port first\n"
     "  --remote-file F        store F as the remote file first\n"
     "  --active               use active FTP mode instead of passive\n"
     "  --security off|available|required  FTP over TLS for this run (not stored)\n"
     "  --sync                 copy the custom entries into the new database\n"
     "  --yes                  answer the wizard's other questions Yes\n"
     "  --json                 print the session's outcome and messages as JSON\n"},
    {"options",
     "  options [--json]                   show the download settings (Options window)\n"
     "  options set [--remote-host H] [--remote-port P] [--user U] [--password W]\n"
     "  options set [--remote-file F] [--check-remote-file on|off] [--root-dir D]\n"
     "  options set [--frequency weekly|monthly|never] [--db-type controlled|uncontrolled]\n"
     "  options set [--security off|available|required] [--ca-file FILE]\n"
     "  options defaults                   store the default download settings\n",
     "  --remote-host H        the FTP server\n"
     "  --remote-port P        the FTP port\n"
     "  --user U               the log-in name\n"
     "  --password W           the log-in password\n"
     "  --remote-file F        the path of the database on the server\n"
     "  --check-remote-file on|off  warn when the remote file is not the default one\n"
     "  --root-dir D           the folder the report open dialog starts in\n"
     "  --frequency weekly|monthly|never  how often a download is due\n"
     "  --db-type controlled|uncontrolled  the current database\n"
     "  --security off|available|required  FTP over TLS: never, when offered, always\n"
     "  --ca-file FILE         an additional CA file to verify the FTP server with\n"
     "  --json                 print the settings as JSON\n"},
};

}  // namespace

QString programUsage() {
    QString text = QLatin1String(Header);
    for (const CommandHelp& help : Help) {
        text += QLatin1String(help.synopsis);
    }
    return text;
}

QString commandHelp(const QString& command) {
    for (const CommandHelp& help : Help) {
        if (command == QLatin1String(help.name)) {
            return QStringLiteral("usage: cartovex-cli [--home DIR] COMMAND ...\n") +
                   QLatin1String(help.synopsis) + QStringLiteral("options:\n") +
                   QLatin1String(help.options);
        }
    }
    return QString();
}

QStringList commands() {
    QStringList names;
    for (const CommandHelp& help : Help) {
        names.append(QLatin1String(help.name));
    }
    return names;
}

}  // namespace helptexts
