#include "abendjson.h"
#include "clidialogs.h"
#include "commands.h"
#include "output.h"
#include "reportjson.h"

#include "engine/engine.h"
#include "text/jsonstream.h"
#include "ui/operationerror.h"

#include <QFileInfo>

namespace commands {

namespace {

struct AbendRequest {
    QString logFile;  // null with --report
    QString report;   // null without --report
    bool keepRecent = false;
    int entry = 0;  // from 1; 0 when no entry is analysed
};

// The window's texts: the count and the entries, and with an analysed entry its modules and
// the analysis.
void printText(const AbendView& view, bool analysed) {
    output::print(view.countLabel + u'\n');
    for (const AbendEntry& e : view.entries) {
        output::print(e.DateTimeAndServer + QStringLiteral("  ") + e.AbendMessage +
                      QStringLiteral("  ") + e.RunningProcess + u'\n');
    }
    if (!analysed) {
        return;
    }
    output::print(view.modulesLabel + u'\n');
    for (const QString& line : view.ModulesLoaded.lines()) {
        output::print(line + u'\n');
    }
    output::print(view.analysisHeading + u'\n');
    for (const QString& line : view.AbendAnalysis) {
        output::print(line + u'\n');
    }
}

int finish(Engine& engine, CliDialogs& dialogs, const CliOptions& options,
           const AbendRequest& request, const QString& error) {
    const AbendView& view = engine.abendLog().view();
    if (options.json) {
        JsonStream stream;  // the entries are written as they are read, not held whole
        QJsonObject root = abendjson::view(view);
        root.insert("messages", reportjson::messages(dialogs.messages()));
        root.insert("error", error.isNull() ? QJsonValue() : QJsonValue(error));
        stream.write(root, stdout);
    } else if (error.isNull()) {
        printText(view, request.entry > 0);
    }
    return error.isNull() ? 0 : 1;
}

// Loads the log file, or the report through the pipeline and then its abend section as the
// window's activation does. Returns the error that ended it, null otherwise.
QString load(Engine& engine, CliDialogs& dialogs, const AbendRequest& request) {
    if (!engine.create()) {
        return QStringLiteral("Windows directory not found!");
    }
    engine.firstActivation();
    if (request.report.isNull()) {
        dialogs.setDefaultAnswer(request.keepRecent);
        return engine.abendLog().openLogFile(request.logFile);
    }
    if (!QFileInfo(request.report).isFile()) {
        const QString error =
            QStringLiteral("File '") + request.report.toUpper() + QStringLiteral("' not found!");
        dialogs.error(error);
        return error;
    }
    const QString error = engine.commandLineOpen({request.report}).error;
    if (error.isNull()) {
        engine.abendLog().activate();
    }
    return error;
}

// Takes the command's own words; returns false (error set in options) on bad usage.
bool parseRequest(CliOptions& options, AbendRequest& request) {
    request.keepRecent = options.takeFlag(QStringLiteral("keep-recent"));
    request.report = options.takeValue(QStringLiteral("report"));
    const QString entry = options.takeValue(QStringLiteral("entry"));
    if (!options.rejectUnknown()) {
        return false;
    }
    if (!entry.isNull()) {
        bool ok = false;
        request.entry = entry.toInt(&ok);
        if (!ok || request.entry < 1) {
            options.error = QStringLiteral("--entry needs an entry number from 1");
            return false;
        }
    }
    if (request.report.isNull() && options.args.size() == 2) {
        request.logFile = options.args.at(1);
        return true;
    }
    if (!request.report.isNull() && options.args.size() == 1) {
        return true;
    }
    options.error = QStringLiteral("abend takes one log file, or --report REPORT");
    return false;
}

}  // namespace

int abend(CliOptions options) {
    AbendRequest request;
    if (!parseRequest(options, request)) {
        return usage(options.error);
    }
    CliDialogs dialogs;
    dialogs.setEcho(!options.json);
    NullProgress progress;
    Engine engine(dialogs, progress);
    engine.loader().setKeepReportText(false);  // never shown here
    QString error;
    try {
        error = load(engine, dialogs, request);
        if (error.isNull() && request.entry > 0) {
            AbendLog& log = engine.abendLog();
            if (request.entry > log.view().entries.size()) {
                return usage(QStringLiteral("--entry ") + QString::number(request.entry) +
                             QStringLiteral(" is beyond the ") +
                             QString::number(log.view().entries.size()) +
                             QStringLiteral(" entries found"));
            }
            log.analyzeEntry(request.entry - 1);
        }
    } catch (const OperationError& e) {
        error = e.message();
        dialogs.error(error);
    }
    return finish(engine, dialogs, options, request, error);
}

}  // namespace commands
