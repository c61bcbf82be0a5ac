#include "testsupport.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace {

using testsupport::CliRun;

const QStringList Commands = {"analyze", "compare",  "fleet",   "abend",
                              "custom",  "download", "options", "db"};

// --help and --version answer on stdout with exit 0 and touch no file; the program's help
// lists every command, and a command's help lists only its own lines.
TEST(CliHelp, HelpAndVersionGoToStdoutAndWriteNothing) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());

    const CliRun version = testsupport::runCli(home.path(), {"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("cartovex-cli 2.66\n"));
    EXPECT_TRUE(version.err.isEmpty());

    const CliRun help = testsupport::runCli(home.path(), {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.err.isEmpty());
    for (const QString& command : Commands) {
        EXPECT_TRUE(help.out.contains(("\n  " + command + " ").toUtf8())) << command.toStdString();
    }

    for (const QString& command : Commands) {
        const CliRun run = testsupport::runCli(home.path(), {command, "--help"});
        EXPECT_EQ(run.exitCode, 0) << command.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << command.toStdString();
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        ASSERT_GE(lines.size(), 2) << command.toStdString();
        EXPECT_TRUE(lines.first().startsWith("usage: cartovex-cli"));
        for (qsizetype k = 1; k < lines.size(); ++k) {
            EXPECT_TRUE(lines.at(k).startsWith(("  " + command + " ").toUtf8()))
                << lines.at(k).toStdString();
        }
        const CliRun version = testsupport::runCli(home.path(), {command, "--version"});
        EXPECT_EQ(version.out, QByteArray("cartovex-cli 2.66\n")) << command.toStdString();
    }
    EXPECT_TRUE(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

// Bad usage goes to stderr with the usage and exit 2; nothing reaches stdout.
TEST(CliHelp, BadUsageGoesToStderrWithExitTwo) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QList<QStringList> bad = {{}, {"bogus"}, {"bogus", "--help"}, {"--home"}};
    for (const QString& command : Commands) {
        bad.append({command, "--no-such-option"});
    }
    for (const QStringList& args : std::as_const(bad)) {
        const CliRun run = testsupport::runCli(home.path(), args);
        const std::string words = args.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, 2) << words;
        EXPECT_TRUE(run.out.isEmpty()) << words;
        EXPECT_TRUE(run.err.startsWith("error: ")) << words;
        EXPECT_TRUE(run.err.contains("usage: cartovex-cli")) << words;
    }
}

}  // namespace
