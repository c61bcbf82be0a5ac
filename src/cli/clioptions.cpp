#include "clioptions.h"

namespace {

bool isOption(const QString& word) {
    return word.startsWith(QLatin1String("--")) && word.size() > 2;
}

}  // namespace

CliOptions CliOptions::parse(const QStringList& arguments) {
    CliOptions o;
    o.args = arguments.mid(1);
    o.json = o.takeFlag(QStringLiteral("json"));
    o.yes = o.takeFlag(QStringLiteral("yes"));
    const QStringList homes = o.takeValues(QStringLiteral("home"));
    if (!o.error.isEmpty() || (!homes.isEmpty() && homes.last().isEmpty())) {
        o.error = QStringLiteral("--home needs a folder");
    } else if (!homes.isEmpty()) {
        o.home = homes.last();
    }
    return o;
}

bool CliOptions::takeFlag(const QString& name) {
    return args.removeAll(QStringLiteral("--") + name) > 0;
}

QStringList CliOptions::takeValues(const QString& name) {
    const QString option = QStringLiteral("--") + name;
    const QString prefix = option + u'=';
    QStringList values;
    for (int k = 0; k < args.size();) {
        const QString& word = args.at(k);
        if (word == option) {
            if (k + 1 >= args.size() || isOption(args.at(k + 1))) {
                error = option + QStringLiteral(" needs a value");
                args.removeAt(k);
                continue;
            }
            values.append(args.at(k + 1));
            args.remove(k, 2);
        } else if (word.startsWith(prefix)) {
            values.append(word.mid(prefix.size()));
            args.removeAt(k);
        } else {
            ++k;
        }
    }
    return values;
}

QString CliOptions::takeValue(const QString& name) {
    const QStringList values = takeValues(name);
    return values.isEmpty() ? QString() : values.last();
}

bool CliOptions::rejectUnknown() {
    if (!error.isEmpty()) {
        return false;
    }
    for (const QString& word : std::as_const(args)) {
        if (isOption(word)) {
            error = QStringLiteral("unknown option ") + word;
            return false;
        }
    }
    return true;
}
