#include "analysistest.h"

#include "analysis/analysisviews.h"
#include "analysis/colourtable.h"
#include "analysis/loadedmodule.h"

#include <cstring>

using analysisviews::ModuleRow;
using analysisviews::PatchRow;
using colourtable::ModuleColour;

TEST(ColourTable, SetColourPairsFollowTheTableAndStopAtSeven) {
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    const struct {
        Rgb background;
        Rgb text;
    } expected[] = {
        {{0, 255, 255}, black}, {{0, 128, 128}, black}, {{128, 0, 0}, white},
        {{0, 0, 255}, white},   {{255, 0, 255}, white}, {{0, 128, 0}, white},
        {{128, 128, 0}, white}, {{128, 0, 128}, white},
    };
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(colourtable::setColour(i).background, expected[i].background) << i;
        EXPECT_EQ(colourtable::setColour(i).text, expected[i].text) << i;
    }
    EXPECT_EQ(colourtable::setColour(8).background, (Rgb{128, 0, 128}));
    EXPECT_EQ(colourtable::setColour(20).text, white);
}

TEST(ColourTable, ModuleColoursAreYellowAndRedWithBlackText) {
    EXPECT_EQ(colourtable::moduleColour(ModuleColour::Driver).background, (Rgb{255, 255, 0}));
    EXPECT_EQ(colourtable::moduleColour(ModuleColour::Driver).text, (Rgb{0, 0, 0}));
    EXPECT_EQ(colourtable::moduleColour(ModuleColour::OutOfDate).background, (Rgb{255, 0, 0}));
    EXPECT_EQ(colourtable::moduleColour(ModuleColour::OutOfDate).text, (Rgb{0, 0, 0}));
    EXPECT_EQ(colourtable::moduleColourName(ModuleColour::Driver), "yellow");
    EXPECT_EQ(colourtable::moduleColourName(ModuleColour::OutOfDate), "red");
    EXPECT_EQ(colourtable::moduleColourName(ModuleColour::Normal), "");
}

TEST(PatchRows, ASuffixOfColonAndDigitIsStrippedAndGivesTheColour) {
    const QStringList lines{"AFX.DXP      Version 4.10:3", "BFX.DXP      Version 4.10:0",
                            "CFX.DXP      Version 4.10:7", "DFX.DXP      Version 4.10"};
    const QList<PatchRow> rows = analysisviews::patchRows(lines);
    ASSERT_EQ(rows.size(), 4);
    for (int i = 0; i < 4; ++i) {  // the same text from a line held either way
        const QByteArray bytes = lines.at(i).toLatin1();
        EXPECT_EQ(analysisviews::patchText(QStringView(lines.at(i))), rows.at(i).text);
        EXPECT_EQ(analysisviews::patchText(QLatin1String(bytes)), rows.at(i).text);
    }
    EXPECT_EQ(rows.at(0).text, "AFX.DXP      Version 4.10");
    EXPECT_EQ(rows.at(0).colour, 3);
    EXPECT_EQ(rows.at(1).text, "BFX.DXP      Version 4.10");
    EXPECT_EQ(rows.at(1).colour, 0);
    EXPECT_EQ(rows.at(2).text, "CFX.DXP      Version 4.10");
    EXPECT_EQ(rows.at(2).colour, 7);
    EXPECT_EQ(rows.at(3).text, "DFX.DXP      Version 4.10");
    EXPECT_FALSE(rows.at(3).colour.has_value());
}

TEST(PatchRows, ALineWithAColonOfItsOwnIsShownWhole) {
    const QList<PatchRow> rows =
        analysisviews::patchRows({"AFX.DXP  Loaded: yes", "BFX.DXP  12:30", "CFX.DXP  Time 12:3a",
                                  ":", "C:", "DFX.DXP  ver:a"});
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows.at(0).text, "AFX.DXP  Loaded: yes");
    EXPECT_FALSE(rows.at(0).colour.has_value());
    EXPECT_EQ(rows.at(1).text, "BFX.DXP  12:30");
    EXPECT_FALSE(rows.at(1).colour.has_value());
    EXPECT_EQ(rows.at(2).text, "CFX.DXP  Time 12:3a");
    EXPECT_FALSE(rows.at(2).colour.has_value());
    EXPECT_EQ(rows.at(3).text, ":");
    EXPECT_FALSE(rows.at(3).colour.has_value());
    EXPECT_EQ(rows.at(4).text, "C:");
    EXPECT_FALSE(rows.at(4).colour.has_value());
    EXPECT_EQ(rows.at(5).text, "DFX.DXP  ver:a");
    EXPECT_FALSE(rows.at(5).colour.has_value());
}

TEST(PatchRows, ALineWithAColonOfItsOwnKeepsItWhenItCarriesASuffix) {
    const QList<PatchRow> rows = analysisviews::patchRows({"AFX.DXP  Loaded: yes:2"});
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.at(0).text, "AFX.DXP  Loaded: yes");
    EXPECT_EQ(rows.at(0).colour, 2);
}

TEST(CompleteSetRows, RowIHasColourIAndFromTheNinthOnSeven) {
    QStringList sets;
    for (int k = 0; k < 11; ++k) {
        sets << Bullet + QStringLiteral("410pt%1 : 1 native patches").arg(k);
    }
    const QList<PatchRow> rows = analysisviews::completeSetRows(sets);
    ASSERT_EQ(rows.size(), 11);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(rows.at(i).text, sets.at(i));
        EXPECT_EQ(rows.at(i).colour, std::min(i, 7)) << i;
    }
    EXPECT_TRUE(analysisviews::completeSetRows({}).isEmpty());
}

TEST(ModuleRows, DriversAreYellowWithCaseAndRowsBeginningWithAnOutOfDateNameRed) {
    const QStringList modules = {
        "3C5X9.LAN      Version 1.10   August 30, 1996",
        "AHA1540.DSK    Version 3.00   May 5, 1994",
        "CDROM.CDM      Version 1.00",
        "CPQSCSI.HAM    Version 2.00",
        "CLIB.DXP       Version 4.10   May 2, 1998",
        "DS.DXP         Version 5.73",
        "NE2000.LAN     Version 3.31",
        "lower.lan      Version 1.00",
        "MONITOR.DXP    uses CLIB.DXP",
        "clib.dxp       Version 4.10",
    };
    const QStringList outOfDate = {"CLIB.DXP", "NE2000.LAN", ""};
    const QList<ModuleRow> rows = analysisviews::moduleRows(modules, outOfDate);
    ASSERT_EQ(rows.size(), modules.size());
    const ModuleColour expected[] = {
        ModuleColour::Driver,    ModuleColour::Driver,    ModuleColour::Driver,
        ModuleColour::Driver,    ModuleColour::OutOfDate, ModuleColour::Normal,
        ModuleColour::OutOfDate,  // red wins over yellow
        ModuleColour::Normal,     // ".lan" is not ".LAN"
        ModuleColour::Normal,     // the name must begin the row
        ModuleColour::Normal,     // the name is compared with case
    };
    for (qsizetype i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows.at(i).text, modules.at(i));
        EXPECT_EQ(rows.at(i).colour, expected[i]) << modules.at(i).toStdString();
    }
}

TEST(ModuleRows, ADriverMarkIsFoundAlikeInOneByteAndWideLinesWhereverItStands) {
    // Lines of every length up to 40 with a mark (or a near miss) at every place, so marks
    // fall across the sixteen-character steps of the one-byte search and at the very end.
    const char* const marks[] = {".DSK", ".CDM", ".HAM", ".LAN", ".DSX", ".LA", ".lan", "..DSK"};
    for (int length = 0; length <= 40; ++length) {
        for (const char* mark : marks) {
            for (int at = 0; at <= length; ++at) {
                QByteArray line(length, 'A');
                line.replace(at, int(std::strlen(mark)), mark);
                line.truncate(length);
                const QString wide = QString::fromLatin1(line);
                ASSERT_EQ(loadedmodule::isDriver(QLatin1String(line)), loadedmodule::isDriver(wide))
                    << line.constData();
            }
        }
    }
    EXPECT_TRUE(loadedmodule::isDriver(QLatin1String("0123456789ABCDEFGHIJKLMNOPQRSTU.LAN")));
    EXPECT_FALSE(loadedmodule::isDriver(QLatin1String("0123456789ABCDEFGHIJKLMNOPQRSTUV.LA")));
}

TEST(ModuleRows, RedWinsOverYellowWhicheverMarkTheRowCarries) {
    const QStringList modules = {"AHA1540.DSK v3", "CDROM.CDM v1", "CPQSCSI.HAM v2"};
    const QList<ModuleRow> rows =
        analysisviews::moduleRows(modules, {"CPQSCSI.HAM", "CDROM", "AHA1540.DSK"});
    ASSERT_EQ(rows.size(), 3);
    for (const ModuleRow& row : rows) {
        EXPECT_EQ(row.colour, ModuleColour::OutOfDate) << row.text.toStdString();
    }
    EXPECT_TRUE(analysisviews::moduleRows({}, {"CLIB.DXP"}).isEmpty());
}

// The colour alone, from either kind of text, finds a driver's mark wherever it stands, the
// scan passing over several characters at a time.
TEST(ModuleRows, TheColourAloneAgreesWithTheDriverTestWhereverTheMarkStands) {
    for (const QString mark : {".HAM", ".HA", ".XAM", ".LAN."}) {
        for (int at = 0; at < 18; ++at) {
            for (int tail = 0; tail < 10; ++tail) {
                const QString line = QString(at, u'A') + mark + QString(tail, QChar(0xe9));
                const bool driver = line.contains(".DSK") || line.contains(".CDM") ||
                                    line.contains(".HAM") || line.contains(".LAN");
                const ModuleColour expected = driver ? ModuleColour::Driver : ModuleColour::Normal;
                EXPECT_EQ(analysisviews::moduleColour(line, {}), expected) << line.toStdString();
                const QByteArray bytes = line.toLatin1();
                EXPECT_EQ(analysisviews::moduleColour(QLatin1String(bytes), {}), expected);
            }
        }
    }
    // A character whose low byte is a dot is no dot.
    EXPECT_EQ(analysisviews::moduleColour(u"AB\u2e2eHAM v1", {}), ModuleColour::Normal);
    EXPECT_EQ(analysisviews::moduleColour(QLatin1String("CLIB.DXP v4"), {"CLIB"}),
              ModuleColour::OutOfDate);
}

TEST_F(AnalysisTest, TheVerifiedPatchViewShowsEachLineOnceInItsSetsColour) {
    writeControlled(set("410pt7", {"AFX.DXP"}) + set("410pt6", {"BFX.DXP", "CFX.DXP"}) +
                    set("410pt5", {"DFX.DXP", "MISSFX.DXP"}));
    model.OSVersion = "4.10";
    for (const char* m : {"DFX.DXP", "CFX.DXP", "BFX.DXP", "AFX.DXP", "EFX.DXP"}) {
        model.PatchEntries.append(patchLine(m));
    }
    ASSERT_TRUE(verify().isNull());
    const QList<PatchRow> rows = analysisviews::patchRows(state.PatchAnalysisList.lines());
    ASSERT_EQ(rows.size(), 5);
    const struct {
        const char* module;
        int colour;  // -1: normal colours
    } expected[] = {
        {"AFX.DXP", 0}, {"BFX.DXP", 1}, {"CFX.DXP", 1}, {"DFX.DXP", -1}, {"EFX.DXP", -1}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(rows.at(i).text, patchLine(expected[i].module));
        EXPECT_EQ(rows.at(i).colour.value_or(-1), expected[i].colour) << expected[i].module;
    }
    const QList<PatchRow> setRows = analysisviews::completeSetRows(state.CompleteSets);
    ASSERT_EQ(setRows.size(), 2);
    EXPECT_EQ(setRows.at(0).text, Bullet + "410pt7 : 1 native patches");
    EXPECT_EQ(setRows.at(0).colour, 0);
    EXPECT_EQ(setRows.at(1).text, Bullet + "410pt6 : 2 native patches");
    EXPECT_EQ(setRows.at(1).colour, 1);
}
