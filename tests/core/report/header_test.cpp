#include "reportparsing.h"

namespace {

const char* const FullHeader =
    "Quarix File Server Configuration Report Created: 01-02-1997 10:00\n"
    "Quarix File Server Configuration Report.  [Produced by CFGDUMP.DXP  Version 2.13]\n"
    "Server name...............: FS9  \n"
    "OS Version................:  v4.11   \n"
    "Server Up Time(D:H:M:Sec).: 3:04:05:06\n"
    "Licensed Connections......: 25\n"
    "Internal Net. Addr........: 1234ABCD\n"
    "Node Address..............: 00001B2C4D5E\n"
    "Processor.................: Pentium 133\n"
    "Engine Type...............: MSENGINE primary\n"
    "Total Server memory.......: 268435456 bytes\n"
    "Cache Buffer Size.........: 4096\n"
    "Dirty Cache Buffers.......: 12\n"
    "Current Disk Requests.....: 0\n"
    "LRU Sitting Time..........: 1:02:03:04\n"
    "Server name...............: LATE\n"
    "Licensed Connections......: 999\n";

const QString LowLru = QStringLiteral("Add more memory to server. LRU Sitting Time < 15 min.");

}  // namespace

TEST(ReportHeader, LabelsFillTheModelAndTheViewsOnceTheHeaderEnds) {
    // No title line: header labels are read from the first line on.
    auto p = parseText(FullHeader);
    const ServerModel& m = p->model;
    EXPECT_EQ(m.ConfigCreated, "01-02-1997 10:00");
    EXPECT_EQ(m.ProducedBy, "CFGDUMP.DXP  Version 2.13");
    EXPECT_FALSE(m.CompactModuleLines);
    EXPECT_EQ(m.ServerName, "FS9  ");
    EXPECT_EQ(m.OSVersion, "v4.11");
    EXPECT_EQ(m.UpDays, "3");
    EXPECT_EQ(m.UpHours, "04");
    EXPECT_EQ(m.InternalNetAddr, "1234ABCD");
    EXPECT_EQ(m.EngineType, "MSENGINE");
    EXPECT_EQ(m.TotalMemory, "256 MB");
    // The LRU line ended the header: the labels below it are not read.
    EXPECT_EQ(m.LicensedConnections, "25");
    EXPECT_EQ(m.ConfigHeaderCount, 0);

    const MainViews& v = p->views;
    EXPECT_EQ(v.ServNameEdit, "FS9  ");
    EXPECT_EQ(v.OSVerEdit, "v4.11");
    EXPECT_EQ(v.EngTypeEdit, "MSENGINE");
    EXPECT_EQ(v.IntNetEdit, "1234ABCD");
    EXPECT_EQ(v.TotMemEdit, "256 MB");
    EXPECT_EQ(v.LicEdit, "25");
    EXPECT_EQ(v.ConfigDateLabel, "- Config created 01-02-1997 10:00");
    EXPECT_EQ(v.ConfigDXPLabel, "- Produced by CFGDUMP.DXP  Version 2.13");
    EXPECT_EQ(v.SuggestionGroupBox, "Suggestions for server FS9 ");
    EXPECT_EQ(v.CompareConfigLabel, "");
    EXPECT_EQ(p->hooks.calls, QStringList({"ReadCoreModuleList", "RefreshBaselineControls",
                                           "CheckModuleCurrency"}));

    // The compare caption needs both a baseline server and a load started by the compare.
    for (bool baseline : {false, true}) {
        for (bool byCompare : {false, true}) {
            Parsed c;
            c.hooks.baseline = baseline;
            c.load(testsupport::lines(QString::fromUtf8(FullHeader)), byCompare);
            EXPECT_EQ(c.views.CompareConfigLabel,
                      baseline && byCompare ? "Compare Config...from server: FS9" : "");
        }
    }

    // A value is cut at 255 characters; a line holding two labels uses the first of the table.
    auto q = parseText(QStringLiteral("Server name...............: ") + QString(300, u'N') +
                       QStringLiteral("\nOS Version................: v4.10 Licensed "
                                      "Connections......: 7\n"));
    EXPECT_EQ(q->model.ServerName, QString(255, u'N'));
    EXPECT_EQ(q->model.OSVersion, "4.10 Licensed Connections......: 7");
    EXPECT_EQ(q->model.LicensedConnections, "");
}

TEST(ReportHeader, EndConditionsLookAFixedNumberOfLinesAhead) {
    // "Engine Type" one line below the net address instead of three: the header ends there.
    auto p = parseText(
        "Server name...............: A\n"
        "Internal Net. Addr........: 0101\n"
        "Engine Type...............: NATIVE\n"
        "Total Server memory.......: 64 MB\n");
    EXPECT_EQ(p->model.EngineType, "");
    EXPECT_EQ(p->model.TotalMemory, "");
    EXPECT_EQ(p->views.ServNameEdit, "A");
    EXPECT_EQ(p->views.IntNetEdit, "0101");

    // After the memory line the header goes on only when "LRU Sitting Time" is four lines down.
    const char* const afterMemory =
        "Server Up Time(D:H:M:Sec).: 2:00:00:00\n"
        "Total Server memory.......: 64 MB\n"
        "Licensed Connections......: 10\n"
        "x\n"
        "%1LRU Sitting Time..........: 0:00:01:00\n";
    auto on = parseText(QString::fromUtf8(afterMemory).arg("y\n"));
    EXPECT_EQ(on->model.LicensedConnections, "10");
    EXPECT_EQ(on->suggestions(), QStringList{LowLru});
    EXPECT_EQ(on->views.TotMemEdit, "64 MB");
    auto off = parseText(QString::fromUtf8(afterMemory).arg(""));
    EXPECT_EQ(off->model.LicensedConnections, "");
    EXPECT_TRUE(off->suggestions().isEmpty());
    EXPECT_EQ(off->views.TotMemEdit, "64 MB");

    // A header that never ends fills the model from anywhere in the file but shows nothing.
    auto open = parseText(
        "Quarix File Server Configuration Report For Server: B\n"
        "Server name...............: B\n"
        "Top of Module Listing\n"
        "CLIB.DXP\n"
        "------\n"
        "Licensed Connections......: 42\n");
    EXPECT_EQ(open->model.ServerName, "B");
    EXPECT_EQ(open->model.LicensedConnections, "42");
    EXPECT_EQ(open->model.OtherModuleCount, 1);
    for (const QString& shown : {open->views.ServNameEdit, open->views.LicEdit,
                                 open->views.ConfigDateLabel, open->views.ConfigDXPLabel}) {
        EXPECT_EQ(shown, "");
    }
}

TEST(ReportHeader, MemoryIsShownInWholeMegabytesRoundedUp) {
    const QList<std::pair<const char*, const char*>> cases = {
        {"268435456", "256 MB"}, {"268435457 bytes", "257 MB"}, {"267386880 bytes", "255 MB"},
        {"1048576.5", "2 MB"},   {"512 MB", "512 MB"},          {"1536.5 MB total", "1536.5 MB"},
    };
    for (const auto& [value, shown] : cases) {
        auto p = parseText(QStringLiteral("Total Server memory.......: ") + value);
        EXPECT_EQ(p->model.TotalMemory, shown) << value;
        EXPECT_EQ(p->error, "");
    }
}

TEST(ReportHeader, LowLruSittingTimeIsSuggestedOnlyOnceTheServerHasBeenUpAnHour) {
    struct Case {
        const char* upTime;  // nullptr: no up-time line
        const char* lru;
        bool suggested;
    };
    const Case cases[] = {
        {"0:00:30:00", "0:00:10:00", false},  {"2:00:00:00", "0:00:10:00", true},
        {nullptr, "0:00:10:00", false},       {"0:01:00:00", "0:00:14:59", true},
        {"0:01:00:00", "0:00:15:00", false},  {"5:00:00:00", "0:01:05:00", false},
        {"5:00:00:00", "1:00:05:00", false},  {"0:00:30:00", "850 seconds", true},
        {"9:00:00:00", "900 seconds", false}, {"0:00:30:00", "0:xx:10:00", false},
    };
    for (const Case& c : cases) {
        QString text;
        if (c.upTime) {
            text += QStringLiteral("Server Up Time(D:H:M:Sec).: ") + c.upTime + u'\n';
        }
        text += QStringLiteral("LRU Sitting Time..........: ") + c.lru + u'\n';
        auto p = parseText(text);
        EXPECT_EQ(p->suggestions(), c.suggested ? QStringList{LowLru} : QStringList())
            << c.lru << " up " << (c.upTime ? c.upTime : "-");
        EXPECT_EQ(p->error, "");
    }
    auto p = parseText("LRU Sitting Time..........: 850 seconds");
    EXPECT_EQ(p->model.Suggestions, QStringList({QStringLiteral(" \u2022 ") + LowLru, " "}));
}

TEST(ReportHeader, ConversionErrorsEndTheParseAndKeepWhatWasBuilt) {
    const QList<std::pair<const char*, const char*>> cases = {
        {"Total Server memory.......: abc bytes", "'abc' is not a valid floating point value"},
        {"Total Server memory.......:  268435456", "'' is not a valid floating point value"},
        {"LRU Sitting Time..........: 85O seconds", "'85O' is not a valid integer value"},
        {"LRU Sitting Time..........: 0:1O:00:00", "'1O' is not a valid integer value"},
    };
    for (const auto& [line, message] : cases) {
        auto p = parseText(QStringLiteral("Server name...............: FS1\n"
                                          "Server Up Time(D:H:M:Sec).: 1:00:00:00\n") +
                           line +
                           QStringLiteral("\nLicensed Connections......: 10\n"
                                          "Top of Module Listing\nCLIB.DXP\n"));
        EXPECT_EQ(p->error, message);
        EXPECT_EQ(p->model.ServerName, "FS1");
        EXPECT_EQ(p->model.LicensedConnections, "");
        EXPECT_EQ(p->model.OtherModuleCount, 0);
        EXPECT_EQ(p->views.ServNameEdit, "");
        EXPECT_EQ(p->views.StatusPanels[3], "");
        EXPECT_FALSE(p->hooks.calls.contains("CheckModuleCurrency"));
    }
    // The up time is read as a number only when the sitting time needs it.
    auto p = parseText(
        "Server Up Time(D:H:M:Sec).: x:00:00:00\n"
        "LRU Sitting Time..........: 0:00:10:00\n");
    EXPECT_EQ(p->error, "'x' is not a valid integer value");
}

TEST(ReportHeader, CountsAndStatusPanelsUseSingularOnlyForOne) {
    auto none = parseText("");
    EXPECT_EQ(none->views.StatusPanels[3], "0 module listings found.");
    EXPECT_EQ(none->views.StatusPanels[4], "0 config headers found.");
    EXPECT_EQ(none->views.PatchesLabel, "Patches: 0");
    EXPECT_EQ(none->views.OtherDXPLabel, "Other DXPs: 0");
    EXPECT_EQ(none->views.SuggestionGroupBox, "Suggestions");
    EXPECT_EQ(none->hooks.calls, QStringList({"ReadCoreModuleList", "CheckModuleCurrency"}));

    auto one = parseText(
        "Quarix File Server Configuration Report For Server: C\n"
        "Top of Modules List\n"
        "DSFIX.DXP\n"
        "CLIB.DXP\n");
    EXPECT_EQ(one->views.StatusPanels[3], "1 module listing found.");
    EXPECT_EQ(one->views.StatusPanels[4], "1 config header found.");
    EXPECT_EQ(one->views.PatchesLabel, "Patches: 1");
    EXPECT_EQ(one->views.OtherDXPLabel, "Other DXPs: 1");
}
