#include "analysistest.h"

#include "analysis/analysisviews.h"
#include "engine/engine.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>

// The verification and the suggestions as the loading pipeline runs them, on reports of
// tests/data/analysis and database files written before the engine starts.
class EngineAnalysisTest : public AnalysisTest {
  protected:
    Engine& start() {
        m_engine = std::make_unique<Engine>(dialogs, progress);
        m_engine->create();
        m_engine->firstActivation();
        return *m_engine;
    }
    QString fixture(const QString& name) const {
        QFile source(testsupport::dataPath(QStringLiteral("analysis/") + name));
        EXPECT_TRUE(source.open(QIODevice::ReadOnly)) << name.toStdString();
        const QString path = m_home.filePath(QStringLiteral("reports/") + name);
        QDir().mkpath(m_home.filePath(QStringLiteral("reports")));
        QFile target(path);
        EXPECT_TRUE(target.open(QIODevice::WriteOnly));
        target.write(source.readAll());
        return path;
    }
    void TearDown() override {
        m_engine.reset();
        AnalysisTest::TearDown();
    }
    static QString entry(const QString& module, const QString& version) {
        return module.leftJustified(12) + QStringLiteral("   Version ") + version;
    }

    std::unique_ptr<Engine> m_engine;
};

TEST_F(EngineAnalysisTest, ALoadVerifiesThePatchesThenBuildsTheSuggestions) {
    writeControlled(set("410pt6", {"LOADERFX.DXP", "SERVFIX.DXP"}) +
                    set("410pt5", {"LOADERFX.DXP", "GONEFX.DXP"}) +
                    set("312pt9", {"LOADERFX.DXP"}));
    writeUncontrolled({"[Preferences]", "DBType=Controlled", ""});
    Engine& engine = start();
    const ReportLoader::Result result = engine.openReport(fixture("oak-fs4.txt"));
    EXPECT_TRUE(result.completed) << result.error.toStdString();
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.texts().join('|').toStdString();

    const AnalysisState& analysis = engine.analysis();
    const QString loader = entry("LOADERFX.DXP", "4.10   June 2, 1999");
    const QString serv = entry("SERVFIX.DXP", "4.10   June 3, 1999");
    const QString stray = entry("STRAYFX.DXP", "1.00   July 1, 1999");
    EXPECT_EQ(engine.model().PatchEntries.lines(), QStringList({loader, serv, stray}));
    EXPECT_EQ(analysis.CompleteSets, QStringList({Bullet + "410pt6 : 2 native patches"}));
    EXPECT_EQ(analysis.PartialMatches, QStringList({"1 of 2 patches from 410pt5 were found."}));
    EXPECT_EQ(analysis.PatchAnalysisList.lines(), QStringList({loader + ":0", serv + ":0", stray}));
    EXPECT_EQ(analysis.UnassignedPatches.lines(), QStringList({stray}));
    EXPECT_TRUE(engine.views().PartialMatchesBtn);
    EXPECT_FALSE(engine.views().PatchListBoxVisible);

    const QString aha = entry("AHA1540.DSK", "3.00   May 5, 1994");
    const QString ne2000 = entry("NE2000.LAN", "3.31   March 4, 1996");
    EXPECT_EQ(analysis.DriverList, QStringList({aha, ne2000}));
    const QList<analysisviews::ModuleRow> rows =
        analysisviews::moduleRows(engine.model().OtherModules.lines(), analysis.OutOfDateModules);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows.at(0).text, aha);
    EXPECT_EQ(rows.at(0).colour, colourtable::ModuleColour::Driver);
    EXPECT_EQ(rows.at(2).text, ne2000);
    EXPECT_EQ(rows.at(2).colour, colourtable::ModuleColour::Driver);

    // The newest 4.10 set is complete: no patch level advice. SMP silences the upgrade-threads
    // line of AUTOEXEC.DXS and shows in the engine type box.
    const QStringList expected =
        heading() +
        QStringList({Bullet + "SMP.DXP is loaded. Make sure the server is",
                     "   completely certified to fully support SMP.", " ",
                     Bullet + "SET Allow Invalid Pointers = On (in Startup.dxs).",
                     "   Turning this ON can cause corruption and masks existing problems.",
                     "   This parameter should be set to OFF.", " ",
                     Bullet + "SET Write Fault Emulation = On (in Autoexec.dxs).",
                     "   Turning this ON can cause corruption and masks existing problems.",
                     "   This parameter should be set to OFF.", " ",
                     Bullet + "Driver older than 1995 found. Is this the most recent version:",
                     "    " + aha, " "});
    EXPECT_EQ(engine.model().Suggestions, expected);
    EXPECT_EQ(engine.views().EngTypeEdit, "SMP");
}

TEST_F(EngineAnalysisTest, AMissingNewestSetGivesThePatchLevelAdvice) {
    writeControlled(set("410pt7", {"LOADERFX.DXP", "NEWFX.DXP"}) +
                    set("410pt6", {"LOADERFX.DXP", "SERVFIX.DXP"}));
    writeUncontrolled({"[Preferences]", "DBType=Controlled", ""});
    Engine& engine = start();
    const ReportLoader::Result result = engine.openReport(fixture("oak-fs4.txt"));
    EXPECT_TRUE(result.completed) << result.error.toStdString();
    EXPECT_EQ(engine.analysis().CompleteSets, QStringList({Bullet + "410pt6 : 2 native patches"}));
    EXPECT_EQ(engine.analysis().PartialMatches,
              QStringList({"1 of 2 patches from 410pt7 were found."}));
    const QStringList& s = engine.model().Suggestions;
    ASSERT_GE(s.size(), 6);
    EXPECT_EQ(s.mid(0, 4), heading());
    EXPECT_EQ(s.mid(4, 2), QStringList({Bullet + "Load the latest 4.10 patch set.*", " "}));
}

TEST_F(EngineAnalysisTest, ACountThatIsNotANumberEndsTheLoadBeforeTheSuggestions) {
    writeControlled(set("410pt6", {"LOADERFX.DXP", "SERVFIX.DXP"}) +
                    section("410pt5.txt : Na native patches", {"LOADERFX.DXP"}));
    writeUncontrolled({"[Preferences]", "DBType=Controlled", ""});
    Engine& engine = start();
    const ReportLoader::Result result = engine.openReport(fixture("oak-fs4.txt"));
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(result.error, "'Na' is not a valid integer value");
    ASSERT_EQ(dialogs.messages().size(), 2) << dialogs.texts().join('|').toStdString();
    EXPECT_EQ(dialogs.messages().at(0).kind, MessageKind::Information);
    EXPECT_EQ(dialogs.messages().at(0).text, "DEBUG [VerifyPatches()]: tmpNumPatches = \"Na\"");
    EXPECT_EQ(dialogs.messages().at(1).kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages().at(1).text, "'Na' is not a valid integer value");
    EXPECT_EQ(engine.analysis().CompleteSets, QStringList({Bullet + "410pt6 : 2 native patches"}));
    EXPECT_TRUE(engine.model().Suggestions.isEmpty());
    EXPECT_NE(engine.views().EngTypeEdit, "SMP");
}

TEST_F(EngineAnalysisTest, AKitReportIsCheckedAgainstTheControlledKitVersionInUncontrolledMode) {
    const QString h = "411pt8.txt-NW411SP8 : 2 native patches";
    writeControlled(
        QStringList({"[Preferences]", "DBType=Uncontrolled", ""}) +
        section(h, {"DSFIX.DXP", "SPXFX2.DXP"}, {"PatchKitVersion=4.11c, released 06-01-1999"}));
    writeUncontrolled(QStringList({"[Preferences]", "DBType=Uncontrolled", ""}) +
                      section(h, {"DSFIX.DXP", "SPXFX2.DXP"}, {"PatchKitVersion=4.11a"}));
    Engine& engine = start();
    ASSERT_TRUE(engine.databases().UncontrolledMode());
    const ReportLoader::Result result = engine.openReport(fixture("pine-fs5.txt"));
    EXPECT_TRUE(result.completed) << result.error.toStdString();
    EXPECT_TRUE(engine.model().HasPatchKitList);
    EXPECT_TRUE(engine.model().PatchesLoaded);
    EXPECT_TRUE(engine.views().PatchListBoxVisible);
    EXPECT_EQ(engine.analysis().CompleteSets,
              QStringList({Bullet + "411pt8-NW411SP8 : 2 native patches"}));
    EXPECT_TRUE(engine.analysis().PatchAnalysisList.isEmpty());
    EXPECT_TRUE(engine.analysis().CompleteSetPatches.isEmpty());
    EXPECT_TRUE(engine.analysis().UnassignedPatches.isEmpty());
    EXPECT_EQ(engine.model().Suggestions,
              heading(true) + QStringList({Bullet + "Load the NW411SP8.exe 4.11 Support Pack.*",
                                           "   The current Patch Kit version is v4.11c.",
                                           "   Your loaded Patch Kit version is v4.11b.", " "}));
}
