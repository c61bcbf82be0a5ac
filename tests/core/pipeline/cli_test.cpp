#include "testsupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

using testsupport::CliRun;

CliRun cli(const QString& home, const QStringList& args) {
    return testsupport::runCli(home, args);
}

QJsonObject json(const CliRun& run) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(run.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    return doc.object();
}

QString fixture(const QString& name) {
    return testsupport::dataPath(QStringLiteral("pipeline/") + name);
}

struct FileState {
    QByteArray bytes;
    ino_t inode = 0;
    qint64 mtimeNs = 0;
    bool operator==(const FileState&) const = default;
};

FileState stateOf(const QString& path) {
    FileState s;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        s.bytes = file.readAll();
    }
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        s.inode = st.st_ino;
        s.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    }
    return s;
}

QStringList folderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

const QByteArray DefaultStart = "[410pt6.txt : 70 native patches]\r\n1=";

}  // namespace

TEST(CliAnalyze, ASecondRunLeavesTheDatabaseFilesItCreatedUntouched) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString report = fixture("birch-fs1.txt");
    const QString controlled = home.filePath("quarixdb.ini");
    const QString uncontrolled = home.filePath("CARTOVEX.INI");

    const CliRun first = cli(home.path(), {"--home", home.path(), "analyze", report});
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    const FileState controlledAfterFirst = stateOf(controlled);
    const FileState uncontrolledAfterFirst = stateOf(uncontrolled);
    EXPECT_TRUE(controlledAfterFirst.bytes.startsWith(DefaultStart));
    EXPECT_TRUE(uncontrolledAfterFirst.bytes.startsWith(DefaultStart));
    const QStringList entries = folderEntries(home.path());

    const CliRun second = cli(home.path(), {"--home", home.path(), "analyze", report});
    EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
    // The summary report's third line holds the clock's date and time.
    const auto withoutClock = [](const QByteArray& out) {
        QList<QByteArray> lines = out.split('\n');
        lines.removeAt(2);
        return lines.join('\n');
    };
    EXPECT_EQ(withoutClock(second.out), withoutClock(first.out));
    EXPECT_TRUE(stateOf(controlled) == controlledAfterFirst);
    EXPECT_TRUE(stateOf(uncontrolled) == uncontrolledAfterFirst);
    EXPECT_EQ(folderEntries(home.path()), entries);
}

TEST(CliAnalyze, JsonShowsTheDatabaseTheViewsAndTheMessages) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString report = fixture("birch-fs1.txt");
    const CliRun run = cli(home.path(), {"--home", home.path(), "analyze", report, "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject root = json(run);

    const QJsonObject database = root["database"].toObject();
    EXPECT_EQ(QDir::cleanPath(database["path"].toString()),
              QDir::cleanPath(home.filePath("quarixdb.ini")));
    ASSERT_TRUE(database["UncontrolledMode"].isBool());
    EXPECT_FALSE(database["UncontrolledMode"].toBool());

    const QJsonObject views = root["views"].toObject();
    EXPECT_EQ(views["Caption"].toString(), "Daltrix Cartovex v2.66:  " + report.toUpper());
    EXPECT_EQ(views["StatusPanels"].toArray(),
              QJsonArray({"", "40 lines", "1kb", "1 module listing found.",
                          "1 config header found.", ""}));
    EXPECT_TRUE(root["error"].isNull());
    EXPECT_EQ(root["messages"].toArray(), QJsonArray());

    // A warning of the trust check is shown but does not make the run fail.
    const CliRun pairnode = cli(home.path(), {"--home", home.path(), "analyze",
                                              fixture("pairnode-appended.txt"), "--json"});
    EXPECT_EQ(pairnode.exitCode, 0);
    const QJsonObject warned = json(pairnode);
    EXPECT_TRUE(warned["error"].isNull());
    EXPECT_EQ(warned["messages"].toArray(),
              QJsonArray({QJsonObject{{"kind", "error"},
                                      {"text",
                                       "PAIRNODE configs are not supported!\r\nInformation "
                                       "reported will be incorrect."}}}));
}

TEST(CliAnalyze, ALoadThatEndsWithAnErrorExitsWithOne) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString missing = home.filePath("nowhere/config.txt");
    const QString notFound = "File '" + missing.toUpper() + "' not found!";

    const CliRun json1 = cli(home.path(), {"--home", home.path(), "analyze", missing, "--json"});
    EXPECT_EQ(json1.exitCode, 1);
    EXPECT_EQ(json(json1)["error"].toString(), notFound);
    const CliRun text = cli(home.path(), {"--home", home.path(), "analyze", missing});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_TRUE(text.err.contains("error: " + notFound)) << text.err.toStdString();

    const CliRun bad =
        cli(home.path(), {"--home", home.path(), "analyze", fixture("bad-memory.txt"), "--json"});
    EXPECT_EQ(bad.exitCode, 1);
    const QJsonObject badRoot = json(bad);
    EXPECT_EQ(badRoot["error"].toString(), "'12x4' is not a valid floating point value");
    EXPECT_EQ(badRoot["views"].toObject()["StatusPanels"].toArray().at(0).toString(),
              "Parsing File...");

    const CliRun wpc =
        cli(home.path(), {"--home", home.path(), "analyze", fixture("postrix-mail.txt"), "--json"});
    EXPECT_EQ(wpc.exitCode, 1);
    EXPECT_TRUE(json(wpc)["error"].toString().startsWith(
        "The config file to be read has ASCII control characters"));
}

TEST(CliUsage, BadUsageExitsWithTwoAndTouchesNothing) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString report = fixture("birch-fs1.txt");
    const QList<QStringList> cases = {
        {},
        {"--home", home.path()},
        {"--home"},
        {"--home", home.path(), "analyze"},
        {"--home", home.path(), "analyze", report, report},
        {"--home", home.path(), "--verbose", "analyze", report},
        {"--home", home.path(), "summarise", report},
    };
    for (const QStringList& args : cases) {
        const CliRun run = cli(home.path(), args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("--help'.")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_EQ(folderEntries(home.path()), QStringList());
}

TEST(CliDatabase, EditingCommandsWorkOnTheUncontrolledDatabaseOnly) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString h = home.path();
    const QString kit = home.filePath("411pt1.txt");
    {
        QFile file(kit);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "Files Included\r\n\\NATIVE\\START\r\n  LOADERFX.DXP   1 2\r\n"
            "  MMSEGFIX.DXP   3 4\r\n  README.TXT\r\nEND\r\n");
    }
    const QString uncontrolled = home.filePath("CARTOVEX.INI");

    // In the controlled mode nothing may be edited.
    EXPECT_EQ(cli(h, {"--home", h, "db", "info"}).exitCode, 0);
    const QString controlled = home.filePath("quarixdb.ini");
    const FileState controlledBefore = stateOf(controlled);
    EXPECT_EQ(cli(h, {"--home", h, "db", "import", kit, "--yes"}).exitCode, 1);
    EXPECT_EQ(cli(h, {"--home", h, "db", "core", "add", "4.11:clib", "4.11d"}).exitCode, 1);
    EXPECT_TRUE(stateOf(controlled) == controlledBefore);

    EXPECT_EQ(cli(h, {"--home", h, "db", "use", "uncontrolled"}).out, "Uncontrolled DB\n");
    // Without --yes the question is shown and the names are listed, but nothing is written.
    const FileState beforeImport = stateOf(uncontrolled);
    const CliRun asked = cli(h, {"--home", h, "db", "import", kit});
    EXPECT_EQ(asked.exitCode, 0);
    EXPECT_EQ(asked.out, "2 patches\nLOADERFX.DXP\nMMSEGFIX.DXP\n");
    EXPECT_TRUE(asked.err.contains("2 patches found.  Add these to the Patch Database?"));
    EXPECT_EQ(stateOf(uncontrolled).bytes, beforeImport.bytes);

    EXPECT_EQ(cli(h, {"--home", h, "db", "import", kit, "--yes"}).exitCode, 0);
    EXPECT_EQ(cli(h, {"--home", h, "db", "core", "add", "4.11:clib", "4.11d"}).exitCode, 0);
    const QByteArray shown = cli(h, {"--home", h, "db", "show"}).out;
    EXPECT_TRUE(
        shown.contains("[411pt1.txt : 2 native patches]\n1=LOADERFX.DXP\n2=MMSEGFIX.DXP\n"));
    EXPECT_TRUE(shown.contains("4.11:CLIB.DXP=4.11d\n"));

    EXPECT_EQ(cli(h, {"--home", h, "db", "core", "remove", "4.11:CLIB.DXP"}).exitCode, 0);
    // The question is answered No unless --yes: nothing is deleted then.
    const QByteArray beforeDelete = cli(h, {"--home", h, "db", "show"}).out;
    EXPECT_EQ(cli(h, {"--home", h, "db", "delete-set", "411pt1.txt : 2 native patches"}).exitCode,
              0);
    EXPECT_EQ(cli(h, {"--home", h, "db", "show"}).out, beforeDelete);
    EXPECT_EQ(cli(h, {"--home", h, "db", "delete-set", "411pt1.txt : 2 native patches", "--yes"})
                  .exitCode,
              0);
    EXPECT_EQ(cli(h, {"--home", h, "db", "delete-set", "no such set"}).exitCode, 1);
    const QByteArray after = cli(h, {"--home", h, "db", "show"}).out;
    EXPECT_FALSE(after.contains("411pt1"));
    EXPECT_FALSE(after.contains("4.11:CLIB.DXP"));
}

TEST(CliDatabase, ManualUpdateReplacesTheControlledDatabase) {
    QTemporaryDir home;
    QTemporaryDir downloads;
    ASSERT_TRUE(home.isValid() && downloads.isValid());
    const QString h = home.path();
    const QString missing = downloads.filePath("cartvxdb.ini");
    const CliRun refused = cli(h, {"--home", h, "db", "manual-update", missing});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("File " + missing + " does not exist!"));

    {
        QFile file(missing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[412pt1.txt : 1 native patches]\r\n1=LOADERFX.DXP\r\n\r\n");
    }
    const CliRun run = cli(h, {"--home", h, "db", "manual-update", missing});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Manual update of Quarix-controlled database complete."));
    const QByteArray controlled = stateOf(home.filePath("quarixdb.ini")).bytes;
    EXPECT_TRUE(controlled.startsWith("[412pt1.txt : 1 native patches]\r\n1=LOADERFX.DXP\r\n"));
    EXPECT_TRUE(controlled.contains("LastUpdateType=Manual\r\n"));
    EXPECT_TRUE(controlled.contains("Frequency=2\r\n"));
    // The chosen file is a copy source, never consumed.
    EXPECT_TRUE(QFile::exists(missing));
}

TEST(CliAnalyze, WithoutADataDirectoryNothingIsWrittenAnywhere) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    QProcess process;
    process.setWorkingDirectory(work.path());
    process.start(QStringLiteral(CARTOVEX_CLI), {"--home", "/proc/no-such-folder/home", "analyze",
                                                 fixture("birch-fs1.txt"), "--json"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    const QJsonObject root = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    EXPECT_EQ(root["error"].toString(), "Windows directory not found!");
    EXPECT_EQ(folderEntries(work.path()), QStringList());
}
