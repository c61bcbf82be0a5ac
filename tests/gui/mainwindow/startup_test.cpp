#include "windowfixture.h"

#include "download/downloadschedule.h"
#include "gui/pages/configanalysissheet.h"
#include "settings/daycount.h"
#include "settings/lastdbdownload.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace {

class StartupTest : public WindowFixture {};

const QDate Monday(2024, 3, 11);

TEST_F(StartupTest, FirstRunWindowOnceThenNeverAgain) {
    closeModalsAsTheyOpen();
    MainWindow& w = makeWindow();
    w.setClock([] { return Monday.addDays(1); });
    w.activated();
    EXPECT_EQ(m_modalsClosed,
              QStringList({"Done Initializing Cartovex", "Download Quarix Database"}));
    EXPECT_EQ(readPreference("Initialized"), "1");
    w.activated();
    EXPECT_EQ(m_modalsClosed.size(), 2);

    m_modalsClosed.clear();
    LastDbDownload::writeDays(daycount::fromDate(Monday) - 6);
    MainWindow& again = makeWindow();
    again.setClock([] { return Monday; });
    again.activated();
    EXPECT_TRUE(m_modalsClosed.isEmpty());
    EXPECT_TRUE(m_dialogs.texts().isEmpty());
}

TEST_F(StartupTest, NeverFrequencyRemindsOnMondayAndDueDownloadOpensTheWizard) {
    closeModalsAsTheyOpen();
    makeWindow();  // writes the default database
    writePreference("Initialized", "1");
    writePreference("Frequency", "2");
    MainWindow& w = makeWindow();
    w.setClock([] { return Monday; });
    w.activated();
    EXPECT_EQ(m_dialogs.texts(), QStringList{DownloadSchedule::NeverReminder});
    EXPECT_TRUE(m_modalsClosed.isEmpty());

    writePreference("Frequency", "0");
    LastDbDownload::writeDays(daycount::fromDate(Monday) - 7);
    m_dialogs.clear();
    MainWindow& due = makeWindow();
    due.setClock([] { return Monday; });
    due.activated();
    EXPECT_TRUE(m_dialogs.texts().isEmpty());
    EXPECT_EQ(m_modalsClosed, QStringList{"Download Quarix Database"});
    EXPECT_FALSE(due.findChild<QMenu*>("mniMeridexAdminPro")->menuAction()->isVisible());
}

TEST_F(StartupTest, UpgradeNoticeAtCreation) {
    makeWindow();
    writePreference("Upgrade", "2.70,NEWVER.EXE");
    writePreference("UpgradeSite", "1");
    makeWindow();
    ASSERT_EQ(m_dialogs.texts().size(), 1);
    EXPECT_TRUE(m_dialogs.texts().at(0).startsWith(
        "You need to upgrade this version of Cartovex\r\nto version 2.70 found in the file "
        "NEWVER.EXE in\r\nthe /outgoing directory on the "));
    m_dialogs.clear();
    writePreference("Upgrade", "2.66,X.EXE");
    makeWindow();
    EXPECT_TRUE(m_dialogs.texts().isEmpty());
}

TEST_F(StartupTest, StoredSizeAndCommandLineReport) {
    makeWindow();
    writePreference("Initialized", "1");
    writePreference("Height", "0x258");
    writePreference("Width", "800");
    LastDbDownload::writeToday();
    MainWindow& w = makeWindow({example()});
    EXPECT_EQ(w.size(), QSize(800, 600));
    w.activated();
    EXPECT_EQ(w.analysisSheet()->serverInfoBox(0)->text(), "ACME-FS1");
    EXPECT_TRUE(w.engine().commandLineFlag());
    // The command line does not touch the recent file list.
    EXPECT_FALSE(w.action("mniHist1")->isVisible());
}

}  // namespace
