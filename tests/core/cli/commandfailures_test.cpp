#include "testsupport.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

using testsupport::CliRun;
using testsupport::runCli;

const QString Example = QStringLiteral(CARTOVEX_SOURCE_DIR "/examples/config.txt");

QByteArray bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Every command that prints checks that its output was written: on a full device it exits 1
// with the system's reason.
TEST(CliFailures, OutputThatCannotBeWrittenIsAnError) {
    if (!QFile::exists(QStringLiteral("/dev/full"))) {
        GTEST_SKIP() << "no /dev/full";
    }
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString log = testsupport::dataPath(QStringLiteral("abendlog/fs1-abend.log"));
    const QList<QStringList> commands = {{"analyze", Example},
                                         {"analyze", Example, "--json"},
                                         {"compare", Example, Example},
                                         {"fleet", Example},
                                         {"abend", log},
                                         {"custom", "list"},
                                         {"custom", "list", "--json"},
                                         {"db", "show"},
                                         {"db", "info"},
                                         {"options"},
                                         {"options", "--json"},
                                         {"--help"},
                                         {"db", "--help"},
                                         {"--version"}};
    for (const QStringList& args : commands) {
        const CliRun run = runCli(home.path(), args, QStringLiteral("/dev/full"));
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.endsWith("error: cannot write the output: No space left on device\n"))
            << args.join(' ').toStdString() << ": " << run.err.toStdString();
    }
}

// A small file system where the root may mount one, else a file-size limit.
class FullFolder {
  public:
    FullFolder() {
        m_mounted = ::geteuid() == 0 && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=16k",
                                                                    "tmpfs", m_dir.path()}) == 0;
    }
    ~FullFolder() {
        if (m_mounted) {
            QProcess::execute("umount", {m_dir.path()});
        }
    }
    QString path() const { return m_dir.path(); }

    // Runs the command line there: on the small file system, or under `ulimit -f 8`.
    int run(const QStringList& args, QByteArray& err) const {
        QProcess process;
        // Without a runtime folder Qt has a notice to give; it must not reach stderr.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("XDG_RUNTIME_DIR");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        if (m_mounted) {
            process.start(QStringLiteral(CARTOVEX_CLI), args);
        } else {
            process.start(
                "sh", QStringList{"-c", "ulimit -f 8; exec \"$0\" \"$@\"", CARTOVEX_CLI} + args);
        }
        process.waitForFinished(60000);
        err = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

  private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// A PDF that does not fit is an error, and no file (whole, partial or temporary) is left;
// stderr says so and nothing else.
TEST(CliFailures, APdfOnAFullFileSystemLeavesNoFile) {
    QTemporaryDir home;
    const FullFolder full;
    const QString pdf = full.path() + QStringLiteral("/summary.pdf");
    QByteArray err;
    EXPECT_EQ(full.run({"--home", home.path(), "analyze", Example, "--pdf", pdf}, err), 1);
    if (err.contains("PDF output is not available")) {
        GTEST_SKIP() << "a build without the desktop libraries";
    }
    EXPECT_EQ(err, ("error: Unable to write to " + pdf + "\n").toUtf8());
    EXPECT_TRUE(QDir(full.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

// A name, key or value that would change a file's structure is refused with exit 1, and both
// database files keep every byte.
TEST(CliFailures, StructureBreakingValuesAreRefusedAndWriteNothing) {
    QTemporaryDir home;
    const QString h = home.path();
    ASSERT_EQ(runCli(h, {"db", "use", "uncontrolled"}).exitCode, 0);
    ASSERT_EQ(runCli(h, {"custom", "add", "clib", "4.12", "--os", "4.10"}).exitCode, 0);
    const QByteArray controlled = bytes(home.filePath("quarixdb.ini"));
    const QByteArray uncontrolled = bytes(home.filePath("CARTOVEX.INI"));
    const QList<QStringList> refused = {
        {"custom", "add", "clib", "4.12\r\n[Evil]", "--os", "4.10"},
        {"custom", "add", "a=b", "4.12", "--os", "4.10", "--os", "4.11"},
        {"custom", "add", "clib", "4.12", "--os", "4.10", "--file", "up.exe\nX=1"},
        {"db", "core", "add", "4.10:X\nY", "1.00"},
        {"db", "core", "add", "4.10:A=B", "1.00"},
        {"db", "core", "add", "[Evil", "1.00"},
        {"db", "core", "add", "4.10:CLIB", "1.00\r[Evil]"},
        {"options", "set", "--remote-host", "ftp.test\r\n[Evil]"},
        {"options", "set", "--password", "a\nb", "--user", "me"},
        {"options", "set", "--root-dir", "/tmp\n"},
        {"download", "--host", "a\nb"},
        {"download", "--remote-file", "/db.ini\r\nRemoteHost=evil"}};
    for (const QStringList& args : refused) {
        const CliRun run = runCli(h, args);
        const std::string words = args.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, 1) << words;
        EXPECT_TRUE(run.err.contains(" cannot be stored: ")) << words << run.err.toStdString();
        EXPECT_EQ(bytes(home.filePath("quarixdb.ini")), controlled) << words;
        EXPECT_EQ(bytes(home.filePath("CARTOVEX.INI")), uncontrolled) << words;
    }
    // A refused core entry exits 1 as well.
    EXPECT_EQ(runCli(h, {"db", "core", "add", "4.10:CLIB", ""}).exitCode, 1);
    EXPECT_EQ(runCli(h, {"db", "core", "add", "", "4.12"}).exitCode, 1);
    EXPECT_EQ(bytes(home.filePath("CARTOVEX.INI")), uncontrolled);
}

// A manual update writes the download settings back into the new file, and refuses a file
// that cannot be a database (binary, or without a section header) before anything changes.
TEST(CliFailures, AManualUpdateKeepsTheDownloadSettingsAndRefusesNonDatabases) {
    QTemporaryDir home;
    const QString h = home.path();
    ASSERT_EQ(runCli(h, {"options", "set", "--remote-host", "ftp.mine.test", "--remote-port",
                         "2121", "--user", "me", "--password", "secret", "--remote-file",
                         "/pub/db.ini", "--check-remote-file", "off"})
                  .exitCode,
              0);
    QByteArray settings = runCli(h, {"options"}).out;
    const QString chosen = home.filePath("cartvxdb.ini");
    write(chosen, "[Core DXPs]\r\n4.11:CLIB.DXP=4.11a\r\n\r\n");
    ASSERT_EQ(runCli(h, {"db", "manual-update", chosen}).exitCode, 0);
    EXPECT_TRUE(bytes(home.filePath("quarixdb.ini")).startsWith("[Core DXPs]\r\n4.11:CLIB.DXP"));
    EXPECT_EQ(runCli(h, {"options"}).out, settings.replace("Frequency: 0", "Frequency: 2"));

    const QByteArray before = bytes(home.filePath("quarixdb.ini"));
    QByteArray binary;
    for (int k = 0; k < 4096; ++k) {
        binary.append(char((k * 7919 + 13) % 256));
    }
    write(chosen, "[Core DXPs]\r\n" + binary);
    CliRun run = runCli(h, {"db", "manual-update", chosen});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("is not a patch database")) << run.err.toStdString();
    write(chosen, "just some text\r\n4.11:CLIB.DXP=4.11a\r\n");
    EXPECT_EQ(runCli(h, {"db", "manual-update", chosen}).exitCode, 1);
    EXPECT_EQ(bytes(home.filePath("quarixdb.ini")), before);
}

}  // namespace
