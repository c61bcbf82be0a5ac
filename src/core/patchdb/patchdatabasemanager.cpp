#include "patchdb/patchdatabasemanager.h"

#include "ini/inilines.h"
#include "patchdb/defaultdatabase.h"
#include "settings/preferences.h"
#include "text/caserules.h"

#include <algorithm>

namespace {

// The name of a header line: from its second character up to the one before the first "]".
QString headerName(const QString& line) {
    const qsizetype close = line.indexOf(u']');
    return close < 0 ? QString() : line.mid(1, close - 1);
}

}  // namespace

const QStringList PatchDatabaseManager::ReservedSections = {
    QStringLiteral("Preferences"), QStringLiteral("File Sets"), QStringLiteral("Core DXPs"),
    QStringLiteral("Custom Entries"), QStringLiteral("Custom FileSets")};

PatchDatabaseManager::PatchDatabaseManager(DatabaseSelection& databases, UserDialogs& dialogs,
                                           Progress& progress)
    : m_databases(databases),
      m_dialogs(dialogs),
      m_progress(progress),
      m_core(*this),
      m_import(*this) {
    m_databases.onSelected([this](bool) { databaseSelected(); });
}

void PatchDatabaseManager::editDatabaseText(const QStringList& lines) {
    m_text = lines;
    m_modified = true;
    m_saveEnabled = true;
}

void PatchDatabaseManager::clearText() {
    m_text.clear();
    m_location.clear();
    m_modified = false;
}

void PatchDatabaseManager::ReadPatchDatabase() {
    clearText();
    const QString path = m_databases.currentPath();
    if (!IniLines::exists(path)) {
        m_dialogs.warn((m_databases.UncontrolledMode()
                            ? QStringLiteral("No Uncontrolled Database exists!")
                            : QStringLiteral("No Quarix-controlled Database exists!")) +
                       QStringLiteral("\r\n(") + path + u')');
        return;
    }
    m_location = path;
    m_text = IniLines::load(path);
    m_patchSetCount = 0;
    for (const QString& line : std::as_const(m_text)) {
        if (line.startsWith(u'[') &&
            std::none_of(ReservedSections.begin(), ReservedSections.end(),
                         [&](const QString& name) { return line.contains(name); })) {
            ++m_patchSetCount;
        }
    }
    ReadPatchSetNames();
    m_saveEnabled = false;
    CollectFileSetKeys();
}

void PatchDatabaseManager::ReadPatchSetNames() {
    if (m_patchSetCount == 0 && m_location.isEmpty()) {
        ReadPatchDatabase();
    }
    // The view is rebuilt on every read, so a replaced database with as many sets as the old
    // one never keeps showing the old names.
    SortedTextList names;
    for (const QString& line : std::as_const(m_text)) {
        if (line.startsWith(u'[')) {
            names.add(headerName(line));
        }
    }
    m_setNames.clear();
    const QStringList& sorted = names.lines();
    for (qsizetype k = sorted.size() - 1; k >= 0; --k) {
        if (!ReservedSections.contains(sorted.at(k))) {
            m_setNames.append(sorted.at(k));
        }
    }
}

void PatchDatabaseManager::CollectFileSetKeys() {
    m_fileSetKeys.clear();
    bool inside = false;
    for (const QString& line : std::as_const(m_text)) {
        if (!inside) {
            inside = line.startsWith(u'[') &&
                     caserules::equalsIgnoreCase(headerName(line), QStringLiteral("File Sets"));
        } else if (line.isEmpty() || line.startsWith(u'[')) {
            inside = false;
        } else {
            const qsizetype equals = line.indexOf(u'=');
            m_fileSetKeys.add(equals < 0 ? QString() : line.left(equals));
        }
    }
}

void PatchDatabaseManager::save() {
    IniLines::save(m_databases.currentPath(), m_text);
    m_modified = false;
    ReadPatchDatabase();
}

void PatchDatabaseManager::removeLineAndSave(int index) {
    m_text.removeAt(index);
    save();
}

void PatchDatabaseManager::deleteDatabase() {
    const QString path = m_databases.currentPath();
    if (!IniLines::exists(path)) {
        m_dialogs.warn(QStringLiteral("No Patch Database exists!\r\n(") + path + u')');
        return;
    }
    if (!m_dialogs.askOkCancel(
            MessageKind::Warning,
            QStringLiteral("Are you sure you want to delete the Patch Database?\r\n"
                           "It will have to be recreated to verify patch information!"))) {
        return;
    }
    IniLines::remove(path);
    clearText();
    m_core.clear();
    m_import.clear();
    m_setNames.clear();
    m_patchSetCount = 0;
    m_saveEnabled = false;
}

void PatchDatabaseManager::createDefault(const QString& rootDir) {
    const QString path = m_databases.currentPath();
    if (IniLines::exists(path) &&
        !m_dialogs.askYesCancel(
            MessageKind::Warning,
            QStringLiteral("A Patch Database already exists.\r\n"
                           "Are you sure you want to recreate the Patch Database?"))) {
        return;
    }
    DefaultDatabase::DefaultDatabaseWriter(path);
    clearText();
    m_setNames.clear();
    m_import.clear();
    m_core.clear();
    ReadPatchDatabase();
    Preferences(path).setRootDir(rootDir);
    m_saveEnabled = false;
}

bool PatchDatabaseManager::close() {
    if (!m_modified) {
        return true;
    }
    const Answer answer = m_dialogs.askYesNoCancel(
        MessageKind::Confirmation,
        QStringLiteral("Contents of the Patch Database have changed.  Save changes?"));
    if (answer == Answer::Cancel) {
        return false;
    }
    if (answer == Answer::Yes) {
        save();
    } else {
        ReadPatchDatabase();
    }
    return true;
}

void PatchDatabaseManager::deletePatchSet(const QString& name) {
    if (!m_databases.UncontrolledMode() || name.isEmpty()) {
        return;
    }
    if (!m_dialogs.askYesCancel(
            MessageKind::Confirmation,
            QStringLiteral("Delete selected patch set from the Patch Database?"))) {
        return;
    }
    m_databases.CurrentDatabase().eraseSection(name);
    m_setNames.clear();
    ReadPatchDatabase();
}

void PatchDatabaseManager::databaseSelected() {
    clearText();
    m_import.clear();
    m_core.clear();
}
