#include "engine/engine.h"

#include "analysis/modulecurrencycheck.h"
#include "analysis/patchverification.h"
#include "analysis/suggestionsengine.h"
#include "patchdb/manualupdate.h"
#include "settings/datadirectory.h"
#include "ui/operationerror.h"

#include <QFileInfo>

Engine::Engine(UserDialogs& dialogs, Progress& progress)
    : m_dialogs(dialogs),
      m_progress(progress),
      m_manager(m_databases, dialogs, progress),
      m_abend(m_model, m_manager, dialogs, progress),
      m_recent(DataDirectory::controlledDatabasePath()),
      m_loader(m_model, m_views, dialogs, progress, *this, *this),
      m_compare(m_model, m_views, m_analysis, m_loader, dialogs, progress,
                [this](const QString& path) { return openReport(path, true); }),
      m_summary(m_model, m_views, m_compare, dialogs, progress) {}

bool Engine::create() {
    m_loader.ResetReportViews();
    const bool usable = !DataDirectory::windowsDirectory().isEmpty();
    if (!usable) {
        m_dialogs.error(QStringLiteral("Windows directory not found!"));
    }
    if (DataDirectory::systemDirectory().isEmpty()) {
        m_dialogs.error(QStringLiteral("Windows SYSTEM directory not found!"));
    }
    if (!usable) {
        return false;
    }
    m_recent.load();
    m_databases.createMissingFiles();
    return true;
}

void Engine::firstActivation() {
    m_databases.applyStoredType();
}

ReportLoader::Result Engine::notFound(const QString& path) {
    ReportLoader::Result result;
    result.error = QStringLiteral("File '") + path.toUpper() + QStringLiteral("' not found!");
    m_dialogs.error(result.error);
    return result;
}

ReportLoader::Result Engine::openReport(const QString& path, bool startedByCompare) {
    if (m_loader.isLoading()) {
        return {};
    }
    m_loader.setOpenedByCommand(false);
    if (!QFileInfo(path).isFile()) {
        return notFound(path);
    }
    m_recent.add(path);
    m_model.ConfigFileName = path;
    return m_loader.ReportLoad(startedByCompare);
}

ReportLoader::Result Engine::openRecent(int k) {
    if (m_loader.isLoading()) {
        return {};
    }
    const QString path = m_recent.entry(k);
    m_model.ConfigFileName = path;
    if (!QFileInfo(path).isFile()) {
        return notFound(path);
    }
    return m_loader.ReportLoad(false);
}

ReportLoader::Result Engine::commandLineOpen(const QStringList& arguments) {
    if (arguments.isEmpty() || m_commandLineFlag || m_loader.isLoading()) {
        return {};
    }
    const QString first = arguments.first();
    m_commandLineFlag = true;
    if (!QFileInfo(QFileInfo(first).absoluteFilePath()).isFile()) {
        return notFound(first);  // said once, as the open command says it
    }
    m_model.ConfigFileName = first;
    return m_loader.ReportLoad(false);
}

bool Engine::manualUpdate(const QString& chosenFile) {
    ManualUpdate update{m_databases, m_dialogs, m_recent.entries(), synchroniseCustomEntries};
    try {
        return update.run(chosenFile);
    } catch (const OperationError& e) {
        m_dialogs.error(e.message());
        return false;
    }
}

void Engine::ReadCoreModuleList() {
    m_manager.ReadCoreModuleList();
}

void Engine::clearAnalysisViews() {
    m_analysis.clearForParse();
    m_abend.ClearAbendView();
}

void Engine::RefreshBaselineControls() {
    m_compare.RefreshBaselineControls();
}

bool Engine::baselineServerSet() const {
    return m_compare.baselineServerSet();
}

void Engine::CheckModuleCurrency() {
    const CoreModulePage& core = m_manager.corePage();
    ModuleCurrencyCheck(m_model, m_analysis, m_progress)
        .CheckModuleCurrency({core.keys(), core.CoreVersions(), m_manager.FileSetKeys(),
                              m_databases.CurrentDatabase(), m_databases.controlled()});
}

void Engine::VerifyPatches() {
    PatchVerification(m_model, m_analysis, m_views, m_manager, m_dialogs, m_progress)
        .VerifyPatches();
}

void Engine::BuildSuggestions() {
    SuggestionsEngine(m_model, m_analysis, m_views, m_progress)
        .BuildSuggestions(
            {m_manager.patchSetNames(), m_databases.controlled(), m_databases.UncontrolledMode()});
}

void Engine::resetOwnedViews() {
    m_analysis.clearForParse();
    m_compare.suggestionsEmptied();  // the reset has just emptied Suggestions
}
