// fleet on several processes, the exit codes of --check, and the HTML files of both commands.

#include "testsupport.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using testsupport::CliRun;

CliRun cli(const QTemporaryDir& home, const QStringList& args) {
    return testsupport::runCli(home.path(), QStringList{"--home", home.path()} + args);
}

const QString Example = QStringLiteral(CARTOVEX_SOURCE_DIR "/examples/config.txt");
const QString Clean = testsupport::dataPath("analysis/pine-fs5.txt");
const QString Broken = testsupport::dataPath("compare/postrix.txt");

// Rows come in argument order whatever the number of workers, and every spelling of -j works.
TEST(FleetCli, WorkersKeepTheArgumentOrder) {
    QTemporaryDir home;
    QStringList reports;
    for (int k = 0; k < 12; ++k) {
        reports << (k % 3 == 0 ? Example : k % 3 == 1 ? Broken : Clean);
    }
    const CliRun one = cli(home, QStringList{"fleet", "-j", "1", "--json"} + reports);
    EXPECT_EQ(one.exitCode, 1);
    for (const QStringList& jobs : {QStringList{"-j3"}, {"--jobs", "4"}, {"--jobs=2"}, {}}) {
        const CliRun many = cli(home, QStringList{"fleet", "--json"} + jobs + reports);
        EXPECT_EQ(many.exitCode, 1);
        EXPECT_EQ(many.out, one.out) << jobs.join(' ').toStdString();
        EXPECT_EQ(many.err, one.err);
    }
    EXPECT_EQ(cli(home, {"fleet", "-j", "0", Example}).exitCode, 2);
    EXPECT_EQ(cli(home, {"fleet", Example, "-j"}).exitCode, 2);
}

// A message of several lines stays on its report's row in the text output.
TEST(FleetCli, TextRowsStayOnOneLine) {
    QTemporaryDir home;
    const CliRun run = cli(home, {"fleet", Broken, Clean});
    const QStringList lines = QString::fromUtf8(run.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains("need to be removed. \u23ce The control characters appear"));
}

// --check: 3 when a suggestion is found, 1 before that when a report failed, else 0; without
// it the status stays as it was.
TEST(FleetCli, CheckExitCodes) {
    QTemporaryDir home;
    EXPECT_EQ(cli(home, {"analyze", Example, "--check"}).exitCode, 3);
    EXPECT_EQ(cli(home, {"analyze", Example}).exitCode, 0);
    EXPECT_EQ(cli(home, {"analyze", Clean, "--check"}).exitCode, 0);
    EXPECT_EQ(cli(home, {"analyze", Broken, "--check"}).exitCode, 1);
    EXPECT_EQ(cli(home, {"fleet", Clean, Clean, "--check"}).exitCode, 0);
    EXPECT_EQ(cli(home, {"fleet", Clean, Example, "--check"}).exitCode, 3);
    EXPECT_EQ(cli(home, {"fleet", Example, Broken, "--check"}).exitCode, 1);
    EXPECT_EQ(cli(home, {"fleet", Clean, Example}).exitCode, 0);
}

// The dashboard links a page per loaded report, none for a failed one; a page that cannot be
// written is an error.
TEST(FleetCli, HtmlFilesAreWrittenWhereAsked) {
    QTemporaryDir home;
    const QString dir = home.filePath("dash");
    EXPECT_EQ(cli(home, {"fleet", Example, Broken, Clean, "--html-dir", dir}).exitCode, 1);
    EXPECT_EQ(QDir(dir + "/servers").entryList(QDir::Files),
              (QStringList{"1-ACME-FS1.html", "3-PINE-FS5.html"}));
    QFile index(dir + "/index.html");
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QByteArray page = index.readAll();
    EXPECT_TRUE(page.contains("<a href=\"servers/3-PINE-FS5.html\">PINE-FS5</a>"));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"index.html"});

    const CliRun refused = cli(home, {"analyze", Example, "--html", home.filePath("no/x.html")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("Unable to write to " + home.filePath("no/x.html")));
}

}  // namespace
