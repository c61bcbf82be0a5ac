#include "download/optionsstate.h"

#include "ini/inibatch.h"
#include "patchdb/databaseselection.h"
#include "settings/preferences.h"

namespace {

// A three-item radio group shows an index above its last item as the last, and one below 0 as
// no selection.
int radioIndex(int stored) {
    return stored > 2 ? 2 : (stored < 0 ? -1 : stored);
}

}  // namespace

OptionsState::OptionsState(DatabaseSelection& databases)
    : fields(DownloadSettings::defaults()), m_databases(databases) {}

QString OptionsState::frequencyCaption() const {
    return DownloadSettings::frequencyCaption(fields.Frequency);
}

void OptionsState::FormActivate(const QString& openDialogFolder) {
    RootDir = openDialogFolder;
    m_activationFolder = openDialogFolder;
    loadDatabaseType();
    loadDownloadSettings();
    DBTypeRadioGrpClick(DBTypeRadioGrp);
}

void OptionsState::loadDatabaseType() {
    const QString type = Preferences(m_databases.currentPath()).dbType();
    DBTypeRadioGrp = Preferences::isControlledType(type) ? 0 : 1;
}

void OptionsState::loadDownloadSettings() {
    fields = DownloadSettings::load(m_databases.controlled());
    fields.Frequency = radioIndex(fields.Frequency);
}

void OptionsState::DBTypeRadioGrpClick(int index) {
    DBTypeRadioGrp = index == 1 ? 1 : 0;
}

void OptionsState::DefaultFTPValuesButtonClick() {
    fields = DownloadSettings::defaults();
}

QString OptionsState::OKButtonClick() {
    // Each file is written once, with every change, so a killed program leaves it whole.
    IniBatch batch;
    Preferences controlled(m_databases.controlled().path());
    if (RootDir.compare(m_activationFolder, Qt::CaseInsensitive) != 0) {
        controlled.setRootDir(RootDir);
        m_activationFolder = RootDir;
    }
    if (DBTypeRadioGrp == 1) {
        m_databases.SelectUncontrolledDatabase();
    } else {
        m_databases.SelectControlledDatabase();
    }
    fields.saveConnection(m_databases.controlled());
    controlled.setFrequency(fields.Frequency);
    batch.commit();
    return m_activationFolder;
}
