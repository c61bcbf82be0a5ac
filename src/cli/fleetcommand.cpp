#include "clidialogs.h"
#include "commands.h"
#include "csv.h"
#include "output.h"

#include "engine/engine.h"
#include "ui/operationerror.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

namespace commands {

namespace {

enum class Format { Text, Json, Csv };

// One report's row of the overview.
struct FleetRow {
    QString file;
    QString serverName;
    QString osVersion;
    int patches = 0;
    int otherModules = 0;
    int completeSets = 0;
    int partialMatches = 0;
    int outOfDateModules = 0;
    int suggestions = 0;
    QString error;
};

int bulletCount(const QStringList& suggestions) {
    int n = 0;
    for (const QString& line : suggestions) {
        n += line.startsWith(ServerModel::Bullet) ? 1 : 0;
    }
    return n;
}

// Analyses one report in an engine of its own, freed on return, so a long run stays flat.
FleetRow analyse(const QString& file) {
    FleetRow row;
    row.file = file;
    CliDialogs dialogs;
    dialogs.setEcho(false);
    NullProgress progress;
    const auto engine = std::make_unique<Engine>(dialogs, progress);
    try {
        if (!engine->create()) {
            row.error = QStringLiteral("Windows directory not found!");
            return row;
        }
        engine->firstActivation();
        if (!QFileInfo(file).isFile()) {
            row.error = QStringLiteral("File '") + file.toUpper() + QStringLiteral("' not found!");
        } else {
            row.error = engine->commandLineOpen({file}).error;
        }
    } catch (const OperationError& e) {
        row.error = e.message();
    }
    const ServerModel& m = engine->model();
    const AnalysisState& a = engine->analysis();
    row.serverName = m.ServerName.trimmed();
    row.osVersion = m.OSVersion;
    row.patches = m.PatchEntries.size();
    row.otherModules = m.OtherModules.size();
    row.completeSets = int(a.CompleteSets.size());
    row.partialMatches = int(a.PartialMatches.size());
    row.outOfDateModules = int(a.OutOfDateModules.size());
    row.suggestions = bulletCount(m.Suggestions);
    return row;
}

QStringList fields(const FleetRow& r) {
    return {r.file,
            r.serverName,
            r.osVersion,
            QString::number(r.patches),
            QString::number(r.otherModules),
            QString::number(r.completeSets),
            QString::number(r.partialMatches),
            QString::number(r.outOfDateModules),
            QString::number(r.suggestions),
            r.error};
}

const QStringList Columns = {"file",         "ServerName",   "OSVersion",      "patches",
                             "otherModules", "completeSets", "partialMatches", "outOfDateModules",
                             "suggestions",  "error"};

QString jsonLine(const FleetRow& r) {
    QJsonObject object;
    const QStringList values = fields(r);
    for (int k = 0; k < int(Columns.size()); ++k) {
        const QString& key = Columns.at(k);
        if (k >= 3 && k <= 8) {
            object.insert(key, values.at(k).toInt());
        } else if (key == QLatin1String("error") && r.error.isNull()) {
            object.insert(key, QJsonValue());
        } else {
            object.insert(key, values.at(k));
        }
    }
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString textLine(const FleetRow& r) {
    QString line = r.file + QStringLiteral(": ") + r.serverName + u' ' + r.osVersion +
                   QStringLiteral(
                       ", %1 patches, %2 other modules, %3 complete sets, "
                       "%4 partial matches, %5 out-of-date core modules, "
                       "%6 suggestions")
                       .arg(r.patches)
                       .arg(r.otherModules)
                       .arg(r.completeSets)
                       .arg(r.partialMatches)
                       .arg(r.outOfDateModules)
                       .arg(r.suggestions);
    if (!r.error.isNull()) {
        line += QStringLiteral(", error: ") + output::plain(r.error);
    }
    return line + u'\n';
}

}  // namespace

int fleet(CliOptions options) {
    const Format format = options.takeFlag(QStringLiteral("csv")) ? Format::Csv
                          : options.json                          ? Format::Json
                                                                  : Format::Text;
    if (!options.rejectUnknown()) {
        return usage(options.error);
    }
    if (options.args.size() < 2) {
        return usage(QStringLiteral("fleet takes one or more report files"));
    }
    if (format == Format::Csv && options.json) {
        return usage(QStringLiteral("--json and --csv cannot be given together"));
    }
    if (format == Format::Csv) {
        output::print(csv::record(Columns));
    } else if (format == Format::Json) {
        output::print(QStringLiteral("[\n"));
    }
    bool failed = false;
    for (qsizetype k = 1; k < options.args.size(); ++k) {
        const FleetRow row = analyse(options.args.at(k));
        if (!row.error.isNull()) {
            failed = true;
            output::printError(QStringLiteral("error: ") + row.file + QStringLiteral(": ") +
                               output::plain(row.error));
        }
        if (format == Format::Csv) {
            output::print(csv::record(fields(row)));
        } else if (format == Format::Json) {
            output::print(jsonLine(row) +
                          (k + 1 < options.args.size() ? QStringLiteral(",\n") : QString(u'\n')));
        } else {
            output::print(textLine(row));
        }
        std::fflush(stdout);
    }
    if (format == Format::Json) {
        output::print(QStringLiteral("]\n"));
    }
    return failed ? 1 : 0;
}

}  // namespace commands
