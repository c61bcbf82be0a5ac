// Sync Databases, Check Sync Status and the manual update's synchronisation.
#include "customtest.h"

#include "ini/inifile.h"

namespace {

const QString Complete =
    QStringLiteral("Database Sync Complete.\r\n\r\nRestart Cartovex for changes to take effect.");
const QString InSync = QStringLiteral("Databases appear synchronized.");
const QString NotInSync = QStringLiteral(
    "Databases ARE NOT synchronized.\r\nClick the 'Sync Databases' button to sync databases.");

const QByteArray CustomDb =
    "[Custom Entries]\r\n"
    "4.11:+CLIB.DXP=4.12\r\n"
    "* 4.10:+OLD.DXP=1.00\r\n"
    "3.12:+NE2000.LAN=3.10\r\n"
    "\r\n"
    "[Custom FileSets]\r\n"
    "4.11:+CLIB.DXP=LIBUP12.EXE\r\n"
    "3.12:+NE2000.LAN=NE2K.ZIP\r\n"
    "\r\n";

}  // namespace

TEST_F(CustomTest, SyncCopiesEntriesAndFileSetsInSixStagesWithoutComments) {
    writeUncontrolled(CustomDb);
    writeControlled(
        "[Core DXPs]\r\n4.11:CLIB.DXP=4.11f\r\n4.11:+CLIB.DXP=4.11g\r\n\r\n"
        "[File Sets]\r\n4.11:CLIB.DXP=LIBUP9.EXE\r\n\r\n[412pt1.txt : 1 native "
        "patches]\r\n1=LOADFX.DXP\r\n\r\n");
    page().SyncDatabases();
    EXPECT_EQ(takeMessages(), QStringList({Complete}));
    EXPECT_EQ(m_progress.calls,
              QStringList({"start 6", "step", "step", "step", "step", "step", "step", "finish"}));
    EXPECT_EQ(read(controlledPath()),
              "[Core DXPs]\r\n4.11:CLIB.DXP=4.11f\r\n4.11:+CLIB.DXP=4.12\r\n"
              "3.12:+NE2000.LAN=3.10\r\n\r\n"
              "[File Sets]\r\n4.11:CLIB.DXP=LIBUP9.EXE\r\n4.11:+CLIB.DXP=LIBUP12.EXE\r\n"
              "3.12:+NE2000.LAN=NE2K.ZIP\r\n\r\n"
              "[412pt1.txt : 1 native patches]\r\n1=LOADFX.DXP\r\n\r\n");
    // The manager shows the current database with the copied entries.
    EXPECT_TRUE(engine().manager().databaseText().contains("3.12:+NE2000.LAN=3.10"));
    EXPECT_EQ(engine().manager().locationLabel(), controlledPath());
}

TEST_F(CustomTest, SyncFillsASectionThatEndsAtTheEndOfTheFile) {
    writeUncontrolled(CustomDb);
    writeControlled(
        "[File Sets]\r\n4.11:CLIB.DXP=LIBUP9.EXE\r\n\r\n[Core DXPs]\r\n"
        "4.11:CLIB.DXP=4.11f");
    page().SyncDatabases();
    EXPECT_EQ(takeMessages(), QStringList({Complete}));
    const IniFile controlled(controlledPath());
    EXPECT_EQ(controlled.readString("Core DXPs", "4.11:+CLIB.DXP", ""), "4.12");
    EXPECT_EQ(controlled.readString("Core DXPs", "3.12:+NE2000.LAN", ""), "3.10");
    EXPECT_EQ(controlled.readString("File Sets", "3.12:+NE2000.LAN", ""), "NE2K.ZIP");
    EXPECT_TRUE(read(controlledPath())
                    .endsWith("4.11:CLIB.DXP=4.11f\r\n4.11:+CLIB.DXP=4.12\r\n"
                              "3.12:+NE2000.LAN=3.10\r\n"));
}

TEST_F(CustomTest, SyncWarnsOfAMissingSectionAndCreatesNone) {
    writeUncontrolled(CustomDb);
    const QByteArray controlled = "[Core DXPs]\r\n4.11:CLIB.DXP=4.11f\r\n\r\n";
    writeControlled(controlled);
    page().SyncDatabases();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Warning);
    EXPECT_TRUE(m_dialogs.messages()[0].text.startsWith("No [File Sets] section found"))
        << m_dialogs.messages()[0].text.toStdString();
    EXPECT_EQ(read(controlledPath()),
              "[Core DXPs]\r\n4.11:CLIB.DXP=4.11f\r\n4.11:+CLIB.DXP=4.12\r\n"
              "3.12:+NE2000.LAN=3.10\r\n\r\n");
    EXPECT_EQ(m_progress.calls.last(), "finish");

    // A section closed by the next header receives nothing and no warning: the scan looks on.
    const QByteArray closedByHeader =
        "[Core DXPs]\r\n4.11:CLIB.DXP=4.11f\r\n[File Sets]\r\n"
        "4.11:CLIB.DXP=LIBUP9.EXE\r\n[Other]\r\nk=v\r\n";
    writeControlled(closedByHeader);
    takeMessages();
    page().SyncDatabases();
    EXPECT_EQ(takeMessages(), QStringList({Complete}));
    EXPECT_EQ(read(controlledPath()), closedByHeader);

    // Both sections missing: a warning for each instead of the completion, also with nothing
    // to copy, and the file stays as it was.
    writeUncontrolled("[Preferences]\r\nDBType=Controlled\r\n\r\n");
    writeControlled("[Preferences]\r\nDBFormat=1.0\r\n\r\n");
    page().SyncDatabases();
    ASSERT_EQ(m_dialogs.messages().size(), 2);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Warning);
    EXPECT_TRUE(m_dialogs.messages()[0].text.startsWith("No [Core DXPs] section found"));
    EXPECT_EQ(m_dialogs.messages()[1].kind, MessageKind::Warning);
    EXPECT_TRUE(m_dialogs.messages()[1].text.startsWith("No [File Sets] section found"));
    EXPECT_EQ(read(controlledPath()), "[Preferences]\r\nDBFormat=1.0\r\n\r\n");
}

TEST_F(CustomTest, SyncWithTheUncontrolledDatabaseCurrentScansAndWritesQuarixdb) {
    // CARTOVEX.INI has a closed Core DXPs section, quarixdb.ini one at the end of the file.
    writeUncontrolled(CustomDb + "[Core DXPs]\r\n4.10:CLIB.DXP=4.11\r\n\r\n");
    writeControlled("[File Sets]\r\n\r\n[Core DXPs]\r\n4.11:CLIB.DXP=4.11f");
    engine().databases().SelectUncontrolledDatabase();
    const QByteArray longValue = "4.12 (" + QByteArray(50, 'b') + ")";
    IniFile(uncontrolledPath()).writeString("Custom Entries", "4.11:+CLIB.DXP", longValue);
    takeMessages();
    page().SyncDatabases();
    EXPECT_EQ(takeMessages(), QStringList({Complete}));
    const IniFile controlled(controlledPath());
    EXPECT_EQ(controlled.readString("Core DXPs", "4.11:+CLIB.DXP", ""), longValue);
    EXPECT_EQ(controlled.readString("File Sets", "4.11:+CLIB.DXP", ""), "LIBUP12.EXE");
    EXPECT_EQ(IniFile(uncontrolledPath()).readSectionKeys("Core DXPs"),
              QStringList({"4.10:CLIB.DXP"}));
    EXPECT_EQ(engine().manager().locationLabel(), uncontrolledPath());
}

TEST_F(CustomTest, CheckSyncStatusComparesOnlyTheFirstAndTheLastRow) {
    page().CheckSyncStatus();
    EXPECT_EQ(takeMessages(), QStringList({InSync}));

    writeUncontrolled(
        "[Custom Entries]\r\n3.12:+A.DXP=1.00\r\n4.10:+M.DXP=2.00\r\n"
        "5.00:+Z.DXP=3.00a\r\n\r\n");
    writeControlled(
        "[Core DXPs]\r\n3.12:+A.DXP=1.00\r\n4.10:+M.DXP=9.99\r\n"
        "5.00:+Z.DXP=3.00A\r\n\r\n");
    page().activate();
    takeMessages();
    page().CheckSyncStatus();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(m_dialogs.messages()[0].text, InSync);

    IniFile(controlledPath()).writeString("Core DXPs", "3.12:+A.DXP", "1.01");
    takeMessages();
    page().CheckSyncStatus();
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages()[0].kind, MessageKind::Warning);
    EXPECT_EQ(m_dialogs.messages()[0].text, NotInSync);

    // A key missing from the controlled file is a difference too.
    writeControlled("[Core DXPs]\r\n3.12:+A.DXP=1.00\r\n\r\n");
    takeMessages();
    page().CheckSyncStatus();
    EXPECT_EQ(takeMessages(), QStringList({NotInSync}));
}

TEST_F(CustomTest, TheManualUpdatesYesBringsTheCustomEntriesBack) {
    writeUncontrolled(CustomDb);
    const QString chosen = m_home.filePath("download/cartvxdb.ini");
    write(chosen,
          "[Preferences]\r\nDBFormat=1.0\r\n\r\n[Core DXPs]\r\n4.11:CLIB.DXP=4.11f\r\n\r\n"
          "[File Sets]\r\n4.11:CLIB.DXP=LIBUP9.EXE\r\n\r\n");
    m_dialogs.queueAnswer(Answer::Yes);
    ASSERT_TRUE(engine().manualUpdate(chosen));
    EXPECT_EQ(takeMessages(),
              QStringList({"Sync Custom Database with Quarix-controlled Database?", Complete,
                           "Manual update of Quarix-controlled database complete."}));
    const IniFile controlled(controlledPath());
    EXPECT_EQ(controlled.readString("Core DXPs", "4.11:+CLIB.DXP", ""), "4.12");
    EXPECT_EQ(controlled.readString("Core DXPs", "3.12:+NE2000.LAN", ""), "3.10");
    EXPECT_EQ(controlled.readString("File Sets", "4.11:+CLIB.DXP", ""), "LIBUP12.EXE");
    EXPECT_EQ(controlled.readString("Core DXPs", "4.10:+OLD.DXP", "none"), "none");
}
