#include "clidialogs.h"
#include "commands.h"
#include "comparejson.h"
#include "csv.h"
#include "output.h"
#include "reportjson.h"

#include "engine/engine.h"
#include "text/jsonstream.h"
#include "ui/operationerror.h"

namespace commands {

namespace {

enum class Format { Text, Json, Csv };

// Opens the baseline, makes it the baseline as the user would, and compares the report.
QString runCompare(Engine& engine, const QString& baseline, const QString& report,
                   bool includeDifferences) {
    if (!engine.create()) {
        return QStringLiteral("Windows directory not found!");
    }
    engine.firstActivation();
    QString error = engine.openReport(baseline).error;
    if (!error.isNull()) {
        return error;
    }
    Comparison& comparison = engine.compare();
    comparison.RefreshBaselineControls();  // entering the Compare page
    comparison.ChooseBaseline();
    error = comparison.CompareServers([&report] { return report; }).error;
    if (error.isNull() && includeDifferences) {
        comparison.includeCheckBoxClicked(true);  // ticked on the Suggestions page
    }
    return error;
}

QString textLine(const QString& mark, const QString& left, int width, const QString& right) {
    return mark + left + QString(width - left.size() + 2, u' ') + right + u'\n';
}

void printText(Engine& engine, bool includeDifferences) {
    const CompareTable& table = engine.compare().page().ListView1;
    if (table.isEmpty()) {
        return;
    }
    qsizetype width = table.leftHeader.size();
    for (const CompareRow& row : table.rows) {
        width = std::max(width, row.caption.size());
    }
    output::print(textLine(QStringLiteral(" "), table.leftHeader, int(width), table.rightHeader));
    for (const CompareRow& row : table.rows) {
        output::print(textLine(row.marked ? QStringLiteral("*") : QStringLiteral(" "), row.caption,
                               int(width), row.subText));
    }
    if (includeDifferences) {
        output::print(QStringLiteral("\n"));
        for (const QString& line : engine.summary().clipboardLines()) {
            output::print(line + u'\n');
        }
    }
}

void printCsv(const CompareTable& table) {
    output::print(csv::record({"baseline", "compare", "marked"}));
    for (const CompareRow& row : table.rows) {
        output::print(csv::record({row.caption, row.subText,
                                   row.marked ? QStringLiteral("true") : QStringLiteral("false")}));
    }
}

void printJson(Engine& engine, const CliDialogs& dialogs, const QString& error) {
    const Comparison& comparison = engine.compare();
    const CompareTable& table = comparison.page().ListView1;
    JsonStream stream;  // the table is written as it is read, not held whole
    const QJsonObject root{
        {"headers", comparejson::headers(table)},
        {"table", comparejson::table(table)},
        {"Suggestions", reportjson::strings(engine.model().Suggestions)},
        {"views", comparejson::views(comparison)},
        {"messages", reportjson::messages(dialogs.messages())},
        {"error", error.isNull() ? QJsonValue() : QJsonValue(error)},
    };
    stream.write(root, stdout);
}

}  // namespace

int compare(CliOptions options) {
    const bool includeDifferences = options.takeFlag(QStringLiteral("include-differences"));
    const Format format = options.takeFlag(QStringLiteral("csv")) ? Format::Csv
                          : options.json                          ? Format::Json
                                                                  : Format::Text;
    if (!options.rejectUnknown()) {
        return usage(options.error);
    }
    if (options.args.size() != 3) {
        return usage(QStringLiteral("compare takes a baseline report and a report to compare"));
    }
    if (format == Format::Csv && options.json) {
        return usage(QStringLiteral("--json and --csv cannot be given together"));
    }
    CliDialogs dialogs;
    dialogs.setEcho(format != Format::Json);
    NullProgress progress;
    Engine engine(dialogs, progress);
    engine.loader().setKeepReportText(false);  // never shown here
    QString error;
    try {
        error = runCompare(engine, options.args.at(1), options.args.at(2), includeDifferences);
    } catch (const OperationError& e) {
        error = e.message();
        dialogs.error(error);
    }
    if (format == Format::Json) {
        printJson(engine, dialogs, error);
    } else if (format == Format::Csv) {
        printCsv(engine.compare().page().ListView1);
    } else {
        printText(engine, includeDifferences);
    }
    return error.isNull() ? 0 : 1;
}

}  // namespace commands
