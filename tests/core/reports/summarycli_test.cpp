// analyze prints the summary report: as text, as the SummaryReport JSON key, and as a PDF.

#include "testsupport.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

using testsupport::CliRun;

const QString Example = QStringLiteral(CARTOVEX_SOURCE_DIR) + "/examples/config.txt";

CliRun cli(const QTemporaryDir& home, const QStringList& args) {
    return testsupport::runCli(home.path(), QStringList{"--home", home.path()} + args);
}

// The text of a PDF as pdftotext reads it, ligatures undone and blanks collapsed.
QString pdfText(const QString& path) {
    QProcess process;
    process.start("pdftotext", {path, "-"});
    if (!process.waitForFinished(60000)) {
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .simplified();
}

TEST(CliSummary, TextOutputIsTheClipboardTextOfTheJson) {
    QTemporaryDir home;
    const CliRun text = cli(home, {"analyze", Example});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    const CliRun json = cli(home, {"analyze", Example, "--json"});
    const QJsonObject summary =
        QJsonDocument::fromJson(json.out).object()["SummaryReport"].toObject();
    QStringList fromJson = summary["ClipboardText"].toString().split("\r\n");
    QStringList printed = QString::fromUtf8(text.out).split('\n');
    ASSERT_EQ(printed.takeLast(), "");
    ASSERT_EQ(printed.size(), fromJson.size());
    printed.removeAt(2);  // the clock's line
    fromJson.removeAt(2);
    EXPECT_EQ(printed, fromJson);
    EXPECT_EQ(printed.first(), "  Cartovex v2.66 Summary Report for ");

    const QJsonArray document = summary["PrintedDocument"].toArray();
    EXPECT_EQ(document.at(3).toObject(),
              (QJsonObject{
                  {"text", "      Daltrix 4.11 Server ACME-FS1"}, {"size", 18}, {"bold", true}}));
    EXPECT_EQ(document.at(7).toObject()["text"].toString(),
              "               *** Using Quarix-controlled database ***");
}

TEST(CliSummary, PdfHoldsTheTitleBlockEverySuggestionAndTheNote) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    QTemporaryDir home;
    const QString pdf = home.filePath("out/summary.pdf");
    ASSERT_TRUE(QDir().mkpath(home.filePath("out")));
    {
        QFile old(pdf);  // an earlier file of that name is replaced
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    const CliRun run = cli(home, {"analyze", Example, "--pdf", pdf});
    if (run.exitCode == 1 && run.err.contains("PDF output is not available")) {
        GTEST_SKIP() << "this cartovex-cli was built without the desktop libraries";
    }
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("Cartovex v2.66 Summary Report for")) << text.toStdString();
    EXPECT_TRUE(text.contains("Daltrix 4.11 Server ACME-FS1"));
    EXPECT_TRUE(text.contains("(Original config text file: " + Example.toUpper() + ")"));
    EXPECT_TRUE(text.contains("*** Using Quarix-controlled database ***"));
    const QJsonObject json =
        QJsonDocument::fromJson(cli(home, {"analyze", Example, "--json"}).out).object();
    for (const QJsonValue& line : json["Suggestions"].toArray()) {
        const QString wanted = line.toString().simplified().remove(QChar(0x2022)).simplified();
        EXPECT_TRUE(text.contains(wanted)) << wanted.toStdString();
    }
    EXPECT_TRUE(text.contains(
        "* Patch set information is accurate only if the Database has info on the patch sets."));
    EXPECT_EQ(QDir(home.filePath("out")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"summary.pdf"});

    // A PDF that cannot be written: a clear error, exit 1, and no file left behind.
    const QString nowhere = home.filePath("missing/summary.pdf");
    const CliRun failed = cli(home, {"analyze", Example, "--pdf", nowhere});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains("error: Unable to write to " + nowhere))
        << failed.err.toStdString();
    EXPECT_FALSE(QFile::exists(nowhere));
    const CliRun folder = cli(home, {"analyze", Example, "--pdf", home.filePath("out")});
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_EQ(QDir(home.filePath("out")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"summary.pdf"});
    EXPECT_EQ(cli(home, {"analyze", Example, "--pdf"}).exitCode, 2);
}

}  // namespace
