#include "clioptions.h"

CliOptions CliOptions::parse(const QStringList& arguments) {
    CliOptions o;
    for (int k = 1; k < arguments.size(); ++k) {
        const QString& a = arguments.at(k);
        if (a == QLatin1String("--json")) {
            o.json = true;
        } else if (a == QLatin1String("--yes")) {
            o.yes = true;
        } else if (a == QLatin1String("--home")) {
            if (k + 1 >= arguments.size()) {
                o.error = QStringLiteral("--home needs a folder");
                return o;
            }
            o.home = arguments.at(++k);
        } else if (a.startsWith(QLatin1String("--home="))) {
            o.home = a.mid(7);
        } else if (a.startsWith(QLatin1String("--")) && a.size() > 2) {
            o.error = QStringLiteral("unknown option ") + a;
            return o;
        } else {
            o.args.append(a);
        }
    }
    return o;
}
