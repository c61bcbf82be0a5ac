#include "clidialogs.h"
#include "commands.h"
#include "csv.h"
#include "fleetprogress.h"
#include "fleetworkers.h"
#include "output.h"

#include "engine/engine.h"
#include "reports/htmldashboard.h"
#include "reports/htmlpage.h"
#include "ui/operationerror.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <memory>
#include <optional>

namespace commands {

namespace {

enum class Format { Text, Json, Csv };

struct FleetRequest {
    Format format = Format::Text;
    QString htmlDir;  // null without --html-dir
    bool check = false;
    int jobs = 1;
    QStringList files;
};

// Analyses one report in an engine of its own, freed on return, so a long run stays flat;
// with a dashboard folder it also writes the server's page there.
FleetRow analyse(const QString& file, int number, const QString& htmlDir) {
    FleetRow row;
    row.number = number;
    row.file = file;
    CliDialogs dialogs;
    dialogs.setEcho(false);
    NullProgress progress;
    const auto engine = std::make_unique<Engine>(dialogs, progress);
    engine->loader().setKeepReportText(false);  // never shown here
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
        if (row.error.isNull() && !htmlDir.isNull()) {
            const QString page = HtmlDashboard::pagePath(number, engine->model().ServerName);
            row.error = htmlpage::save(*engine, QDir(htmlDir).filePath(page));
            row.page = row.error.isNull() ? page : QString();
        }
    } catch (const OperationError& e) {
        row.error = e.message();
    }
    row.fill(*engine);
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

// A field of the text row on one line: each line break shows as " ⏎ ".
QString oneLine(const QString& text) {
    QString s = text;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    return s.replace(u'\n', QStringLiteral(" \u23ce "));
}

QString textLine(const FleetRow& r) {
    QString line = oneLine(r.file) + QStringLiteral(": ") + oneLine(r.serverName) + u' ' +
                   oneLine(r.osVersion) +
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
        line += QStringLiteral(", error: ") + oneLine(r.error);
    }
    return line + u'\n';
}

// Takes "-j N", "-jN", "--jobs N" and "--jobs=N"; 0 when none is given, -1 when one is wrong.
int takeJobs(CliOptions& options) {
    QStringList values = options.takeValues(QStringLiteral("jobs"));
    for (int k = 1; k < options.args.size();) {
        const QString& word = options.args.at(k);
        if (word == QLatin1String("-j") && k + 1 < options.args.size()) {
            values << options.args.at(k + 1);
            options.args.remove(k, 2);
        } else if (word.startsWith(QLatin1String("-j"))) {
            values << (word.size() > 2 ? word.mid(2) : QString());
            options.args.removeAt(k);
        } else {
            ++k;
        }
    }
    if (values.isEmpty()) {
        return 0;
    }
    bool ok = false;
    const int jobs = values.last().toInt(&ok);
    return ok && jobs >= 1 ? jobs : -1;
}

// Takes the command's own words; returns the usage error, or a null string.
QString parse(CliOptions& options, FleetRequest& request) {
    const bool csv = options.takeFlag(QStringLiteral("csv"));
    request.format = csv ? Format::Csv : options.json ? Format::Json : Format::Text;
    request.htmlDir = options.takeValue(QStringLiteral("html-dir"));
    request.check = options.takeFlag(QStringLiteral("check"));
    const int jobs = takeJobs(options);
    if (!options.rejectUnknown()) {
        return options.error;
    }
    if (jobs < 0) {
        return QStringLiteral("-j needs a number of jobs from 1");
    }
    request.jobs = jobs > 0 ? jobs : std::max(1, QThread::idealThreadCount());
    if (options.args.size() < 2) {
        return QStringLiteral("fleet takes one or more report files");
    }
    if (csv && options.json) {
        return QStringLiteral("--json and --csv cannot be given together");
    }
    if (request.htmlDir.isEmpty() && !request.htmlDir.isNull()) {
        return QStringLiteral("--html-dir needs a folder");
    }
    request.files = options.args.mid(1);
    return {};
}

}  // namespace

int fleet(CliOptions options) {
    FleetRequest request;
    const QString problem = parse(options, request);
    if (!problem.isNull()) {
        return usage(problem);
    }
    std::optional<HtmlDashboard> dashboard;
    if (!request.htmlDir.isNull()) {
        dashboard.emplace(request.htmlDir);
        const QString error = dashboard->begin();
        if (!error.isNull()) {
            output::printError(QStringLiteral("error: ") + error);
            return 1;
        }
    }
    const int count = int(request.files.size());
    if (request.format == Format::Csv) {
        output::print(csv::record(Columns));
    } else if (request.format == Format::Json) {
        output::print(QStringLiteral("[\n"));
    }
    bool failed = false;
    bool findings = false;
    FleetProgress progress(count);
    const auto deliver = [&](const FleetRow& row) {
        if (!row.error.isNull()) {
            failed = true;
            progress.clear();
            output::printError(QStringLiteral("error: ") + row.file + QStringLiteral(": ") +
                               output::plain(row.error));
        }
        findings = findings || row.hasFindings;
        progress.beforeRow();
        if (request.format == Format::Csv) {
            output::print(csv::record(fields(row)));
        } else if (request.format == Format::Json) {
            output::print(jsonLine(row) +
                          (row.number < count ? QStringLiteral(",\n") : QString(u'\n')));
        } else {
            output::print(textLine(row));
        }
        std::fflush(stdout);
        if (dashboard) {
            dashboard->add(row);
        }
        progress.step();
    };
    const auto crashed = [&](int index, const QString& error) {
        FleetRow row;
        row.number = index + 1;
        row.file = request.files.at(index);
        row.error = error;
        return row;
    };
    fleetworkers::run(
        request.jobs, count,
        [&](int index) { return analyse(request.files.at(index), index + 1, request.htmlDir); },
        crashed, deliver);
    progress.clear();
    if (request.format == Format::Json) {
        output::print(QStringLiteral("]\n"));
    }
    if (dashboard) {
        const QString error = dashboard->finish();
        if (!error.isNull()) {
            output::printError(QStringLiteral("error: ") + error);
            return 1;
        }
    }
    if (failed) {
        return 1;
    }
    return request.check && findings ? 3 : 0;
}

}  // namespace commands
