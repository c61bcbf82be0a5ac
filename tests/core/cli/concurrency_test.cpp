#include "testsupport.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace {

QString text(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// The keys of a section of a database file, in order.
QStringList keysOf(const QString& content, const QString& section) {
    QStringList keys;
    bool inside = false;
    for (const QString& line : content.split(QStringLiteral("\r\n"))) {
        if (line.startsWith(u'[')) {
            inside = line == u'[' + section + u']';
        } else if (inside && line.contains(u'=')) {
            keys.append(line.left(line.indexOf(u'=')));
        }
    }
    return keys;
}

// Twenty custom entries and twenty core entries added by forty commands started at once on one
// data directory: each waits for the directory's lock, so every entry is in the files, and
// both files agree on the custom entries.
TEST(CliConcurrency, CommandsStartedAtOnceLoseNoEntry) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    ASSERT_EQ(testsupport::runCli(home.path(), {"db", "use", "uncontrolled"}).exitCode, 0);
    // Forty commands one after the other may take longer than the usual wait on a slow
    // machine (or under a sanitizer); none of them may give up here.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("CARTOVEX_LOCK_WAIT_MS", "600000");
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int k = 0; k < 20; ++k) {
        const QString n = QString::number(k);
        for (const QStringList& args :
             {QStringList{"custom", "add", "MOD" + n, "1.0" + n, "--os", "4.11"},
              QStringList{"db", "core", "add", "4.10:CORE" + n, "2.0" + n}}) {
            auto& process = processes.emplace_back(std::make_unique<QProcess>());
            process->setProcessEnvironment(environment);
            process->start(QStringLiteral(CARTOVEX_CLI), QStringList{"--home", home.path()} + args);
        }
    }
    for (auto& process : processes) {
        ASSERT_TRUE(process->waitForFinished(600000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    }
    const QString uncontrolled = text(home.filePath("CARTOVEX.INI"));
    const QString controlled = text(home.filePath("quarixdb.ini"));
    QStringList custom;
    QStringList core;
    for (int k = 0; k < 20; ++k) {
        custom.append("4.11:+MOD" + QString::number(k) + ".DXP");
        core.append("4.10:CORE" + QString::number(k) + ".DXP");
    }
    const auto sorted = [](QStringList list) {
        list.sort();
        return list;
    };
    EXPECT_EQ(sorted(keysOf(uncontrolled, "Custom Entries")), sorted(custom));
    EXPECT_EQ(sorted(keysOf(uncontrolled, "Custom FileSets")), sorted(custom));
    EXPECT_EQ(sorted(keysOf(uncontrolled, "Core DXPs")).filter("CORE"), sorted(core));
    EXPECT_EQ(sorted(keysOf(controlled, "Core DXPs")).filter(":+"), sorted(custom));
    EXPECT_EQ(sorted(keysOf(controlled, "File Sets")).filter(":+"), sorted(custom));
    // Every line of both files ends with CR LF: no write was mixed into another.
    EXPECT_FALSE(uncontrolled.contains(QRegularExpression("[^\r]\n")));
    EXPECT_FALSE(controlled.contains(QRegularExpression("[^\r]\n")));
}

}  // namespace
