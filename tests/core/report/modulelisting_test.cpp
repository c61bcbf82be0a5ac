#include "reportparsing.h"

namespace {

const char* const CompactProducer =
    "Quarix File Server Configuration Report.  [Produced by CFGUTIL.DXP v3.02]\n";

const char* const KitPatchList = R"(Top of Patch List
Patch status reported by PATCHMAN.DXP v3.12
Patch Kit Information:
   Kit: 411PT6   Quarix 4.11 Patch Kit 6

   ZZFIX.DXP       Loaded
   AAFX.DXP        Loaded
-------------------------------------------------------------------------------
BBFIX.DXP
)";

}  // namespace

TEST(ModuleListing, LongEntriesTakeTheVersionLineTwoOrThreeLinesDown) {
    auto p = parseText(R"(*** Top of Module Listing ***
CLIB.DXP
   Daltrix C Library
   Version 4.11b   June 12, 1996
AHA2940.DSK
   Adapter driver
   for Quarix servers
   Version 2.01   May 3, 1996
TCPIP.DXP
   TCP/IP Transport

DSREPAIR.DXP
   Directory Repair
   Version 4.64   November 11, 1998
3C5X9.LAN
   EtherLink III
   Version 1.10   August 30, 1996
clib.dxp  (loaded twice)
 MONITOR.DXP
Mx.DXP
SERVER LOADED MODULES
CLIB.DXP
   Daltrix C Library
   Version 4.11b   JUNE 12, 1996
FIXUP.DXP
   Not a fix
   Version 1.00   May 1, 1996
-------------------------------------------------------------------------------
AFTER.DXP
)");
    const ServerModel& m = p->model;
    EXPECT_EQ(m.OtherModules.lines(), QStringList({
                                          "3C5X9.LAN      Version 1.10   August 30, 1996",
                                          "AHA2940.DSK    Version 2.01   May 3, 1996",
                                          "CLIB.DXP       Version 4.11b   June 12, 1996",
                                          "DSREPAIR.DXP   Version 4.64   November 11, 1998",
                                          "FIXUP.DXP      Version 1.00   May 1, 1996",
                                          "TCPIP.DXP   ",
                                      }));
    // The second CLIB.DXP differs only in case: counted, not listed again.
    EXPECT_EQ(m.OtherModuleCount, 7);
    EXPECT_EQ(m.PatchModuleCount, 0);
    EXPECT_EQ(m.ModuleListingCount, 1);
    EXPECT_EQ(p->views.OtherDXPLabel, "Other DXPs: 7");
}

TEST(ModuleListing, CompactEntriesAndThePatchModuleRule) {
    auto p = parseText(QString::fromUtf8(CompactProducer) + QStringLiteral(R"(Top of Modules List
Module name   Version   Date       Description
NE2KFX.DXP    1.02      02-02-1997 NE2000 LAN Driver Fix
DSFIX.DXP     4.11      01-09-1997 Directory Services Fix
SPXFX2.DXP    4.11      01-30-1997 SPX Retry Fix
MMFIX2.DXP    4.11      01-30-1997 Memory Manager Fix
SPXFX2.DXP    4.11      01-30-1997 SPX Retry Fix
FXTOOL.DXP    1.00      05-05-1996 Fix Tool
LANFX.LAN     1.00      05-05-1996 LAN Fix
VREPAIR.DXP   4.11
)"));
    const ServerModel& m = p->model;
    EXPECT_TRUE(m.CompactModuleLines);
    EXPECT_EQ(m.ProducedBy, "CFGUTIL.DXP v3.02");
    // Patch entries are sorted and keep repeats.
    EXPECT_EQ(m.PatchEntries.lines(), QStringList({
                                          "DSFIX.DXP     4.11      01-09-1997",
                                          "MMFIX2.DXP    4.11      01-30-1997",
                                          "NE2KFX.DXP    1.02      02-02-1997",
                                          "SPXFX2.DXP    4.11      01-30-1997",
                                          "SPXFX2.DXP    4.11      01-30-1997",
                                      }));
    EXPECT_EQ(m.OtherModules.lines(), QStringList({
                                          "FXTOOL.DXP    1.00      05-05-1996",
                                          "LANFX.LAN     1.00      05-05-1996",
                                          "VREPAIR.DXP   4.11",
                                      }));
    EXPECT_EQ(m.PatchModuleCount, 5);
    EXPECT_EQ(p->views.PatchesLabel, "Patches: 5");
    EXPECT_EQ(p->views.OtherDXPLabel, "Other DXPs: 3");
}

TEST(ModuleListing, ListingsEndAboveTheNextDashedLine) {
    auto p = parseText(R"(Top of Module Listing
A1.DXP
B2.DXP
C3.DXP
----------
D4.DXP
Top of Patch List
E5.DXP
Top of Module Listing
F6.DXP
------
Top of Modules List
G7.DXP
)");
    QStringList names;
    for (const QString& entry : p->model.OtherModules.lines()) {
        names << entry.trimmed();
    }
    // The patch list is not a module listing; a marker inside an open listing is no new one;
    // a listing without a dashed line runs to the end of the file.
    EXPECT_EQ(names, QStringList({"A1.DXP", "B2.DXP", "C3.DXP", "E5.DXP", "F6.DXP", "G7.DXP"}));
    EXPECT_EQ(p->model.ModuleListingCount, 2);
}

TEST(ModuleListing, PatchKitListsAreCopiedInReportOrder) {
    auto p = parseText(KitPatchList);
    const ServerModel& m = p->model;
    EXPECT_TRUE(m.HasPatchKitList);
    EXPECT_TRUE(m.PatchesLoaded);
    EXPECT_EQ(m.PatchEntries.lines(), QStringList({
                                          "Patch status reported by PATCHMAN.DXP v3.12",
                                          "Patch Kit Information:",
                                          "   Kit: 411PT6   Quarix 4.11 Patch Kit 6",
                                          "   ZZFIX.DXP       Loaded",
                                          "   AAFX.DXP        Loaded",
                                      }));
    EXPECT_EQ(m.PatchModuleCount, 0);
    EXPECT_EQ(m.ModuleListingCount, 0);
    EXPECT_EQ(p->views.PatchesLabel, "Patches");

    // "No OS patches" three lines down marks a patch-kit list whatever the second line says.
    for (const char* second : {"Patch Kit Information:", "(none)"}) {
        auto q = parseText(QStringLiteral("Top of Patch List\nPatch status\n") + second +
                           QStringLiteral("\nNo OS patches are currently loaded.\n-----\n"));
        EXPECT_TRUE(q->model.HasPatchKitList) << second;
        EXPECT_FALSE(q->model.PatchesLoaded) << second;
        EXPECT_EQ(q->model.PatchEntries.lines(),
                  QStringList({"Patch status", second, "No OS patches are currently loaded."}));
    }
    // On the second line below it is not: the list is read as module lines.
    auto r = parseText(
        "Top of Patch List\nPatch status\nNo OS patches are currently loaded.\nZZFIX.DXP\n"
        "AAFIX.DXP\n-----\n");
    EXPECT_FALSE(r->model.HasPatchKitList);
    EXPECT_EQ(r->model.PatchEntries.lines(), QStringList({"AAFIX.DXP   ", "ZZFIX.DXP   "}));
    EXPECT_EQ(r->views.PatchesLabel, "Patches: 2");

    // A marker on the last line looks ahead past the end and reads empty lines.
    auto last = parseText("Top of Modules List\nA1.DXP\n---\nTop of Patch List");
    EXPECT_FALSE(last->model.HasPatchKitList);
    EXPECT_EQ(last->model.OtherModuleCount, 1);
    EXPECT_EQ(last->views.PatchesLabel, "Patches: 0");
}

TEST(ModuleListing, PatchEntryOrderSurvivesLoadsUntilAPlainPatchList) {
    const QString modules = QStringLiteral("Top of Module Listing\nZZFIX.DXP\nAAFIX.DXP\n---\n");
    const QStringList reportOrder = {"ZZFIX.DXP   ", "AAFIX.DXP   "};
    const QStringList sorted = {"AAFIX.DXP   ", "ZZFIX.DXP   "};

    Parsed p;
    p.load(testsupport::lines(modules));
    EXPECT_EQ(p.model.PatchEntries.lines(), sorted);

    p.load(testsupport::lines(QString::fromUtf8(KitPatchList)));
    EXPECT_EQ(p.model.PatchEntries.order(), PatchEntryList::Order::Report);
    p.load(testsupport::lines(modules));
    EXPECT_FALSE(p.model.HasPatchKitList);
    EXPECT_EQ(p.model.PatchEntries.lines(), reportOrder);
    EXPECT_EQ(p.views.PatchesLabel, "Patches: 2");

    p.load(testsupport::lines(QStringLiteral("Top of Patch List\nX1.DXP\n---\n") + modules));
    EXPECT_EQ(p.model.PatchEntries.lines(), sorted);
    EXPECT_EQ(p.model.PatchEntries.order(), PatchEntryList::Order::Sorted);
}

TEST(ModuleListing, EntriesBeyondPrintableAsciiKeepTheirCharacters) {
    // A tilde and a tab are printable but outside the summary's character classes; the euro
    // sign is a code-page byte (0x80) of its own. Each entry must come out as the report has it.
    auto p =
        parseText(QStringLiteral("*** Top of Module Listing ***\n"
                                 "TILDE~1.DXP\n   Tilde\n   Version 1.00   May 1, 1996\n"
                                 "TABS.DXP\n   Tabs\n   Version 2.00\t  May 2, 1996\n"
                                 "EURO.DXP\n   Euro\n   Version 3.00   \u20AC 3, 1996\n"
                                 "---\n"));
    EXPECT_EQ(p->model.OtherModules.lines(), QStringList({
                                                 "EURO.DXP       Version 3.00   \u20AC 3, 1996",
                                                 "TABS.DXP       Version 2.00\t  May 2, 1996",
                                                 "TILDE~1.DXP    Version 1.00   May 1, 1996",
                                             }));
}
