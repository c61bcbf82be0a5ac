#include "pipelinetest.h"

#include "ini/inifile.h"
#include "report/recentfilelist.h"

#include <QFile>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList storedHistory(const QString& iniPath) {
    const IniFile ini(iniPath);
    QStringList out;
    for (int n = 1; n <= 5; ++n) {
        out.append(ini.readString("Preferences", QStringLiteral("Hist%1").arg(n), "<missing>"));
    }
    return out;
}

}  // namespace

TEST_F(PipelineTest, OpeningAListedFileAgainKeepsTheListAndItsFileAsTheyWere) {
    QStringList paths;
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}) {
        paths.append(writeReport(QLatin1String(name), reports::build()));
        engine().openReport(paths.last());
    }
    const QStringList order = {paths[4], paths[3], paths[2], paths[1], paths[0]};
    ASSERT_EQ(engine().recentFiles().entries(), order);
    const QByteArray settings = fileBytes(controlledPath());

    for (const QString& again : {paths[4], paths[1], paths[0]}) {  // entries 1, 4 and 5
        EXPECT_TRUE(engine().openReport(again).completed);
        EXPECT_EQ(engine().recentFiles().entries(), order);
        EXPECT_EQ(fileBytes(controlledPath()), settings);
    }
}

TEST_F(PipelineTest, ASixthFileDropsTheOldestAndAllFiveAreStoredForTheNextStart) {
    QStringList paths;
    for (int k = 1; k <= 6; ++k) {
        paths.append(writeReport(QStringLiteral("server%1.txt").arg(k), reports::build()));
        engine().openReport(paths.last());
        if (k == 2) {
            EXPECT_EQ(storedHistory(controlledPath()),
                      QStringList({paths[1], paths[0], "", "", ""}));
        }
    }
    const QStringList expected = {paths[5], paths[4], paths[3], paths[2], paths[1]};
    EXPECT_EQ(engine().recentFiles().entries(), expected);
    EXPECT_EQ(storedHistory(controlledPath()), expected);
    // The history is the settings store's, not the uncontrolled database's.
    EXPECT_EQ(IniFile(m_home.filePath("CARTOVEX.INI")).readString("Preferences", "Hist1", "none"),
              "none");

    restartEngine();
    EXPECT_EQ(engine().recentFiles().entries(), expected);
    takeMessages();
    EXPECT_TRUE(engine().openRecent(5).completed);
    EXPECT_EQ(engine().model().ConfigFileName, paths[1]);
    EXPECT_EQ(engine().recentFiles().entries(), expected);
}

TEST_F(PipelineTest, DuplicatesAreFoundIgnoringTheCaseOfAsciiLettersOnly) {
    RecentFileList list(controlledPath());
    list.load();
    EXPECT_TRUE(list.add("/srv/Reports/Config.TXT"));
    EXPECT_FALSE(list.add("/SRV/reports/config.txt"));
    EXPECT_TRUE(list.add("/srv/reports/caf\u00e9.txt"));
    EXPECT_TRUE(list.add("/srv/reports/CAF\u00c9.TXT"));  // É is not é under ASCII rules
    EXPECT_FALSE(list.add("/srv/reports/CAF\u00e9.TXT"));
    EXPECT_EQ(list.entries(),
              QStringList({"/srv/reports/CAF\u00c9.TXT", "/srv/reports/caf\u00e9.txt",
                           "/srv/Reports/Config.TXT", "", ""}));

    // Through the open command on a case-sensitive file system: two files, one entry.
    const QString lower = writeReport("acct.txt", reports::build());
    const QString upper = writeReport("ACCT.TXT", reports::build());
    engine().openReport(lower);
    engine().openReport(upper);
    EXPECT_EQ(engine().recentFiles().entries(), QStringList({lower, "", "", "", ""}));
    EXPECT_EQ(engine().model().ConfigFileName, upper);  // the load itself still happened
}
