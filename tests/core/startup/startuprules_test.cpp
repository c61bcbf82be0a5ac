#include "startup/autoexecpanel.h"
#include "startup/firstactivation.h"
#include "startup/programinfo.h"
#include "startup/siblingproduct.h"
#include "startup/singleinstance.h"
#include "startup/windowsettings.h"
#include "ui/recordingdialogs.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

TEST(StartupRules, ProgramVersionComesFromTheCaption) {
    EXPECT_EQ(programinfo::version(), "2.66");
}

TEST(StartupRules, FormatWarningOnlyForUnsupportedControlledFormat) {
    EXPECT_TRUE(FirstActivation::formatWarning("1.0", false).isEmpty());
    EXPECT_TRUE(FirstActivation::formatWarning("0.0", false).isEmpty());
    EXPECT_TRUE(FirstActivation::formatWarning("2.0", true).isEmpty());
    EXPECT_EQ(FirstActivation::formatWarning("2.0", false),
              "This version of Cartovex (v2.66) does not support the database format (2.0) of"
              "\r\nyour current copy of the Quarix-controlled database. \r\n\r\nDownload the "
              "current copy of the database with the FTP Wizard (from the Tools menu).\r\n");
}

TEST(StartupRules, SiblingProductOfferedOnlyWhenPresentAndBeforeTheEnd) {
    QTemporaryDir dir;
    const QDate before(1999, 1, 31);
    EXPECT_FALSE(siblingproduct::offered(dir.path(), before));
    RecordingDialogs dialogs;
    QString started;
    const auto start = [&](const QString& p) { return started = p, true; };
    siblingproduct::run(dir.path(), dialogs, start);
    EXPECT_EQ(dialogs.texts(), QStringList{"File not found!"});
    EXPECT_TRUE(started.isEmpty());

    QFile file(dir.filePath("MeridexPro.exe"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(siblingproduct::offered(dir.path(), before));
    EXPECT_FALSE(siblingproduct::offered(dir.path(), QDate(1999, 2, 1)));
    siblingproduct::run(dir.path() + "/", dialogs, start);
    EXPECT_EQ(started, dir.filePath("MeridexPro.exe"));
}

TEST(StartupRules, WindowSettingsReadOnlyFromAnExistingFileAndWrittenBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("quarixdb.ini");
    WindowSettings settings = WindowSettings::read(path);
    EXPECT_EQ(settings.Height, 555);
    EXPECT_EQ(settings.Width, 735);
    EXPECT_EQ(settings.RootDir, "C:\\");

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Preferences]\r\nHeight=0x22B\r\nWidth=800\r\n");
    file.close();
    settings = WindowSettings::read(path);
    EXPECT_EQ(settings.Height, 555);
    EXPECT_EQ(settings.Width, 800);

    RecordingDialogs dialogs;
    WindowSettings{600, 900, "/srv/reports/"}.writeBack(path, dialogs);
    settings = WindowSettings::read(path);
    EXPECT_EQ(settings.Height, 600);
    EXPECT_EQ(settings.Width, 900);
    EXPECT_EQ(settings.RootDir, "/srv/reports/");
    EXPECT_TRUE(dialogs.texts().isEmpty());
}

TEST(StartupRules, SecondInstanceRefusedUntilTheFirstEnds) {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    auto first = std::make_unique<SingleInstance>();
    ASSERT_TRUE(first->acquire(folder));
    SingleInstance second;
    EXPECT_FALSE(second.acquire(folder));
    first.reset();
    EXPECT_TRUE(second.acquire(folder));
}

TEST(StartupRules, AutoexecPanelSwitchesAndReturns) {
    AutoexecPanel panel;
    EXPECT_EQ(panel.caption(), "SYS:SYSTEM\\AUTOEXEC.DXS");
    EXPECT_EQ(panel.changeLabel(), "Click for C:AUTOEXEC.DXS");
    panel.toggle();
    EXPECT_EQ(panel.caption(), "C:AUTOEXEC.DXS");
    EXPECT_EQ(panel.changeLabel(), "Click for SYS:SYSTEM\\AUTOEXEC.DXS");
    panel.toggle();
    EXPECT_FALSE(panel.dosCopyShown());
    EXPECT_EQ(panel.caption(), "SYS:SYSTEM\\AUTOEXEC.DXS");
}

}  // namespace
