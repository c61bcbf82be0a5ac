#include "pipelinetest.h"

#include "report/reportloader.h"

#include <functional>

namespace {

// Stages and hooks that record what the pipeline ran and can act from inside a load.
class ScriptedStages : public ParseHooks, public LoadStages {
  public:
    void ReadCoreModuleList() override { run("ReadCoreModuleList"); }
    void CheckModuleCurrency() override { run("CheckModuleCurrency"); }
    void VerifyPatches() override { run("VerifyPatches"); }
    void BuildSuggestions() override { run("BuildSuggestions"); }
    void resetOwnedViews() override { run("resetOwnedViews"); }

    QStringList calls;
    std::function<void(const QString&)> onCall;

  private:
    void run(const char* name) {
        calls.append(QLatin1String(name));
        if (onCall) {
            onCall(QLatin1String(name));
        }
    }
};

class LoaderTest : public PipelineTest {
  protected:
    ReportLoader::Result load(const QString& path) {
        m_model.ConfigFileName = path;
        return m_loader.ReportLoad(false);
    }

    ServerModel m_model;
    MainViews m_views;
    ScriptedStages m_stages;
    ReportLoader m_loader{m_model, m_views, m_dialogs, m_progress, m_stages, m_stages};
};

// Forwards pumpEvents to a callback, as a window that handles pending messages would.
class CallbackProgress : public NullProgress {
  public:
    void pumpEvents() override {
        if (onPump) {
            onPump();
        }
    }
    std::function<void()> onPump;
};

QString lineWarning(int actual, int read) {
    return QStringLiteral(
               "Not all lines in the config file just opened have been read successfully.\r\n"
               "This is due to ASCII characters in the file that should not be there.\r\n"
               "Remove these characters and reopen the file in Cartovex.\r\n"
               "                            (Actual lines: %1, Lines read: %2)")
        .arg(actual)
        .arg(read);
}

}  // namespace

TEST_F(LoaderTest, StagesRunInOrderAndAConversionErrorSkipsTheRest) {
    load(copyFixture(QStringLiteral("birch-fs1.txt")));
    EXPECT_EQ(m_stages.calls,
              QStringList({"resetOwnedViews", "ReadCoreModuleList", "CheckModuleCurrency",
                           "VerifyPatches", "BuildSuggestions"}));

    m_stages.calls.clear();
    const ReportLoader::Result result = load(copyFixture(QStringLiteral("bad-memory.txt")));
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(m_stages.calls, QStringList({"resetOwnedViews", "ReadCoreModuleList"}));
    EXPECT_EQ(m_views.StatusPanels[0], "Parsing File...");
}

TEST_F(LoaderTest, TheLineCheckWarnsWhenMoreThanAFifthOfTheLinesWereNotRead) {
    // Both viewers share one reader, so the full viewer's count is raised from a stage that
    // runs before the check, as a viewer that saw more lines would report.
    int actual = 0;
    m_stages.onCall = [&](const QString& call) {
        if (call == QLatin1String("BuildSuggestions") && actual > 0) {
            m_model.ActualLineCount = actual;
        }
    };
    const struct {
        int actual;
        int read;
        bool warns;
    } cases[] = {{100, 79, true}, {100, 80, false}, {10, 7, true}, {10, 8, false}, {5, 9, false}};
    int n = 0;
    for (const auto& c : cases) {
        actual = c.actual;
        const ReportLoader::Result result =
            load(writeReport(QStringLiteral("lines%1.txt").arg(++n), reports::lines(c.read)));
        EXPECT_TRUE(result.completed);
        EXPECT_EQ(m_views.StatusPanels[1], QStringLiteral("%1 lines").arg(c.read));
        const QStringList expected =
            c.warns ? QStringList{lineWarning(c.actual, c.read)} : QStringList{};
        EXPECT_EQ(takeMessages(), expected) << c.actual << " " << c.read;
    }
    // Without the stage's change both counts agree and nothing is said.
    actual = 0;
    load(writeReport("agree.txt", reports::lines(50)));
    EXPECT_EQ(m_model.ActualLineCount, 50);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(LoaderTest, ALoadAskedForFromInsideALoadIsRefused) {
    const QString first = copyFixture(QStringLiteral("birch-fs1.txt"));
    const QString other = copyFixture(QStringLiteral("appended-twice.txt"));
    QList<ReportLoader::Result> inner;
    m_stages.onCall = [&](const QString&) {
        m_model.ConfigFileName = other;
        inner.append(m_loader.ReportLoad(false));
        m_model.ConfigFileName = first;
    };
    const ReportLoader::Result outer = load(first);
    EXPECT_TRUE(outer.completed);
    ASSERT_EQ(inner.size(), 5);
    for (const ReportLoader::Result& r : inner) {
        EXPECT_FALSE(r.started);
        EXPECT_FALSE(r.completed);
    }
    EXPECT_EQ(m_model.ModuleListingCount, 1);
    EXPECT_TRUE(m_dialogs.messages().isEmpty());

    // Once the load has ended a new one starts.
    m_stages.onCall = nullptr;
    EXPECT_TRUE(load(other).completed);
    EXPECT_EQ(m_model.ModuleListingCount, 2);
}

TEST_F(PipelineTest, OpenCommandsFromInsideALoadAreRefusedWithoutSideEffects) {
    const QString first = copyFixture(QStringLiteral("birch-fs1.txt"));
    const QString second = copyFixture(QStringLiteral("appended-twice.txt"));
    const QString third = copyFixture(QStringLiteral("pairnode-appended.txt"));
    engine().openReport(third);
    takeMessages();

    CallbackProgress progress;
    Engine reentrant(m_dialogs, progress);
    reentrant.create();
    int pumps = 0;
    int started = 0;
    progress.onPump = [&] {
        ++pumps;
        started += reentrant.openReport(second).started;
        started += reentrant.openRecent(1).started;
        started += reentrant.commandLineOpen({second}).started;
    };
    const ReportLoader::Result outer = reentrant.openReport(first);
    progress.onPump = nullptr;

    EXPECT_TRUE(outer.completed);
    EXPECT_GE(pumps, 3);  // every few dozen parsed lines and in the stages after the parse
    EXPECT_EQ(started, 0);
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
    EXPECT_EQ(reentrant.model().ConfigFileName, first);
    EXPECT_EQ(reentrant.model().ModuleListingCount, 1);
    EXPECT_EQ(reentrant.recentFiles().entries(), QStringList({first, third, "", "", ""}));
    EXPECT_FALSE(reentrant.commandLineFlag());

    // The refused command-line open did not use up the one command-line load.
    EXPECT_TRUE(reentrant.commandLineOpen({second}).completed);
    EXPECT_TRUE(reentrant.commandLineFlag());
}
