// The manager window's page and button rules, headless.
#include "patchdb/managerwindowstate.h"
#include "patchdb/customentriespage.h"
#include "patchdb/databaseselection.h"
#include "patchdb/patchdatabasemanager.h"
#include "settings/datadirectory.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

class ManagerWindowStateTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        DataDirectory::setOverride(m_home.path());
        m_databases = std::make_unique<DatabaseSelection>();
        m_databases->createMissingFiles();
        m_manager = std::make_unique<PatchDatabaseManager>(*m_databases, m_dialogs, m_progress);
        m_custom = std::make_unique<CustomEntriesPage>(*m_manager);
        m_state = std::make_unique<ManagerWindowState>(*m_manager, *m_custom);
    }
    void TearDown() override { DataDirectory::setOverride(QString()); }

    QTemporaryDir m_home;
    RecordingDialogs m_dialogs;
    NullProgress m_progress;
    std::unique_ptr<DatabaseSelection> m_databases;
    std::unique_ptr<PatchDatabaseManager> m_manager;
    std::unique_ptr<CustomEntriesPage> m_custom;
    std::unique_ptr<ManagerWindowState> m_state;
};

}  // namespace

TEST_F(ManagerWindowStateTest, HiddenPagesAndTheAddPatchSetButton) {
    m_databases->SelectUncontrolledDatabase();
    EXPECT_FALSE(m_state->pageVisible(ManagerWindowState::ImportPatches));
    m_state->showPage(ManagerWindowState::ImportPatches);  // not shown while hidden
    EXPECT_EQ(m_state->currentPage(), ManagerWindowState::CustomizeDatabase);
    EXPECT_FALSE(m_state->addPatchSetEnabled());
    m_state->revealHiddenPages();
    EXPECT_TRUE(m_state->pageVisible(ManagerWindowState::CoreDxps));
    m_state->showPage(ManagerWindowState::ImportPatches);
    EXPECT_TRUE(m_state->addPatchSetEnabled());
    EXPECT_TRUE(m_state->editingEnabled());
    m_databases->SelectControlledDatabase();
    EXPECT_FALSE(m_state->addPatchSetEnabled());
    EXPECT_FALSE(m_state->editingEnabled());
}

TEST_F(ManagerWindowStateTest, SaveFollowsUnsavedEditsOnly) {
    m_databases->SelectUncontrolledDatabase();
    m_manager->ReadPatchDatabase();
    EXPECT_FALSE(m_state->saveEnabled());
    QStringList text = m_manager->databaseText();
    text << "[Extra]";
    m_manager->editDatabaseText(text);
    EXPECT_TRUE(m_state->saveEnabled());
    // A switch of database empties the text: there is nothing left to save over the file.
    m_databases->SelectControlledDatabase();
    EXPECT_FALSE(m_state->saveEnabled());
    EXPECT_TRUE(m_state->close());
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}

TEST_F(ManagerWindowStateTest, ActivationReadsTheCustomEntriesOnlyWhileTheListIsEmpty) {
    m_state->activate();
    EXPECT_EQ(m_custom->lblCustomDBEntries(), QStringLiteral("Custom Database Entries:  0"));
    m_custom->edtModuleName = "X";
    m_custom->edtModuleVer = "1.00";
    m_custom->osBoxes[CustomEntriesPage::Box411] = true;
    m_custom->addModule();
    QFile::remove(m_databases->uncontrolled().path());
    m_state->activate();
    EXPECT_EQ(m_custom->lstCustomDBEntries(), QStringList{"4.11:+X.DXP=1.00"});
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}
