#include "reportparsing.h"

namespace {

const QString DosDevices = QStringLiteral("No DOS devices should be loaded in CONFIG.SYS.");

// A report that embeds only a CONFIG.SYS with the given lines.
std::unique_ptr<Parsed> withConfigSys(const QStringList& lines) {
    return parseText(QStringLiteral("Top of file. [C:\\CONFIG.SYS]\n") + lines.join(u'\n') +
                     QStringLiteral("\nEnd of file. [C:\\CONFIG.SYS]\n"));
}

}  // namespace

TEST(EmbeddedFiles, EachFileStartsAtItsOffsetAndSkipsSeparators) {
    auto p = parseText(R"(Top of file. [SYS:SYSTEM\ABEND.LOG]
File size: 1,204 bytes
Only the most recent abend is shown.
Server ACCT-FS1 halted
Abend 1 on P00: Page Fault
-------------------------------

Loaded at: CLIB.DXP
End of file. [SYS:SYSTEM\ABEND.LOG]
Top of file. [C:AUTOEXEC.DXS]
File size: 58 bytes
file server name ACCT-FS1
End of file. [C:AUTOEXEC.DXS]
Top of file. [SYS:SYSTEM\AUTOEXEC.DXS]
File size: 412 bytes
-------------------------------
set Time Zone = EST5EDT

mount all
-------------------------------
End of file. [SYS:SYSTEM\AUTOEXEC.DXS]
Top of file. [C:STARTUP.DXS]
File size: 77 bytes
load AHA2940.DSK port=330
End of file. [C:STARTUP.DXS]
Top of file. [C:\CONFIG.SYS]
FILES=40
End of file. [C:\CONFIG.SYS]
Top of file. [C:\AUTOEXEC.BAT]
@ECHO OFF
 -- indented, not a separator
SERVER -NA
End of file. [C:\AUTOEXEC.BAT]
device=C:\DOS\HIMEM.SYS
)");
    const ServerModel& m = p->model;
    EXPECT_TRUE(m.HasAbendLog);
    EXPECT_EQ(m.AbendLogLines,
              QStringList({"Abend 1 on P00: Page Fault", "", "Loaded at: CLIB.DXP"}));
    EXPECT_EQ(m.DosAutoexecDxs, QStringList({"file server name ACCT-FS1"}));
    EXPECT_EQ(m.AutoexecDxs, QStringList({"set Time Zone = EST5EDT", "", "mount all"}));
    EXPECT_EQ(m.StartupDxs, QStringList({"load AHA2940.DSK port=330"}));
    EXPECT_EQ(m.ConfigSys, QStringList({"FILES=40"}));
    EXPECT_EQ(m.AutoexecBat,
              QStringList({"@ECHO OFF", " -- indented, not a separator", "SERVER -NA"}));
    // A device line outside CONFIG.SYS is no concern.
    EXPECT_TRUE(p->suggestions().isEmpty());
}

TEST(EmbeddedFiles, EmptyAndUnendedFiles) {
    const char* const names[] = {"SYS:SYSTEM\\ABEND.LOG",    "C:AUTOEXEC.DXS",
                                 "SYS:SYSTEM\\AUTOEXEC.DXS", "C:STARTUP.DXS",
                                 "C:\\CONFIG.SYS",           "C:\\AUTOEXEC.BAT"};
    QString text;
    for (const char* name : names) {
        text += QStringLiteral("Top of file. [%1]\nEnd of file. [%1]\n").arg(name);
    }
    auto p = parseText(text + QStringLiteral("Free text after the files\n"));
    const ServerModel& m = p->model;
    EXPECT_TRUE(m.HasAbendLog);
    for (const QStringList* list : {&m.AbendLogLines, &m.DosAutoexecDxs, &m.AutoexecDxs,
                                    &m.StartupDxs, &m.ConfigSys, &m.AutoexecBat}) {
        EXPECT_TRUE(list->isEmpty()) << list->join(u'|').toStdString();
    }

    // Without its end marker a file runs to the end of the report.
    auto q = parseText(
        "Top of file. [C:\\AUTOEXEC.BAT]\n@ECHO OFF\nEnd of file. [C:\\CONFIG.SYS]\n"
        "Volume Name\n");
    EXPECT_EQ(q->model.AutoexecBat,
              QStringList({"@ECHO OFF", "End of file. [C:\\CONFIG.SYS]", "Volume Name"}));
    // A marker on the last line turns the file on and reads nothing past the end.
    auto r = parseText("x\nTop of file. [SYS:SYSTEM\\ABEND.LOG]");
    EXPECT_TRUE(r->model.HasAbendLog);
    EXPECT_TRUE(r->model.AbendLogLines.isEmpty());
}

TEST(EmbeddedFiles, DosDevicesInConfigSysAreSuggestedOnceAndNotAfterAMenu) {
    const QList<std::pair<QStringList, bool>> cases = {
        {{"DEVICE=C:\\DOS\\HIMEM.SYS", "DEVICE=C:\\DOS\\EMM386.EXE"}, true},
        {{"FILES=40", "   devicehigh=C:\\DOS\\SETVER.EXE"}, true},
        {{"[menu]", "menuitem=SERVER", "DEVICE=C:\\DOS\\HIMEM.SYS"}, false},
        {{"  [MENU] boot choices", "device=C:\\DOS\\HIMEM.SYS"}, false},
        {{"DEVICE=C:\\DOS\\HIMEM.SYS", "[menu]", "DEVICE=C:\\DOS\\EMM386.EXE"}, true},
        {{"REM DEVICE=C:\\DOS\\HIMEM.SYS", "SHELL=C:\\COMMAND.COM"}, false},
        {{"[common]", "DEVICES=5"}, true},
    };
    for (const auto& [lines, warned] : cases) {
        auto p = withConfigSys(lines);
        EXPECT_EQ(p->suggestions(), warned ? QStringList{DosDevices} : QStringList())
            << lines.join(u'|').toStdString();
        EXPECT_EQ(p->model.ConfigSys, lines);
    }
}
