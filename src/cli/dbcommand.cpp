#include "clidialogs.h"
#include "commands.h"
#include "output.h"

#include "engine/engine.h"
#include "ini/inilines.h"
#include "settings/datadirectory.h"
#include "ui/operationerror.h"

namespace commands {

namespace {

// The editing commands work on the user's own database only, as the manager window allows.
bool uncontrolledOnly(Engine& engine) {
    if (engine.databases().UncontrolledMode()) {
        return true;
    }
    output::printError(QStringLiteral(
        "error: the Quarix-controlled database cannot be edited; select the uncontrolled "
        "database first (db use uncontrolled)"));
    return false;
}

int show(Engine& engine) {
    PatchDatabaseManager& manager = engine.manager();
    manager.ReadPatchDatabase();
    if (manager.locationLabel().isEmpty()) {
        return 1;
    }
    for (const QString& line : manager.databaseText()) {
        output::print(line + u'\n');
    }
    return 0;
}

int import(Engine& engine, CliDialogs& dialogs, const QString& kitFile, bool yes) {
    if (!uncontrolledOnly(engine)) {
        return 1;
    }
    if (!IniLines::exists(kitFile)) {
        output::printError(QStringLiteral("error: file ") + kitFile + QStringLiteral(" not found"));
        return 1;
    }
    dialogs.setDefaultAnswer(yes);
    PatchKitImport& page = engine.manager().importPage();
    page.importFile(kitFile);
    output::print(page.ImportPatchListBoxLabel + u'\n');
    for (const QString& name : std::as_const(page.ImportPatchListBox)) {
        output::print(name + u'\n');
    }
    return 0;
}

int core(Engine& engine, const QStringList& args) {
    if (!uncontrolledOnly(engine)) {
        return 1;
    }
    CoreModulePage& page = engine.manager().corePage();
    page.ReadCoreModuleList();
    if (args.value(2) == QLatin1String("add") && args.size() == 5) {
        if (args.at(3).isEmpty()) {
            output::printError(QStringLiteral("error: the DXP name is empty"));
            return 1;
        }
        page.NewDXPEdit = args.at(3);
        page.VersionEdit = args.at(4);
        page.addChange();
        // A written key empties both fields; a refused one ("DXP Version must be entered!")
        // leaves the name in place.
        return page.NewDXPEdit.isEmpty() ? 0 : 1;
    }
    if (args.value(2) == QLatin1String("remove") && args.size() == 4) {
        const qsizetype row = page.keys().indexOf(args.at(3));
        if (row < 0) {
            output::printError(QStringLiteral("error: no core module key ") + args.at(3));
            return 1;
        }
        page.selectRow(int(row));
        page.remove();
        return 0;
    }
    return usage(QStringLiteral("db core takes add KEY VERSION or remove KEY"));
}

int deleteSet(Engine& engine, CliDialogs& dialogs, const QString& name, bool yes) {
    if (!uncontrolledOnly(engine)) {
        return 1;
    }
    engine.manager().ReadPatchDatabase();
    if (!engine.manager().patchSetNames().contains(name)) {
        output::printError(QStringLiteral("error: no patch set named ") + name);
        return 1;
    }
    dialogs.setDefaultAnswer(yes);
    engine.manager().deletePatchSet(name);
    return 0;
}

int dispatch(Engine& engine, CliDialogs& dialogs, const CliOptions& options) {
    const QStringList& args = options.args;
    const QString sub = args.value(1);
    if (sub == QLatin1String("info") && args.size() == 2) {
        output::print(output::plain(engine.databases().databaseTypeInformation()) + u'\n');
        return 0;
    }
    if (sub == QLatin1String("use") && args.size() == 3) {
        const QString type = args.at(2);
        if (type == QLatin1String("controlled")) {
            engine.databases().SelectControlledDatabase();
        } else if (type == QLatin1String("uncontrolled")) {
            engine.databases().SelectUncontrolledDatabase();
        } else {
            return usage(QStringLiteral("db use takes controlled or uncontrolled"));
        }
        output::print(engine.databases().typeLabel() + u'\n');
        return 0;
    }
    if (sub == QLatin1String("show") && args.size() == 2) {
        return show(engine);
    }
    if (sub == QLatin1String("import") && args.size() == 3) {
        return import(engine, dialogs, args.at(2), options.yes);
    }
    if (sub == QLatin1String("core") && args.size() >= 3) {
        return core(engine, args);
    }
    if (sub == QLatin1String("delete-set") && args.size() == 3) {
        return deleteSet(engine, dialogs, args.at(2), options.yes);
    }
    if (sub == QLatin1String("manual-update") && args.size() == 3) {
        // The synchronisation question is answered with --yes.
        dialogs.setDefaultAnswer(options.yes);
        return engine.manualUpdate(args.at(2)) ? 0 : 1;
    }
    return usage(QStringLiteral("unknown db command"));
}

}  // namespace

int db(const CliOptions& options) {
    CliDialogs dialogs;
    NullProgress progress;
    Engine engine(dialogs, progress);
    // Every db command but info and show changes a file: it holds the data directory's lock.
    const QString sub = options.args.value(1);
    const bool reads = sub == QLatin1String("info") || sub == QLatin1String("show");
    std::unique_ptr<DirectoryLock> lock;
    try {
        lock = reads ? nullptr : DataDirectory::lock();
        if (!engine.create()) {
            return 1;
        }
        engine.firstActivation();
        return dispatch(engine, dialogs, options);
    } catch (const OperationError& e) {
        dialogs.error(e.message());
        return 1;
    }
}

}  // namespace commands
