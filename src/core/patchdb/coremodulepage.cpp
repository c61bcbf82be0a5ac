#include "patchdb/coremodulepage.h"

#include "ini/directorylock.h"
#include "patchdb/customentrylines.h"
#include "patchdb/patchdatabasemanager.h"
#include "text/caserules.h"

namespace {

const QString CoreSection = QStringLiteral("Core DXPs");

}  // namespace

void CoreModulePage::clear() {
    NewDXPEdit.clear();
    VersionEdit.clear();
    m_keys.clear();
    m_versions.clear();
    m_selected = -1;
}

void CoreModulePage::ReadCoreModuleList() {
    clear();
    m_manager.ReadPatchDatabase();
    const QList<IniFile::Entry> entries =
        m_manager.databases().CurrentDatabase().readSectionEntries(CoreSection);
    const QStringList& text = m_manager.databaseText();
    for (const qsizetype line : customlines::sectionLineIndexes(text, CoreSection)) {
        const QString key = customlines::keyOf(text.at(line));
        m_keys.append(key);
        m_versions.append(IniFile::valueIn(entries, key, QStringLiteral("No Version")));
    }
}

void CoreModulePage::selectRow(int row) {
    if (row < 0 || row >= m_keys.size()) {
        m_selected = -1;
        return;
    }
    m_selected = row;
    NewDXPEdit = m_keys.at(row);
    VersionEdit = m_versions.at(row);
}

QString CoreModulePage::normalisedKey(const QString& typed) {
    QString key = caserules::asciiUpper(typed);
    const qsizetype colon = key.indexOf(u':');
    const QString module = colon < 0 ? key : key.mid(colon + 1);
    if (!module.contains(u'.')) {
        key += QStringLiteral(".DXP");
    }
    return key;
}

void CoreModulePage::addChange() {
    if (!m_manager.databases().UncontrolledMode() || NewDXPEdit.isEmpty()) {
        return;
    }
    if (VersionEdit.isEmpty()) {
        m_manager.dialogs().inform(QStringLiteral("DXP Version must be entered!"));
        return;
    }
    const QString key = normalisedKey(NewDXPEdit);
    m_manager.databases().CurrentDatabase().writeString(CoreSection, key, VersionEdit);
    qsizetype row = -1;
    for (qsizetype k = 0; k < m_keys.size() && row < 0; ++k) {
        if (caserules::equalsIgnoreCase(m_keys.at(k), key)) {
            row = k;
        }
    }
    if (row >= 0) {
        m_versions[row] = VersionEdit;
    } else {
        m_keys.append(key);
        m_versions.append(VersionEdit);
        m_selected = int(m_keys.size()) - 1;
    }
    NewDXPEdit.clear();
    VersionEdit.clear();
}

void CoreModulePage::remove() {
    if (!m_manager.databases().UncontrolledMode() || NewDXPEdit.isEmpty() || m_selected < 0) {
        return;
    }
    // The file is read, changed and saved whole under the data directory's lock. Keyed writes
    // (add/change, a kit import) go to the file without touching the text, so read it again
    // before saving it whole; unsaved edits in the text are kept and saved.
    const DirectoryLock lock = DirectoryLock::forFile(m_manager.databases().currentPath());
    if (!m_manager.isModified()) {
        m_manager.ReadPatchDatabase();
    }
    // The line removed is the Core DXPs entry whose key is exactly the field, never a longer
    // key that merely begins with it.
    const QStringList& text = m_manager.databaseText();
    qsizetype line = -1;
    for (const qsizetype k : customlines::sectionLineIndexes(text, CoreSection)) {
        if (line < 0 && customlines::keyOf(text.at(k)) == NewDXPEdit) {
            line = k;
        }
    }
    if (line < 0) {
        return;
    }
    m_keys.removeAt(m_selected);
    m_versions.removeAt(m_selected);
    if (m_keys.isEmpty()) {
        NewDXPEdit.clear();
        VersionEdit.clear();
        m_selected = -1;
    } else {
        selectRow(0);
    }
    m_manager.removeLineAndSave(int(line));
}
