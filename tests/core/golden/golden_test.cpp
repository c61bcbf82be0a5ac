// End-to-end goldens: each report of tests/data/golden is analysed by cartovex-cli against the
// database of that folder in a fresh home, and the normalised JSON must equal the stored golden.
// tests/data/golden/regenerate.py writes the goldens with the same normalisation.

#include "testsupport.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <sstream>

namespace {

struct GoldenCase {
    const char* report;
    bool uncontrolled;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.report << (c.uncontrolled ? " (uncontrolled)" : "");
}

const GoldenCase Cases[] = {
    {"elm-fs3", false},   {"ash-fs2", false}, {"oak-fs1", false},  {"pine-fs5", false},
    {"cedar-fs6", false}, {"fir-fs7", false}, {"maple-fs4", true},
};

QString goldenFolder() {
    return testsupport::dataPath(QStringLiteral("golden"));
}

QString goldenName(const GoldenCase& c) {
    return QString::fromLatin1(c.report) +
           (c.uncontrolled ? QStringLiteral(".uncontrolled") : QString()) +
           QStringLiteral(".golden.json");
}

using testsupport::CliRun;

CliRun cli(const QString& home, const QStringList& args) {
    return testsupport::runCli(home, QStringList{"--home", home} + args);
}

QJsonValue replacePaths(const QJsonValue& value, const QList<QPair<QString, QString>>& paths) {
    if (value.isString()) {
        QString text = value.toString();
        for (const auto& [path, placeholder] : paths) {
            text.replace(path, placeholder);
        }
        return text;
    }
    if (value.isArray()) {
        QJsonArray out;
        for (const QJsonValue& item : value.toArray()) {
            out.append(replacePaths(item, paths));
        }
        return out;
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        QJsonObject out;
        for (auto it = object.begin(); it != object.end(); ++it) {
            out.insert(it.key(), replacePaths(it.value(), paths));
        }
        return out;
    }
    return value;
}

// The summary report's date and time come from the clock: the third clipboard line and the
// fifth printed paragraph get a placeholder, every other text stays exact.
QJsonObject withoutClock(QJsonObject summary) {
    QStringList lines = summary["ClipboardText"].toString().split("\r\n");
    if (lines.size() >= 3) {
        lines[2] = QString(8, u' ') + "<NOW>";
        summary["ClipboardText"] = lines.join("\r\n");
    }
    QJsonArray document = summary["PrintedDocument"].toArray();
    if (document.size() >= 5) {
        QJsonObject paragraph = document.at(4).toObject();
        paragraph["text"] = QString(29, u' ') + "<NOW>";
        document[4] = paragraph;
    }
    summary["PrintedDocument"] = document;
    return summary;
}

// Drops the machine-dependent keys and puts placeholders for the clock, the home and the data
// folders.
QJsonObject normalise(QJsonObject root, const QString& home, const QString& data) {
    root.remove("ConfigFileName");
    if (root.contains("SummaryReport")) {
        root["SummaryReport"] = withoutClock(root["SummaryReport"].toObject());
    }
    QJsonObject views = root["views"].toObject();
    views.remove("Caption");
    root["views"] = views;
    QJsonObject database = root["database"].toObject();
    database.remove("path");
    root["database"] = database;
    const QList<QPair<QString, QString>> paths = {
        {home, "<HOME>"}, {home.toUpper(), "<HOME>"}, {data, "<DATA>"}, {data.toUpper(), "<DATA>"}};
    return replacePaths(root, paths).toObject();
}

QString leafText(const QJsonValue& value) {
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(wrapped.mid(1, wrapped.size() - 2));
}

// One line per leaf, "path = value", so that a difference names the key it is in.
void flatten(const QJsonValue& value, const QString& path, QStringList& out) {
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        if (object.isEmpty()) {
            out << path + " = {}";
        }
        for (auto it = object.begin(); it != object.end(); ++it) {
            flatten(it.value(), path.isEmpty() ? it.key() : path + '.' + it.key(), out);
        }
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        out << path + QStringLiteral(" : %1 items").arg(array.size());
        for (qsizetype i = 0; i < array.size(); ++i) {
            flatten(array.at(i), path + QStringLiteral("[%1]").arg(i), out);
        }
    } else {
        out << path + " = " + leafText(value);
    }
}

// Empty when equal; otherwise the first differing line and its neighbours on both sides.
std::string firstDifference(const QStringList& expected, const QStringList& actual) {
    const auto [e, a] =
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    if (e == expected.end() && a == actual.end()) {
        return {};
    }
    const qsizetype at = e - expected.begin();
    std::ostringstream out;
    out << "first difference at flattened line " << at << "\n";
    for (qsizetype i = std::max<qsizetype>(0, at - 2); i < at; ++i) {
        out << "    " << expected.at(i).toStdString() << "\n";
    }
    out << "  - expected: "
        << (e == expected.end() ? std::string("<nothing more>") : e->toStdString()) << "\n";
    out << "  + actual:   "
        << (a == actual.end() ? std::string("<nothing more>") : a->toStdString()) << "\n";
    int extra = 0;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        if (!actual.contains(*it) && ++extra <= 12) {
            out << "  missing from actual: " << it->toStdString() << "\n";
        }
    }
    extra = 0;
    for (auto it = actual.begin(); it != actual.end(); ++it) {
        if (!expected.contains(*it) && ++extra <= 12) {
            out << "  not in golden:       " << it->toStdString() << "\n";
        }
    }
    return out.str();
}

class Golden : public testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, AnalysisMatchesTheReviewedGolden) {
    const GoldenCase c = GetParam();
    const QString data = QFileInfo(goldenFolder()).canonicalFilePath();
    QFile goldenFile(QDir(data).filePath(goldenName(c)));
    ASSERT_TRUE(goldenFile.open(QIODevice::ReadOnly)) << goldenFile.fileName().toStdString();
    QJsonParseError parseError;
    const QJsonDocument golden = QJsonDocument::fromJson(goldenFile.readAll(), &parseError);
    ASSERT_EQ(parseError.error, QJsonParseError::NoError) << parseError.errorString().toStdString();

    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString home = QFileInfo(tmp.path()).canonicalFilePath();
    const QString database = QDir(data).filePath("quarixdb.ini");
    ASSERT_TRUE(QFile::copy(database, QDir(home).filePath("quarixdb.ini")));
    if (c.uncontrolled) {
        ASSERT_TRUE(QFile::copy(database, QDir(home).filePath("CARTOVEX.INI")));
        const CliRun use = cli(home, {"db", "use", "uncontrolled"});
        ASSERT_EQ(use.exitCode, 0) << use.err.toStdString();
    }

    const QString report = QDir(data).filePath(QString::fromLatin1(c.report) + ".txt");
    const CliRun run = cli(home, {"analyze", report, "--json"});
    QJsonParseError outError;
    const QJsonDocument actual = QJsonDocument::fromJson(run.out, &outError);
    ASSERT_EQ(outError.error, QJsonParseError::NoError)
        << run.err.toStdString() << run.out.toStdString();
    EXPECT_EQ(run.exitCode, golden.object()["error"].isNull() ? 0 : 1) << run.err.toStdString();

    QStringList expectedLines;
    QStringList actualLines;
    flatten(golden.object(), QString(), expectedLines);
    flatten(normalise(actual.object(), home, data), QString(), actualLines);
    const std::string difference = firstDifference(expectedLines, actualLines);
    EXPECT_TRUE(difference.empty()) << goldenName(c).toStdString() << ": " << difference;
}

INSTANTIATE_TEST_SUITE_P(Reports, Golden, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                             std::string name = info.param.report;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name + (info.param.uncontrolled ? "_uncontrolled" : "");
                         });

// A golden that no case runs would silently stop guarding anything.
TEST(GoldenFolder, EveryGoldenFileBelongsToACase) {
    QStringList expected;
    for (const GoldenCase& c : Cases) {
        expected << goldenName(c);
    }
    QStringList present = QDir(goldenFolder()).entryList({"*.golden.json"}, QDir::Files);
    expected.sort();
    present.sort();
    EXPECT_EQ(present, expected);
}

}  // namespace
