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
        // The synopsis lines of the command, then one line per option.
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        ASSERT_GE(lines.size(), 4) << command.toStdString();
        EXPECT_TRUE(lines.first().startsWith("usage: cartovex-cli"));
        const qsizetype options = lines.indexOf("options:");
        ASSERT_GE(options, 2) << command.toStdString();
        for (qsizetype k = 1; k < lines.size(); ++k) {
            const QByteArray start = k < options ? ("  " + command + " ").toUtf8() : "  -";
            EXPECT_TRUE(k == options || lines.at(k).startsWith(start)) << lines.at(k).toStdString();
        }
        const CliRun version = testsupport::runCli(home.path(), {command, "--version"});
        EXPECT_EQ(version.out, QByteArray("cartovex-cli 2.66\n")) << command.toStdString();
    }
    EXPECT_TRUE(QDir(home.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
}

// Bad usage is one line saying what is wrong and a hint at the command's help on stderr, with
// exit 2; nothing reaches stdout. A global flag the command does not take is bad usage too.
TEST(CliHelp, BadUsageSaysWhatIsWrongAndWhereHelpIs) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QList<QPair<QStringList, QString>> bad = {{{}, ""},
                                              {{"bogus"}, ""},
                                              {{"bogus", "--help"}, ""},
                                              {{"--home"}, ""},
                                              {{"--home", "", "db", "info"}, "db"},
                                              {{"db", "info", "--json"}, "db"},
                                              {{"custom", "list", "--yes"}, "custom"},
                                              {{"analyze", "x.txt", "--yes"}, "analyze"}};
    for (const QString& command : Commands) {
        bad.append({{command, "--no-such-option"}, command});
    }
    for (const auto& [args, command] : std::as_const(bad)) {
        const CliRun run = testsupport::runCli(home.path(), args);
        const std::string words = args.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, 2) << words;
        EXPECT_TRUE(run.out.isEmpty()) << words;
        const QStringList lines = run.err.split(u'\n');
        ASSERT_EQ(lines.size(), 3) << words << run.err.toStdString();
        EXPECT_TRUE(lines.at(0).startsWith("error: ")) << words;
        EXPECT_EQ(lines.at(1), command.isEmpty() ? "Try 'cartovex-cli --help'."
                                                 : "Try 'cartovex-cli " + command + " --help'.")
            << words;
    }
}

}  // namespace
