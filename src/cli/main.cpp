#include "clioptions.h"
#include "commands.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

const char* const Usage =
    "usage: cartovex-cli [--home DIR] COMMAND ...\n"
    "  analyze REPORT [--json]   analyse a configuration report\n";

int usage(const QString& problem) {
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "error: %s\n", problem.toUtf8().constData());
    }
    std::fputs(Usage, stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const CliOptions options = CliOptions::parse(QCoreApplication::arguments());
    if (!options.error.isEmpty()) {
        return usage(options.error);
    }
    if (options.args.isEmpty()) {
        return usage(QStringLiteral("no command given"));
    }
    const QString command = options.args.first();
    if (command == QLatin1String("analyze")) {
        if (options.args.size() != 2) {
            return usage(QStringLiteral("analyze takes one report file"));
        }
        return commands::analyze(options);
    }
    return usage(QStringLiteral("unknown command ") + command);
}
