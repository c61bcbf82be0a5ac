#include "pipelinetest.h"

#include "model/mainviews.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs a block with the working directory set to a folder, and puts it back.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const QString& folder) : m_saved(QDir::currentPath()) {
        QDir::setCurrent(folder);
    }
    ~WorkingDirectory() { QDir::setCurrent(m_saved); }

  private:
    QString m_saved;
};

}  // namespace

TEST_F(PipelineTest, AMissingFileIsReportedByNameInUpperCaseAndNothingElseChanges) {
    const QString good = copyFixture(QStringLiteral("birch-fs1.txt"));
    engine().openReport(good);
    const QStringList recent = engine().recentFiles().entries();
    const QByteArray settings = fileBytes(controlledPath());
    takeMessages();

    const QString missing = m_reports.filePath(QStringLiteral("Gone/config.txt"));
    const ReportLoader::Result result = engine().openReport(missing);
    const QString expected = QStringLiteral("File '") + missing.toUpper() + "' not found!";
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.error, expected);
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().first().kind, MessageKind::Error);
    EXPECT_EQ(m_dialogs.messages().first().text, expected);
    EXPECT_EQ(engine().recentFiles().entries(), recent);
    EXPECT_EQ(fileBytes(controlledPath()), settings);
    EXPECT_EQ(engine().views().Caption,
              QStringLiteral("Daltrix Cartovex v2.66:  ") + good.toUpper());
    EXPECT_EQ(engine().model().ServerName, "BIRCH-FS1");

    // A folder is not a report either.
    engine().openReport(m_reports.path());
    EXPECT_EQ(m_dialogs.messages().last().text,
              QStringLiteral("File '") + m_reports.path().toUpper() + "' not found!");
}

TEST_F(PipelineTest, RecentItemsOpenTheirFileWithoutReorderingTheList) {
    QStringList paths;
    for (const char* name : {"one.txt", "two.txt", "three.txt"}) {
        paths.append(writeReport(QLatin1String(name), reports::build()));
        engine().openReport(paths.last());
    }
    const QStringList order = {paths[2], paths[1], paths[0], "", ""};
    ASSERT_EQ(engine().recentFiles().entries(), order);
    const QByteArray settings = fileBytes(controlledPath());
    takeMessages();

    const ReportLoader::Result result = engine().openRecent(3);
    EXPECT_TRUE(result.completed);
    EXPECT_EQ(engine().model().ConfigFileName, paths[0]);
    EXPECT_EQ(engine().views().Caption,
              QStringLiteral("Daltrix Cartovex v2.66:  ") + paths[0].toUpper());
    EXPECT_TRUE(engine().loader().openedByCommand());
    EXPECT_EQ(engine().recentFiles().entries(), order);
    EXPECT_EQ(fileBytes(controlledPath()), settings);

    // An entry whose file has gone gives the not-found error and stays in the list.
    QFile::remove(paths[1]);
    const ReportLoader::Result gone = engine().openRecent(2);
    EXPECT_FALSE(gone.started);
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("File '") + paths[1].toUpper() + "' not found!"});
    EXPECT_EQ(engine().recentFiles().entries(), order);
    EXPECT_EQ(engine().views().Caption,
              QStringLiteral("Daltrix Cartovex v2.66:  ") + paths[0].toUpper());
}

// A report on the command line that does not exist, or is a folder, is not found as the open
// command says it, once; the window's later activations say nothing more.
TEST_F(PipelineTest, ACommandLineReportThatIsNoFileIsNotFoundOnce) {
    const QString first = copyFixture(QStringLiteral("birch-fs1.txt"));
    const ReportLoader::Result result = engine().commandLineOpen({m_reports.path(), first});
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.error, "File '" + m_reports.path().toUpper() + "' not found!");
    EXPECT_FALSE(engine().commandLineOpen({first}).started);
    ASSERT_EQ(m_dialogs.messages().size(), 1);
    EXPECT_EQ(m_dialogs.messages().at(0).text, result.error);
}

TEST_F(PipelineTest, TheCommandLineOpensItsFirstReportOnceAndLeavesTheRecentListAlone) {
    const QString first = copyFixture(QStringLiteral("birch-fs1.txt"));
    const QString second = copyFixture(QStringLiteral("appended-twice.txt"));

    EXPECT_FALSE(engine().commandLineOpen({}).started);
    EXPECT_FALSE(engine().commandLineFlag());
    EXPECT_TRUE(m_dialogs.messages().isEmpty());  // no error for a missing argument

    {
        // A relative name is tested as a full path but kept as given.
        WorkingDirectory cwd(m_reports.path());
        const ReportLoader::Result result =
            engine().commandLineOpen({QStringLiteral("birch-fs1.txt"), second});
        EXPECT_TRUE(result.completed);
    }
    EXPECT_TRUE(engine().commandLineFlag());
    EXPECT_EQ(engine().model().ConfigFileName, "birch-fs1.txt");
    EXPECT_EQ(engine().views().Caption, "Daltrix Cartovex v2.66:  BIRCH-FS1.TXT");
    EXPECT_EQ(engine().model().ServerName, "BIRCH-FS1");
    EXPECT_EQ(engine().recentFiles().entries(), QStringList({"", "", "", "", ""}));

    // The flag is never reset: a second command-line open does nothing, even after a reset.
    engine().loader().ResetReportViews();
    const ReportLoader::Result again = engine().commandLineOpen({second});
    EXPECT_FALSE(again.started);
    EXPECT_EQ(engine().model().ConfigFileName, "birch-fs1.txt");
    EXPECT_EQ(engine().views().Caption, MainViews::BaseCaption);
    EXPECT_TRUE(m_dialogs.messages().isEmpty());
}
