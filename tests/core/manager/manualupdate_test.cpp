// The main window's update of the controlled database from a manually downloaded file.
#include "managertest.h"

#include "ini/inifile.h"
#include "ini/inilines.h"
#include "settings/lastdbdownload.h"
#include "settings/preferences.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTimeZone>

namespace {

const QString SyncQuestion =
    QStringLiteral("Sync Custom Database with Quarix-controlled Database?");
const QString Complete = QStringLiteral("Manual update of Quarix-controlled database complete.");
// What the downloaded fixture holds below its [Preferences] section, byte for byte.
const QByteArray DownloadedSections =
    "[411pt2.txt : 2 native patches]\r\n1=DSFIX.DXP\r\n2=SPXFX2.DXP\r\n\r\n"
    "[Core DXPs]\r\n4.11:CLIB.DXP=4.11f\r\n\r\n"
    "[File Sets]\r\n4.11:CLIB.DXP=LIBUP9.EXE\r\n\r\n";

}  // namespace

TEST_F(ManagerTest, AManualUpdateFromAMissingFileStopsWithAnError) {
    const QByteArray before = read(controlledPath());
    const QString missing = workPath("dl/cartvxdb.ini");
    int synced = 0;
    engine().synchroniseCustomEntries = [&] { ++synced; };
    m_dialogs.setDefaultAnswer(true);
    EXPECT_FALSE(engine().manualUpdate(missing));
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(m_dialogs.messages()[0].text, "File " + missing + " does not exist!");
    EXPECT_EQ(read(controlledPath()), before);
    EXPECT_EQ(synced, 0);
    EXPECT_EQ(LastDbDownload::readDays(), LastDbDownload::kMissingDays);
}

TEST_F(ManagerTest, AManualUpdateReplacesTheControlledFileAndWritesTheSettingsBack) {
    const QString report =
        workPath("reports/oak.txt");  // an opened report: the file history to write back
    write(report, managerreports::longForm("4.11", {{"CLIB.DXP", "4.11c"}}));
    ASSERT_TRUE(engine().openReport(report).completed);
    useUncontrolled();
    takeMessages();

    const QString chosen = copyFixture("databases/cartvxdb.ini");
    int synced = 0;
    engine().synchroniseCustomEntries = [&] { ++synced; };
    m_dialogs.queueAnswer(Answer::Yes);
    EXPECT_TRUE(engine().manualUpdate(chosen));

    ASSERT_EQ(m_dialogs.messages().size(), 2);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(m_dialogs.messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(m_dialogs.messages()[0].text, SyncQuestion);
    EXPECT_EQ(m_dialogs.messages()[1].kind, MessageKind::Information);
    EXPECT_EQ(m_dialogs.messages()[1].text, Complete);
    EXPECT_EQ(synced, 1);

    // The downloaded content replaced the default database...
    const QByteArray bytes = read(controlledPath());
    EXPECT_TRUE(bytes.startsWith("[Preferences]\r\nDBFormat=1.0\r\nUpgrade=None\r\n"))
        << bytes.toStdString();
    EXPECT_TRUE(bytes.contains(DownloadedSections)) << bytes.toStdString();
    EXPECT_FALSE(bytes.contains("410pt6.txt : 70 native patches"));
    // ... and the settings were written into its [Preferences].
    const Preferences prefs(controlledPath());
    EXPECT_EQ(prefs.frequency(), 2);
    EXPECT_EQ(prefs.initialized(), 1);
    EXPECT_EQ(prefs.lastUpdateType(), "Manual");
    EXPECT_EQ(prefs.dbType(), "Controlled");
    EXPECT_EQ(prefs.dbFormat(), "1.0");
    EXPECT_EQ(prefs.recentFiles().first(), report);
    const IniFile controlled(controlledPath());
    EXPECT_EQ(controlled.readString("Preferences", "Frequency", ""), "2");
    EXPECT_EQ(controlled.readString("Preferences", "Initialized", ""), "1");
    EXPECT_EQ(controlled.readString("Preferences", "LastUpdateType", ""), "Manual");
    EXPECT_EQ(LastDbDownload::readDate(), QDate::currentDate());

    // The controlled database is current again, in both files' DBType.
    EXPECT_FALSE(databases().UncontrolledMode());
    EXPECT_EQ(databases().currentPath(), controlledPath());
    EXPECT_EQ(Preferences(uncontrolledPath()).dbType(), "Controlled");
    // The chosen file is left as it was.
    EXPECT_EQ(read(chosen), fixture("databases/cartvxdb.ini"));

    // The next load checks against the new versions.
    takeMessages();
    ASSERT_TRUE(engine().openReport(report).completed);
    EXPECT_EQ(findingsIn(engine().model().Suggestions),
              QList<QStringList>({finding("CLIB.DXP", "4.11f", "4.11c", "LIBUP9.EXE")}));
}

TEST_F(ManagerTest, AManualUpdateAnsweredNoDoesNotSynchronise) {
    const QString chosen = copyFixture("databases/cartvxdb.ini");
    int synced = 0;
    engine().synchroniseCustomEntries = [&] { ++synced; };
    m_dialogs.queueAnswer(Answer::No);
    EXPECT_TRUE(engine().manualUpdate(chosen));
    EXPECT_EQ(takeMessages(), QStringList({SyncQuestion, Complete}));
    EXPECT_EQ(synced, 0);
    EXPECT_TRUE(read(controlledPath()).contains(DownloadedSections));
}

TEST_F(ManagerTest, AManualUpdateWithoutASynchroniserStillCompletes) {
    const QString chosen = copyFixture("databases/cartvxdb.ini");
    engine().synchroniseCustomEntries = nullptr;
    m_dialogs.queueAnswer(Answer::Yes);
    EXPECT_TRUE(engine().manualUpdate(chosen));
    EXPECT_EQ(takeMessages(), QStringList({SyncQuestion, Complete}));
}

TEST(ManualUpdateCopy, TheCopyGetsTheSourcesModificationTime) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString from = dir.filePath("download/cartvxdb.ini");
    const QString to = dir.filePath("quarixdb.ini");
    ManagerTest::write(from, ManagerTest::fixture("databases/cartvxdb.ini"));
    ManagerTest::write(to, "[Core DXPs]\r\n4.10:CLIB.DXP=4.11\r\n\r\n");
    const QDateTime stamp(QDate(2001, 2, 3), QTime(4, 5, 6), QTimeZone::utc());
    {
        QFile source(from);
        ASSERT_TRUE(source.open(QIODevice::ReadWrite));
        ASSERT_TRUE(source.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(IniLines::copyKeepingTime(from, to));
    EXPECT_EQ(ManagerTest::read(to), ManagerTest::fixture("databases/cartvxdb.ini"));
    EXPECT_EQ(QFileInfo(to).lastModified().toUTC(), stamp);
    EXPECT_EQ(QFileInfo(from).lastModified().toUTC(), stamp);
}

TEST_F(ManagerTest, AManualUpdateDeletesAnOldLocalDownloadFileFirst) {
    const QString old = workPath("dl/old-download.ini");
    write(old, "[Core DXPs]\r\n4.11:CLIB.DXP=4.11a\r\n\r\n");
    IniFile(controlledPath()).writeString("Preferences", "LocalFile", old);
    const QString chosen = copyFixture("databases/cartvxdb.ini");
    m_dialogs.queueAnswer(Answer::No);
    EXPECT_TRUE(engine().manualUpdate(chosen));
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_TRUE(read(controlledPath()).contains(DownloadedSections));
    EXPECT_EQ(takeMessages(), QStringList({SyncQuestion, Complete}));
}

TEST_F(ManagerTest, AManualUpdateFromTheLocalDownloadFileItselfUsesItBeforeAnythingIsDeleted) {
    const QString chosen = copyFixture("databases/cartvxdb.ini");
    // The same file under another spelling of its path.
    IniFile(controlledPath())
        .writeString("Preferences", "LocalFile",
                     QFileInfo(chosen).absolutePath() + "/./" + QFileInfo(chosen).fileName());
    m_dialogs.queueAnswer(Answer::No);
    EXPECT_TRUE(engine().manualUpdate(chosen));
    EXPECT_EQ(takeMessages(), QStringList({SyncQuestion, Complete}));
    EXPECT_TRUE(read(controlledPath()).contains(DownloadedSections));
    EXPECT_EQ(Preferences(controlledPath()).lastUpdateType(), "Manual");
    EXPECT_EQ(read(chosen), fixture("databases/cartvxdb.ini"));
}

TEST_F(ManagerTest, AManualUpdateFromQuarixdbItselfKeepsItWhenItIsTheDefaultLocalFile) {
    // Without a LocalFile key the local download file is quarixdb.ini: choosing that file must
    // not delete it.
    write(controlledPath(), fixture("databases/cartvxdb.ini"));
    ASSERT_EQ(IniFile(controlledPath()).readString("Preferences", "LocalFile", "<none>"), "<none>");
    useUncontrolled();
    takeMessages();
    m_dialogs.queueAnswer(Answer::No);
    EXPECT_TRUE(engine().manualUpdate(controlledPath()));
    EXPECT_EQ(takeMessages(), QStringList({SyncQuestion, Complete}));
    ASSERT_TRUE(QFile::exists(controlledPath()));
    EXPECT_TRUE(read(controlledPath()).contains(DownloadedSections));
    const Preferences prefs(controlledPath());
    EXPECT_EQ(prefs.frequency(), 2);
    EXPECT_EQ(prefs.initialized(), 1);
    EXPECT_EQ(prefs.lastUpdateType(), "Manual");
    EXPECT_FALSE(databases().UncontrolledMode());
}
