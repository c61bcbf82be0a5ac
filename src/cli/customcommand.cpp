#include "clidialogs.h"
#include "commands.h"
#include "output.h"
#include "reportjson.h"

#include "engine/engine.h"
#include "patchdb/customentriestexts.h"
#include "patchdb/customentrylines.h"
#include "settings/datadirectory.h"
#include "text/caserules.h"
#include "ui/operationerror.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace commands {

namespace {

using Page = CustomEntriesPage;

// What a custom command asked for, taken out of its words.
struct CustomRequest {
    QString sub;
    QStringList words;  // the words after the subcommand
    QStringList osVersions;
    QStringList otherVersions;
    QString fileSet;
    bool noRestartPrompt = false;
    bool json = false;
    bool yes = false;
};

void printJson(const QJsonObject& object) {
    output::print(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)));
}

QJsonObject listObject(Page& page, const CliDialogs& dialogs) {
    return {{"entries", reportjson::strings(page.lstCustomDBEntries())},
            {"label", page.lblCustomDBEntries()},
            {"messages", reportjson::messages(dialogs.messages())}};
}

void printList(Page& page) {
    output::print(page.lblCustomDBEntries() + u'\n');
    for (const QString& row : page.lstCustomDBEntries()) {
        output::print(row + u'\n');
    }
}

bool anError(const CliDialogs& dialogs) {
    return std::any_of(dialogs.messages().begin(), dialogs.messages().end(),
                       [](const auto& m) { return m.kind == MessageKind::Error; });
}

int add(Page& page, const CustomRequest& request) {
    page.activate();
    page.edtModuleName = request.words.at(0);
    page.enterNameField();
    page.edtModuleVer = request.words.at(1);
    for (const QString& os : request.osVersions) {
        page.osBoxes[customtexts::OsBoxCaptions.indexOf(os)] = true;
    }
    if (!request.otherVersions.isEmpty()) {
        page.setOtherChecked(true);
        page.edtOtherVer = request.otherVersions.last();
    }
    page.cbxCustomFileSet = request.fileSet;
    page.leaveFileSetBox();
    page.chkPromptToRestartOnUpdate = !request.noRestartPrompt;
    page.addModule();
    return 0;
}

QJsonObject shownFields(const Page& page) {
    QJsonObject boxes;
    for (int box = Page::Box500; box < Page::OsBoxCount; ++box) {
        boxes.insert(customtexts::OsBoxCaptions.at(box), page.osBoxes[box]);
    }
    return {{"edtModuleName", page.edtModuleName},
            {"edtModuleVer", page.edtModuleVer},
            {"boxes", boxes},
            {"edtOtherVer", page.edtOtherVer},
            {"cbxCustomFileSet", page.cbxCustomFileSet}};
}

void printFields(const Page& page) {
    QStringList ticked;
    for (int box = Page::Box500; box < Page::OsBoxCount; ++box) {
        if (page.osBoxes[box]) {
            ticked.append(customtexts::OsBoxCaptions.at(box));
        }
    }
    output::print(customtexts::ModuleNameLabel + u' ' + page.edtModuleName + u'\n' +
                  customtexts::ModuleVersionLabel + u' ' + page.edtModuleVer + u'\n' +
                  customtexts::OsGroupCaption + QStringLiteral(": ") +
                  ticked.join(QStringLiteral(", ")) + u'\n' + customtexts::OtherVersionLabel +
                  u' ' + page.edtOtherVer + u'\n' + customtexts::FileSetLabel + u' ' +
                  page.cbxCustomFileSet + u'\n');
}

int show(Page& page, const CustomRequest& request) {
    bool ok = false;
    const int row = request.words.at(0).toInt(&ok);
    page.activate();
    if (!ok || row < 1 || row > page.lstCustomDBEntries().size()) {
        output::printError(QStringLiteral("error: no custom entry in row ") + request.words.at(0));
        return 1;
    }
    page.clickRow(row - 1);
    if (request.json) {
        printJson(shownFields(page));
    } else {
        printFields(page);
    }
    return 0;
}

int remove(Page& page, CliDialogs& dialogs, const CustomRequest& request) {
    page.activate();
    page.setSelectionMode(Page::SelectionMode::MultiSelectToDelete);
    QList<int> rows;
    for (const QString& key : request.words) {
        const QStringList& entries = page.lstCustomDBEntries();
        const qsizetype before = rows.size();
        for (int row = 0; row < entries.size(); ++row) {
            if (caserules::equalsIgnoreCase(customlines::keyOf(entries.at(row)), key)) {
                rows.append(row);
            }
        }
        if (rows.size() == before) {
            output::printError(QStringLiteral("error: no custom entry with the key ") + key);
            return 1;
        }
    }
    page.selectRows(rows);
    dialogs.setDefaultAnswer(request.yes);
    page.deleteModule();
    return 0;
}

int run(Engine& engine, CliDialogs& dialogs, const CustomRequest& request) {
    Page& page = engine.customPage();
    int status = 0;
    if (request.sub == QLatin1String("show")) {
        return show(page, request);
    }
    if (request.sub == QLatin1String("list")) {
        page.activate();
    } else if (request.sub == QLatin1String("add")) {
        status = add(page, request);
    } else if (request.sub == QLatin1String("delete")) {
        status = remove(page, dialogs, request);
    } else if (request.sub == QLatin1String("sync")) {
        page.SyncDatabases();
    } else {
        page.activate();
        page.CheckSyncStatus();
    }
    if (request.json && request.sub == QLatin1String("sync")) {
        printJson({{"messages", reportjson::messages(dialogs.messages())}});
    } else if (request.json) {
        printJson(listObject(page, dialogs));
    } else if (request.sub == QLatin1String("list")) {
        printList(page);
    }
    return status;
}

// Whether the subcommand is known and has the number of words it takes.
bool wordsFit(const CustomRequest& request) {
    const qsizetype n = request.words.size();
    if (request.sub == QLatin1String("add")) {
        return n == 2;
    }
    if (request.sub == QLatin1String("show")) {
        return n == 1;
    }
    if (request.sub == QLatin1String("delete")) {
        return n >= 1;
    }
    return n == 0 &&
           (request.sub == QLatin1String("list") || request.sub == QLatin1String("sync") ||
            request.sub == QLatin1String("status"));
}

// Takes the command's words and options; an empty text when they fit, else the problem.
QString parse(CliOptions& options, CustomRequest& request) {
    request.osVersions = options.takeValues(QStringLiteral("os"));
    request.otherVersions = options.takeValues(QStringLiteral("other-os"));
    request.fileSet = options.takeValue(QStringLiteral("file"));
    request.noRestartPrompt = options.takeFlag(QStringLiteral("no-restart-prompt"));
    if (!options.rejectUnknown()) {
        return options.error;
    }
    request.sub = options.args.value(1);
    request.words = options.args.mid(2);
    request.json = options.json;
    request.yes = options.yes;
    if (!wordsFit(request)) {
        return QStringLiteral(
            "custom takes list, add NAME VERSION, show ROW, delete KEY..., sync "
            "or status");
    }
    const bool addOptions = !request.osVersions.isEmpty() || !request.otherVersions.isEmpty() ||
                            !request.fileSet.isNull() || request.noRestartPrompt;
    if (addOptions && request.sub != QLatin1String("add")) {
        return QStringLiteral(
            "--os, --other-os, --file and --no-restart-prompt belong to custom add");
    }
    for (const QString& os : std::as_const(request.osVersions)) {
        const qsizetype box = customtexts::OsBoxCaptions.indexOf(os);
        if (box < 0 || box >= Page::BoxOther) {
            return QStringLiteral("--os takes 5.00, 4.11, 4.10, 3.12 or 3.11");
        }
    }
    return {};
}

}  // namespace

int custom(CliOptions options) {
    CustomRequest request;
    const QString problem = parse(options, request);
    if (!problem.isEmpty()) {
        return usage(problem);
    }
    CliDialogs dialogs;
    // The JSON objects that carry the messages take them off stderr.
    dialogs.setEcho(!request.json || request.sub == QLatin1String("show"));
    NullProgress progress;
    Engine engine(dialogs, progress);
    int status = 1;
    // The commands that change the files hold the data directory's lock from first to last.
    const bool changes = request.sub == QLatin1String("add") ||
                         request.sub == QLatin1String("delete") ||
                         request.sub == QLatin1String("sync");
    std::unique_ptr<DirectoryLock> lock;
    try {
        lock = changes ? DataDirectory::lock() : nullptr;
        if (!engine.create()) {
            return 1;
        }
        engine.firstActivation();
        status = run(engine, dialogs, request);
    } catch (const OperationError& e) {
        dialogs.error(e.message());
        if (request.json && request.sub != QLatin1String("show")) {
            printJson(listObject(engine.customPage(), dialogs));
        }
    }
    return anError(dialogs) ? 1 : status;
}

}  // namespace commands
