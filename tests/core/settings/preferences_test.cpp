#include "settings/preferences.h"
#include "settings/datadirectory.h"
#include "settingstest.h"

#include <QFile>

namespace {

class PreferencesTest : public SettingsTest {
  protected:
    void writeFile(const QByteArray& bytes) const {
        QFile file(DataDirectory::controlledDatabasePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

}  // namespace

TEST_F(PreferencesTest, MissingFileAndMissingKeysGiveTheDefaults) {
    for (int pass = 0; pass < 2; ++pass) {
        const Preferences prefs(DataDirectory::controlledDatabasePath());
        EXPECT_EQ(prefs.height(), 555);
        EXPECT_EQ(prefs.width(), 735);
        EXPECT_EQ(prefs.rootDir(), "C:\\");
        EXPECT_EQ(prefs.recentFiles(), QStringList({"", "", "", "", ""}));
        EXPECT_EQ(prefs.initialized(), 0);
        EXPECT_EQ(prefs.dbType(), "Controlled");
        EXPECT_EQ(prefs.dbFormat(), "0.0");
        EXPECT_EQ(prefs.dbFormat(Preferences::kDbFormatInfoDefault), "Not Found");
        EXPECT_EQ(prefs.upgrade(), "None");
        EXPECT_EQ(prefs.upgradeSite(), "None");
        EXPECT_EQ(prefs.upgradePriority(), "None");
        EXPECT_EQ(prefs.whatsNew(), "None");
        EXPECT_EQ(prefs.frequency(), 0);
        EXPECT_EQ(prefs.lastUpdateType(), "N/A");
        EXPECT_EQ(prefs.dbDateOnRemoteSite(), "");
        writeFile("[410pt6.txt : 1 native patches]\r\n1=LOADERFX.DXP\r\n\r\n");
    }
}

TEST_F(PreferencesTest, ReadsStoredValuesLeniently) {
    writeFile(
        "[preferences]\r\n"
        "Height=0x22B\r\n"
        "Width=wide\r\n"
        "DBType=controlled\r\n"
        "DBFormat=1.0\r\n"
        "Hist2=C:\\REPORTS\\config.txt\r\n"
        "Upgrade=2.70,cvx270.exe\r\n");
    const Preferences prefs(DataDirectory::controlledDatabasePath());
    EXPECT_EQ(prefs.height(), 555);
    EXPECT_EQ(prefs.width(), 735);
    EXPECT_TRUE(Preferences::isControlledType(prefs.dbType()));
    EXPECT_EQ(prefs.dbFormat(Preferences::kDbFormatInfoDefault), "1.0");
    EXPECT_EQ(prefs.recentFiles(), QStringList({"", "C:\\REPORTS\\config.txt", "", "", ""}));
    EXPECT_EQ(prefs.upgrade(), "2.70,cvx270.exe");

    EXPECT_TRUE(Preferences::isControlledType("CONTROLLED"));
    EXPECT_FALSE(Preferences::isControlledType("Uncontrolled"));
    EXPECT_FALSE(Preferences::isControlledType("Controlled2"));
    EXPECT_FALSE(Preferences::isControlledType(""));
}

TEST_F(PreferencesTest, WritesGoToThePreferencesSectionAndReadBack) {
    writeFile("[Core DXPs]\r\n4.10:CLIB.DXP=4.11\r\n\r\n");
    Preferences prefs(DataDirectory::controlledDatabasePath());
    prefs.setHeight(600);
    prefs.setWidth(800);
    prefs.setRootDir("D:\\reports\\");
    prefs.setRecentFiles({"a.txt", "b.txt"});
    prefs.setInitialized(1);
    prefs.setDbType("Uncontrolled");
    prefs.setFrequency(2);
    prefs.setLastUpdateType("Manual");
    prefs.setDbDateOnRemoteSite("2005-02-18");

    EXPECT_EQ(prefs.height(), 600);
    EXPECT_EQ(prefs.width(), 800);
    EXPECT_EQ(prefs.rootDir(), "D:\\reports\\");
    EXPECT_EQ(prefs.recentFiles(), QStringList({"a.txt", "b.txt", "", "", ""}));
    EXPECT_EQ(prefs.initialized(), 1);
    EXPECT_FALSE(Preferences::isControlledType(prefs.dbType()));
    EXPECT_EQ(prefs.frequency(), 2);
    EXPECT_EQ(prefs.lastUpdateType(), "Manual");
    EXPECT_EQ(prefs.dbDateOnRemoteSite(), "2005-02-18");
    EXPECT_EQ(prefs.file().readSectionKeys("Preferences"),
              QStringList({"Height", "Width", "RootDir", "Hist1", "Hist2", "Hist3", "Hist4",
                           "Hist5", "Initialized", "DBType", "Frequency", "LastUpdateType",
                           "DBDateOnRemoteSite"}));
    EXPECT_EQ(prefs.file().readString("Core DXPs", "4.10:CLIB.DXP", ""), "4.11");
}
