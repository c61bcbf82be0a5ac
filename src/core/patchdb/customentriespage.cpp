#include "patchdb/customentriespage.h"

#include "ini/inibatch.h"
#include "patchdb/customentriestexts.h"
#include "patchdb/customentrylines.h"
#include "patchdb/customentryvalidation.h"
#include "patchdb/patchdatabasemanager.h"

#include <algorithm>

namespace {

const QString CoreSection = QStringLiteral("Core DXPs");
const QString FileSetsSection = QStringLiteral("File Sets");
// Values shown from an entry line are cut to this length.
constexpr int ShownValueLength = 40;

}  // namespace

CustomEntriesPage::CustomEntriesPage(PatchDatabaseManager& manager)
    : m_manager(manager), m_sync(manager), m_label(customtexts::EntriesLabel) {}

QString CustomEntriesPage::osVersionOf(OsBox box) const {
    return box == BoxOther ? edtOtherVer : customtexts::OsBoxCaptions.at(box);
}

void CustomEntriesPage::clearFields() {
    edtModuleName.clear();
    edtModuleVer.clear();
    osBoxes.fill(false);
    edtOtherVer.clear();
    cbxCustomFileSet.clear();
}

void CustomEntriesPage::activate() {
    if (m_rows.isEmpty()) {
        ReadCustomEntries();
    }
    setSelectionMode(m_mode);
}

void CustomEntriesPage::addModule() {
    const customvalidation::Input input{
        edtModuleName, edtModuleVer,
        std::any_of(osBoxes.begin(), osBoxes.end(), [](bool ticked) { return ticked; }),
        osBoxes[BoxOther], edtOtherVer};
    const QString problems = customvalidation::problems(input);
    if (!problems.isEmpty()) {
        m_manager.dialogs().error(customvalidation::errorMessage(problems));
        return;
    }
    edtModuleName = edtModuleName.toUpper();
    if (!edtModuleName.contains(u'.')) {
        edtModuleName += QStringLiteral(".DXP");
    }
    // Every key of every ticked box goes into each file with one write of that file; the list
    // and the messages follow only once the files hold the entries.
    QStringList keys;
    IniBatch batch;
    for (int box = Box500; box < OsBoxCount; ++box) {
        if (osBoxes[box]) {
            keys.append(writeForBox(OsBox(box)));
        }
    }
    batch.commit();
    for (const QString& key : std::as_const(keys)) {
        showAdded(key);
    }
}

QString CustomEntriesPage::writeForBox(OsBox box) {
    DatabaseSelection& databases = m_manager.databases();
    const QString key = osVersionOf(box) + QStringLiteral(":+") + edtModuleName;
    databases.uncontrolled().writeString(DatabaseSync::CustomEntries, key, edtModuleVer);
    databases.controlled().writeString(CoreSection, key, edtModuleVer);
    databases.uncontrolled().writeString(DatabaseSync::CustomFileSets, key, cbxCustomFileSet);
    databases.controlled().writeString(FileSetsSection, key, cbxCustomFileSet);
    return key;
}

void CustomEntriesPage::showAdded(const QString& key) {
    const QStringList& rows = lstCustomDBEntries();
    const bool found = std::any_of(rows.begin(), rows.end(),
                                   [&](const QString& row) { return row.contains(key); });
    if (!found) {
        m_rows.add(key + u'=' + edtModuleVer);
        m_selected.clear();  // row numbers after the new one have moved
    } else if (chkPromptToRestartOnUpdate) {
        m_manager.dialogs().inform(
            QStringLiteral("An existing version of the module \"") + key +
            QStringLiteral("\" was found in the Custom Database.\r\n"
                           "This module's information has been updated with the information "
                           "you've just entered.\r\n\r\n"
                           "Cartovex must be restarted before all changes can take effect."));
    }
}

void CustomEntriesPage::ReadCustomEntries() {
    clearFields();
    m_rows.clear();
    m_selected.clear();
    const QStringList text = DatabaseSync::loadCustomizableDatabase(m_manager);
    for (const QString& line : customlines::sectionLines(text, DatabaseSync::CustomEntries)) {
        if (!line.contains(u'*')) {
            m_rows.add(line);
        }
    }
    m_label = customtexts::EntriesLabel + QStringLiteral("  ") + QString::number(m_rows.size());
    m_manager.clearDatabaseText();
}

void CustomEntriesPage::clickRow(int row) {
    if (row < 0 || row >= m_rows.size()) {
        return;
    }
    if (m_mode == SelectionMode::MultiSelectToDelete) {
        if (!m_selected.removeOne(row)) {
            m_selected.append(row);
            std::sort(m_selected.begin(), m_selected.end());
        }
        return;
    }
    m_selected = {row};
    showRow(row);
}

void CustomEntriesPage::showRow(int row) {
    clearFields();
    const QString& line = m_rows.at(row);
    const QString key = customlines::keyOf(line);
    const qsizetype colon = key.indexOf(u':');
    const QString os = colon < 0 ? QString() : key.left(colon);
    const qsizetype box = customtexts::OsBoxCaptions.indexOf(os);
    if (box >= 0 && box < BoxOther) {
        osBoxes[box] = true;
    } else {
        osBoxes[BoxOther] = true;
        edtOtherVer = os;
    }
    const qsizetype plus = key.indexOf(u'+');
    edtModuleName = plus >= 0 ? key.mid(plus + 1) : (colon >= 0 ? key.mid(colon + 1) : QString());
    edtModuleVer = customlines::valueOf(line).left(ShownValueLength);
    cbxCustomFileSet = m_manager.databases().uncontrolled().readString(DatabaseSync::CustomFileSets,
                                                                       key, QString());
}

void CustomEntriesPage::setSelectionMode(SelectionMode mode) {
    clearFields();
    m_mode = mode;
    m_selected.clear();
}

void CustomEntriesPage::selectRows(const QList<int>& rows) {
    m_selected.clear();
    for (int row : rows) {
        if (row >= 0 && row < m_rows.size() && !m_selected.contains(row)) {
            m_selected.append(row);
        }
    }
    std::sort(m_selected.begin(), m_selected.end());
    if (m_mode == SelectionMode::SingleSelectToView && !m_selected.isEmpty()) {
        clickRow(m_selected.first());
    }
}

void CustomEntriesPage::deleteModule() {
    if (m_selected.isEmpty()) {
        return;
    }
    if (!m_manager.dialogs().askYesCancel(MessageKind::Confirmation,
                                          m_selected.size() == 1
                                              ? QStringLiteral("Delete selected item?")
                                              : QStringLiteral("Delete selected items?"))) {
        return;
    }
    // The remaining rows replace the section in one write, so a failure loses nothing.
    QList<IniFile::Entry> remaining;
    const QStringList& rows = lstCustomDBEntries();
    for (int row = 0; row < rows.size(); ++row) {
        if (!m_selected.contains(row) && rows.at(row).contains(u'=')) {
            remaining.append(
                {customlines::keyOf(rows.at(row)), customlines::valueOf(rows.at(row))});
        }
    }
    m_manager.databases().uncontrolled().replaceSection(DatabaseSync::CustomEntries, remaining);
    m_selected.clear();
    ReadCustomEntries();
    m_manager.dialogs().inform(
        QStringLiteral("Deletion completed successfully.\r\n\r\nClose down and restart Cartovex\r\n"
                       "for changes to take effect."));
}

void CustomEntriesPage::clearEntries() {
    clearFields();
}

void CustomEntriesPage::enterNameField() {
    const QString name = edtModuleName;
    clearFields();
    edtModuleName = name;
}

void CustomEntriesPage::leaveFileSetBox() {
    if (cbxCustomFileSet.isEmpty()) {
        return;
    }
    const bool known =
        std::any_of(m_fileSetItems.begin(), m_fileSetItems.end(), [&](const QString& item) {
            return item.compare(cbxCustomFileSet, Qt::CaseInsensitive) == 0;
        });
    if (!known) {
        m_fileSetItems.append(cbxCustomFileSet);
    }
}
