#include "settings/datadirectory.h"
#include "settingstest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using DataDirectoryTest = SettingsTest;

TEST_F(DataDirectoryTest, ResolvesOverrideThenVariablesThenHomeAndCreatesTheFolder) {
    const QString root = home();
    qputenv("HOME", QFile::encodeName(root + "user"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + "xdg"));
    qputenv("CARTOVEX_HOME", QFile::encodeName(root + "cartovex/data"));
    DataDirectory::setOverride(root + "cli/./given");

    EXPECT_EQ(DataDirectory::windowsDirectory(), root + "cli/given/");
    DataDirectory::setOverride(QString());
    EXPECT_EQ(DataDirectory::windowsDirectory(), root + "cartovex/data/");
    qputenv("CARTOVEX_HOME", "");
    EXPECT_EQ(DataDirectory::windowsDirectory(), root + "xdg/cartovex/");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DataDirectory::windowsDirectory(), root + "user/.config/cartovex/");
    for (const char* folder :
         {"cli/given", "cartovex/data", "xdg/cartovex", "user/.config/cartovex"}) {
        EXPECT_TRUE(QFileInfo(root + folder).isDir()) << folder;
    }
}

TEST_F(DataDirectoryTest, DatabaseAndSystemPathsLieInTheDataDirectory) {
    EXPECT_EQ(DataDirectory::controlledDatabasePath(), home() + "quarixdb.ini");
    EXPECT_EQ(DataDirectory::uncontrolledDatabasePath(), home() + "CARTOVEX.INI");
    EXPECT_EQ(DataDirectory::systemDirectory(), home() + "system/");
    EXPECT_TRUE(QFileInfo(home() + "system").isDir());
}

TEST_F(DataDirectoryTest, AFolderThatCannotBeCreatedGivesEmptyPaths) {
    QFile blocker(home() + "file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    DataDirectory::setOverride(home() + "file/data");
    EXPECT_EQ(DataDirectory::windowsDirectory(), QString());
    EXPECT_EQ(DataDirectory::systemDirectory(), QString());
}
