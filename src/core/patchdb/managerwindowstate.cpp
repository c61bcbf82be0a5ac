#include "patchdb/managerwindowstate.h"

#include "patchdb/customentriespage.h"
#include "patchdb/patchdatabasemanager.h"

ManagerWindowState::ManagerWindowState(PatchDatabaseManager& manager, CustomEntriesPage& custom)
    : m_manager(manager), m_custom(custom) {}

bool ManagerWindowState::pageVisible(Page page) const {
    return m_revealed || page == CustomizeDatabase || page == PatchDatabase;
}

void ManagerWindowState::activate() {
    m_custom.activate();
}

void ManagerWindowState::showPage(Page page) {
    if (pageVisible(page)) {
        m_page = page;
    }
}

bool ManagerWindowState::close() {
    return m_manager.close();
}

bool ManagerWindowState::addPatchSetEnabled() const {
    return editingEnabled() && m_page == ImportPatches;
}

bool ManagerWindowState::editingEnabled() const {
    return m_manager.databases().UncontrolledMode();
}

bool ManagerWindowState::saveEnabled() const {
    return m_manager.saveEnabled() && m_manager.isModified();
}
