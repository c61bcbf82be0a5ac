#include "analysisjson.h"
#include "clidialogs.h"
#include "commands.h"
#include "output.h"
#include "reportjson.h"

#include "engine/engine.h"
#include "ui/operationerror.h"

#include <QFileInfo>
#include <QJsonDocument>

namespace commands {

namespace {

// Prints the result: the JSON object, or the suggestion list.
int finish(Engine& engine, CliDialogs& dialogs, const CliOptions& options, const QString& error) {
    if (options.json) {
        QJsonObject root = reportjson::model(engine.model());
        QJsonObject views = reportjson::views(engine.views());
        analysisjson::addViews(views, engine);
        root.insert("views", views);
        root.insert("analysis", analysisjson::analysis(engine));
        root.insert("database",
                    QJsonObject{{"path", engine.databases().currentPath()},
                                {"UncontrolledMode", engine.databases().UncontrolledMode()}});
        root.insert("messages", reportjson::messages(dialogs.messages()));
        root.insert("error", error.isNull() ? QJsonValue() : QJsonValue(error));
        output::print(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
    } else {
        for (const QString& line : std::as_const(engine.model().Suggestions)) {
            output::print(line + u'\n');
        }
    }
    return error.isNull() ? 0 : 1;
}

}  // namespace

int analyze(const CliOptions& options) {
    CliDialogs dialogs;
    dialogs.setEcho(!options.json);
    NullProgress progress;
    Engine engine(dialogs, progress);
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
    } catch (const OperationError& e) {
        error = e.message();
        dialogs.error(error);
    }

    return finish(engine, dialogs, options, error);
}

}  // namespace commands
