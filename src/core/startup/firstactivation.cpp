#include "startup/firstactivation.h"

#include "download/downloadschedule.h"
#include "download/optionsstate.h"
#include "engine/engine.h"
#include "settings/preferences.h"
#include "startup/programinfo.h"
#include "startup/siblingproduct.h"
#include "ui/operationerror.h"

FirstActivation::FirstActivation(Engine& engine, StartupWindows& windows, QString programFolder,
                                 Today today)
    : m_engine(engine),
      m_windows(windows),
      m_programFolder(std::move(programFolder)),
      m_today(std::move(today)) {}

QString FirstActivation::formatWarning(const QString& dbFormat, bool uncontrolled) {
    if (uncontrolled || dbFormat == QLatin1String(Preferences::kDbFormatCheckDefault) ||
        dbFormat == programinfo::SupportedDbFormat) {
        return {};
    }
    return QStringLiteral("This version of Cartovex (v") + programinfo::version() +
           QStringLiteral(") does not support the database format (") + dbFormat +
           QStringLiteral(
               ") of\r\nyour current copy of the Quarix-controlled database. \r\n\r\n"
               "Download the current copy of the database with the FTP Wizard (from "
               "the Tools menu).\r\n");
}

void FirstActivation::run() {
    if (m_done) {
        return;
    }
    m_done = true;
    UserDialogs& dialogs = m_engine.dialogs();
    IniFile& controlled = m_engine.databases().controlled();
    const Preferences prefs(controlled.path());
    // The options window reads the database type and the download settings.
    OptionsState& options = m_engine.download().options;
    options.loadDatabaseType();
    options.loadDownloadSettings();
    const bool uncontrolled = options.DBTypeRadioGrp != 0;
    if (prefs.initialized() == 0) {
        m_windows.showFirstRunWindow();
    }
    const QString warning = formatWarning(prefs.dbFormat(), uncontrolled);
    if (!warning.isEmpty()) {
        dialogs.warn(warning);
    }
    try {
        m_engine.databases().selectByType(
            QLatin1String(uncontrolled ? Preferences::kUncontrolled : Preferences::kControlled));
    } catch (const OperationError& error) {
        dialogs.error(error.message());
    }
    m_windows.setDownloadControlsEnabled(!m_engine.databases().UncontrolledMode());
    downloadStep(options.fields.Frequency, m_engine.databases().UncontrolledMode());
    siblingStep();
}

void FirstActivation::downloadStep(int frequency, bool uncontrolled) {
    bool due = false;
    try {
        due = DownloadSchedule(m_today).check(frequency, m_engine.dialogs());
    } catch (const OperationError& error) {
        m_engine.dialogs().error(error.message());
    }
    if (due && !uncontrolled) {
        m_windows.showDownloadWizard();
    }
}

void FirstActivation::siblingStep() {
    const bool offered = siblingproduct::offered(m_programFolder, m_today());
    m_windows.setSiblingMenuVisible(offered);
    if (offered &&
        m_engine.dialogs().askYesNo(MessageKind::Confirmation, siblingproduct::Question)) {
        m_windows.startDetached(siblingproduct::path(m_programFolder));
    }
}
