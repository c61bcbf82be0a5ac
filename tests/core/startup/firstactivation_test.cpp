#include "startup/firstactivation.h"
#include "download/downloadschedule.h"
#include "engine/engine.h"
#include "settings/datadirectory.h"
#include "settings/daycount.h"
#include "settings/lastdbdownload.h"
#include "settings/preferences.h"
#include "startup/firstrun.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct FakeWindows : StartupWindows {
    QStringList calls;
    void showFirstRunWindow() override { calls << "first-run"; }
    void setDownloadControlsEnabled(bool on) override {
        calls << (on ? "options on" : "options off");
    }
    void showDownloadWizard() override { calls << "wizard"; }
    void setSiblingMenuVisible(bool on) override { calls << (on ? "menu shown" : "menu hidden"); }
    bool startDetached(const QString& program) override {
        return calls << "start " + program, true;
    }
};

class FirstActivationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // The engine takes its file paths when built, so the data directory comes first.
        DataDirectory::setOverride(m_home.path());
        m_engine = std::make_unique<Engine>(m_dialogs, m_progress);
        ASSERT_TRUE(m_engine->create());
    }
    void TearDown() override { DataDirectory::setOverride({}); }

    Preferences prefs() { return Preferences(DataDirectory::controlledDatabasePath()); }
    QStringList run(const QDate& today, const QString& programFolder = QString()) {
        FirstActivation activation(*m_engine, m_windows, programFolder, [today] { return today; });
        activation.run();
        activation.run();  // only once
        return m_windows.calls;
    }

    QTemporaryDir m_home;
    RecordingDialogs m_dialogs;
    NullProgress m_progress;
    std::unique_ptr<Engine> m_engine;
    FakeWindows m_windows;
};

const QDate Monday(2024, 3, 11);

TEST_F(FirstActivationTest, FreshStartShowsFirstRunWindowAndWizard) {
    EXPECT_EQ(run(Monday), QStringList({"first-run", "options on", "wizard", "menu hidden"}));
    EXPECT_TRUE(m_dialogs.texts().isEmpty());
}

TEST_F(FirstActivationTest, WizardOnlyFromTheSeventhDay) {
    prefs().setInitialized(1);
    LastDbDownload::writeDays(daycount::fromDate(Monday) - 6);
    EXPECT_EQ(run(Monday), QStringList({"options on", "menu hidden"}));
    m_windows.calls.clear();
    LastDbDownload::writeDays(daycount::fromDate(Monday) - 7);
    FirstActivation(*m_engine, m_windows, {}, [] { return Monday; }).run();
    EXPECT_EQ(m_windows.calls, QStringList({"options on", "wizard", "menu hidden"}));
}

TEST_F(FirstActivationTest, NeverFrequencyRemindsOnMondaysOnly) {
    prefs().setInitialized(1);
    prefs().setFrequency(2);
    run(Monday.addDays(1));
    EXPECT_TRUE(m_dialogs.texts().isEmpty());
    FirstActivation(*m_engine, m_windows, {}, [] { return Monday; }).run();
    EXPECT_EQ(m_dialogs.texts(), QStringList{DownloadSchedule::NeverReminder});
    EXPECT_FALSE(m_windows.calls.contains("wizard"));
}

TEST_F(FirstActivationTest, UncontrolledDatabaseGetsNoFormatWarningAndNoWizard) {
    prefs().setInitialized(1);
    IniFile(DataDirectory::controlledDatabasePath()).writeString("Preferences", "DBFormat", "2.0");
    prefs().setDbType("Uncontrolled");
    EXPECT_EQ(run(Monday), QStringList({"options off", "menu hidden"}));
    EXPECT_TRUE(m_engine->databases().UncontrolledMode());
    EXPECT_TRUE(m_dialogs.texts().isEmpty());

    prefs().setDbType("controlled");
    Preferences(DataDirectory::uncontrolledDatabasePath()).setDbType("controlled");
    FirstActivation(*m_engine, m_windows, {}, [] { return Monday; }).run();
    ASSERT_EQ(m_dialogs.texts().size(), 1);
    EXPECT_TRUE(m_dialogs.texts().at(0).contains("database format (2.0)"));
    EXPECT_FALSE(m_engine->databases().UncontrolledMode());
}

TEST_F(FirstActivationTest, SiblingOfferedAndStartedOnYes) {
    prefs().setInitialized(1);
    LastDbDownload::writeToday();
    QTemporaryDir folder;
    QFile exe(folder.filePath("MeridexPro.exe"));
    ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    exe.close();
    m_dialogs.queueAnswer(Answer::Yes);
    run(QDate(1998, 12, 1), folder.path());
    EXPECT_EQ(m_windows.calls.last(), "start " + folder.filePath("MeridexPro.exe"));
    EXPECT_TRUE(m_windows.calls.contains("menu shown"));
}

TEST_F(FirstActivationTest, FirstRunStepsAndConfirmation) {
    struct View : FirstRunView {
        QStringList seen;
        void setLabel(const QString& t) override { seen << t; }
        void setProgress(int p) override { seen << QString::number(p); }
        void setOkEnabled(bool on) override { seen << (on ? "ok on" : "ok off"); }
        void pumpEvents() override {}
    } view;
    QStringList registered;
    FirstRun([&](const QString& name) { registered << name; }).run(view);
    EXPECT_EQ(registered, QStringList({"NMOCOD.DLL", "FTPCT.OCX"}));
    EXPECT_EQ(view.seen,
              QStringList({"Initializing Cartovex", "0", "ok off", "Initializing Cartovex..", "1",
                           "Initializing Cartovex....", "2", "Initializing Cartovex......", "3",
                           "Done Initializing Cartovex", "ok on"}));
    FirstRun::registerIfPresent("NMOCOD.DLL");  // missing: silent
    FirstRun::confirm(DataDirectory::controlledDatabasePath());
    EXPECT_EQ(prefs().initialized(), 1);
}

}  // namespace
