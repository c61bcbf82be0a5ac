#include "report/recentfilelist.h"

#include "settings/preferences.h"
#include "text/caserules.h"

RecentFileList::RecentFileList(QString settingsPath)
    : m_settingsPath(std::move(settingsPath)), m_entries(Size) {}

void RecentFileList::load() {
    m_entries = Preferences(m_settingsPath).recentFiles();
}

bool RecentFileList::add(const QString& name) {
    for (const QString& entry : std::as_const(m_entries)) {
        if (caserules::equalsIgnoreCase(entry, name)) {
            return false;
        }
    }
    m_entries.prepend(name);
    m_entries.resize(Size);
    Preferences(m_settingsPath).setRecentFiles(m_entries);
    return true;
}

QString RecentFileList::entry(int k) const {
    return (k >= 1 && k <= Size) ? m_entries.at(k - 1) : QString();
}
