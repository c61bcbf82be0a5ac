#include "patchdb/databasesync.h"

#include "ini/inilines.h"
#include "patchdb/customentrylines.h"
#include "patchdb/patchdatabasemanager.h"
#include "text/caserules.h"

namespace {

const QString CoreSection = QStringLiteral("Core DXPs");
const QString FileSetsSection = QStringLiteral("File Sets");

// Closes the progress window however the synchronisation ends, a failed write included.
class ProgressScope {
  public:
    explicit ProgressScope(Progress& progress) : m_progress(progress) { m_progress.start(6); }
    ~ProgressScope() { m_progress.finish(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void stageDone() {
        m_progress.step();
        m_progress.pumpEvents();
    }

  private:
    Progress& m_progress;
};

// Entry lines that carry a key and a value; comment lines (with "*") are never copied.
QList<IniFile::Entry> copiedEntries(const QStringList& lines) {
    QList<IniFile::Entry> entries;
    for (const QString& line : lines) {
        if (!line.contains(u'*') && line.contains(u'=')) {
            entries.append({customlines::keyOf(line), customlines::valueOf(line)});
        }
    }
    return entries;
}

QString missingSectionWarning(const QString& section, const QString& path) {
    return QStringLiteral("No [") + section +
           QStringLiteral("] section found in the Quarix-controlled Database!\r\n(") + path +
           QStringLiteral(")\r\n\r\nCustom entries could not be copied into it.");
}

}  // namespace

const QString DatabaseSync::CustomEntries = QStringLiteral("Custom Entries");
const QString DatabaseSync::CustomFileSets = QStringLiteral("Custom FileSets");

QStringList DatabaseSync::loadCustomizableDatabase(PatchDatabaseManager& manager) {
    const QString path = manager.databases().uncontrolled().path();
    if (!IniLines::exists(path)) {
        manager.dialogs().warn(QStringLiteral("No Customizable Database exists!\r\n(") + path +
                               u')');
        return {};
    }
    return IniLines::load(path);
}

void DatabaseSync::SyncDatabases() {
    SyncDatabases(m_manager.progress());
}

void DatabaseSync::SyncDatabases(Progress& shown) {
    QStringList missing;
    {
        ProgressScope progress(shown);
        const QStringList custom = loadCustomizableDatabase(m_manager);
        QStringList entries = customlines::sectionLines(custom, CustomEntries);
        progress.stageDone();
        QStringList fileSets = customlines::sectionLines(custom, CustomFileSets);
        m_manager.clearDatabaseText();
        progress.stageDone();
        m_manager.ReadPatchDatabase();
        progress.stageDone();
        // The file that receives the keys is the one scanned, whatever database is current.
        const QStringList target = IniLines::load(m_manager.databases().controlled().path());
        if (!copyInto(target, CoreSection, entries)) {
            missing.append(CoreSection);
        }
        progress.stageDone();
        if (!copyInto(target, FileSetsSection, fileSets)) {
            missing.append(FileSetsSection);
        }
        progress.stageDone();
        entries.clear();
        fileSets.clear();
        m_manager.ReadPatchDatabase();
        progress.stageDone();
    }
    if (missing.isEmpty()) {
        m_manager.dialogs().inform(QStringLiteral(
            "Database Sync Complete.\r\n\r\nRestart Cartovex for changes to take effect."));
    }
    for (const QString& section : std::as_const(missing)) {
        m_manager.dialogs().warn(
            missingSectionWarning(section, m_manager.databases().controlled().path()));
    }
}

bool DatabaseSync::copyInto(const QStringList& target, const QString& section,
                            const QStringList& lines) {
    const QList<IniFile::Entry> entries = copiedEntries(lines);
    switch (customlines::scanForReceivingSection(target, section)) {
        case customlines::SectionScan::Receiving:
            m_manager.databases().controlled().writeStrings(section, entries);
            return true;
        case customlines::SectionScan::NotClosed:
            return true;
        case customlines::SectionScan::Missing:
            return false;
    }
    return true;
}

void DatabaseSync::CheckSyncStatus(const QStringList& rows) {
    if (!rows.isEmpty() && (!agrees(rows.last()) || !agrees(rows.first()))) {
        m_manager.dialogs().warn(
            QStringLiteral("Databases ARE NOT synchronized.\r\n"
                           "Click the 'Sync Databases' button to sync databases."));
        return;
    }
    m_manager.dialogs().inform(QStringLiteral("Databases appear synchronized."));
}

bool DatabaseSync::agrees(const QString& row) const {
    const QString key = customlines::keyOf(row);
    const QString custom =
        m_manager.databases().uncontrolled().readString(CustomEntries, key, QString());
    const QString controlled =
        m_manager.databases().controlled().readString(CoreSection, key, QString());
    return caserules::equalsIgnoreCase(custom, controlled);
}
