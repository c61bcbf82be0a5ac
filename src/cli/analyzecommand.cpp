#include "analysisjson.h"
#include "clidialogs.h"
#include "commands.h"
#include "output.h"
#include "pdfexport.h"
#include "reportjson.h"
#include "summaryjson.h"

#include "engine/engine.h"
#include "reports/fleetrow.h"
#include "reports/htmlpage.h"
#include "text/jsonstream.h"
#include "ui/operationerror.h"

#include <QFileInfo>
#include <QJsonDocument>

namespace commands {

namespace {

// Prints the result: the JSON object, or the summary report's clipboard text.
int finish(Engine& engine, CliDialogs& dialogs, const CliOptions& options, const QString& error) {
    if (options.json) {
        JsonStream stream;  // the long lists are written as they are read, not held whole
        QJsonObject root = reportjson::model(engine.model());
        QJsonObject views = reportjson::views(engine.views());
        analysisjson::addViews(views, engine);
        root.insert("views", views);
        root.insert("analysis", analysisjson::analysis(engine));
        root.insert("database",
                    QJsonObject{{"path", engine.databases().currentPath()},
                                {"UncontrolledMode", engine.databases().UncontrolledMode()}});
        root.insert("SummaryReport", summaryjson::summaryReport(engine.summary()));
        root.insert("messages", reportjson::messages(dialogs.messages()));
        root.insert("error", error.isNull() ? QJsonValue() : QJsonValue(error));
        stream.write(root, stdout);
    } else {
        for (const QString& line : engine.summary().clipboardLines()) {
            output::print(line + u'\n');
        }
    }
    return error.isNull() ? 0 : 1;
}

// The printed summary report as a PDF, refused as the Print command refuses it.
QString writePdf(Engine& engine, CliDialogs& dialogs, const QString& path) {
    QString error;
    if (engine.views().ServNameEdit.isEmpty()) {
        error = QStringLiteral("No config file has been read!");
    } else {
        error = pdfexport::write(engine.summary().printedDocument(), path);
    }
    if (!error.isNull()) {
        dialogs.error(error);
    }
    return error;
}

}  // namespace

int analyze(CliOptions options) {
    const QString pdf = options.takeValue(QStringLiteral("pdf"));
    const QString html = options.takeValue(QStringLiteral("html"));
    const bool check = options.takeFlag(QStringLiteral("check"));
    if (!options.rejectUnknown()) {
        return usage(options.error);
    }
    if (options.args.size() != 2) {
        return usage(QStringLiteral("analyze takes one report file"));
    }
    if (!pdf.isNull() && !pdfexport::available()) {
        output::printError(QStringLiteral("error: ") + pdfexport::write({}, pdf));
        return 1;
    }
    CliDialogs dialogs;
    dialogs.setEcho(!options.json);
    NullProgress progress;
    Engine engine(dialogs, progress);
    engine.loader().setKeepReportText(false);  // never shown here
    QString error;
    try {
        const QString path = options.args.at(1);
        if (!engine.create()) {
            error = QStringLiteral("Windows directory not found!");
            return finish(engine, dialogs, options, error);
        }
        engine.firstActivation();
        if (!QFileInfo(path).isFile()) {
            error = QStringLiteral("File '") + path.toUpper() + QStringLiteral("' not found!");
            dialogs.error(error);
        } else {
            error = engine.commandLineOpen({path}).error;
        }
        if (error.isNull() && !pdf.isNull()) {
            error = writePdf(engine, dialogs, pdf);
        }
        if (error.isNull() && !html.isNull()) {
            error = htmlpage::save(engine, html);
            if (!error.isNull()) {
                dialogs.error(error);
            }
        }
    } catch (const OperationError& e) {
        error = e.message();
        dialogs.error(error);
    }
    int code = finish(engine, dialogs, options, error);
    // For monitoring: a loaded report whose analysis suggests something.
    if (code == 0 && check && hasFindings(engine.model().Suggestions)) {
        code = 3;
    }
    return output::exitWithoutTeardown(code);
}

}  // namespace commands
