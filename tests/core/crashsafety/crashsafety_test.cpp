// Commands that write the database files are killed (SIGKILL) at random moments. After every
// kill both database files are there, read cleanly and hold the state before or after the
// command; after the next command that runs to its end no temporary file is left.

#include "testsupport.h"

#include "ini/inilines.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <random>

namespace {

const QStringList Databases = {QStringLiteral("quarixdb.ini"), QStringLiteral("CARTOVEX.INI")};

using Files = QMap<QString, QByteArray>;

Files snapshot(const QString& home) {
    Files files;
    for (const QString& name : Databases) {
        QFile file(QDir(home).filePath(name));
        files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    return files;
}

QStringList entries(const QString& home) {
    return QDir(home).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QProcess* start(const QString& home, const QStringList& args) {
    auto* process = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("CARTOVEX_HOME"), home);
    process->setProcessEnvironment(env);
    process->start(QStringLiteral(CARTOVEX_CLI), QStringList{"--home", home} + args);
    return process;
}

// The command's writes that the killed run may have made: the same command run to its end on a
// copy of the state before.
Files stateAfter(const Files& before, const QStringList& args, const QString& home) {
    QTemporaryDir copy;
    for (auto it = before.begin(); it != before.end(); ++it) {
        QFile file(QDir(copy.path()).filePath(it.key()));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(it.value());
    }
    testsupport::runCli(copy.path(), QStringList{"--home", copy.path()} + args);
    Files after = snapshot(copy.path());
    for (QByteArray& bytes : after) {
        bytes.replace(copy.path().toLocal8Bit(), home.toLocal8Bit());  // paths the files hold
    }
    return after;
}

QStringList command(std::mt19937& rng, int round) {
    const QString n = QString::number(round);
    switch (rng() % 3) {
        case 0:
            return {"db", "core", "add", "CRASH" + n + ".DXP", "4." + n};
        case 1:
            return {"custom", "add",  "CUST" + n + ".DXP",  "4.1" + n,
                    "--os",   "4.11", "--no-restart-prompt"};
        default:
            return {"options", "set", "--remote-host", "host" + n};
    }
}

}  // namespace

TEST(CrashSafety, KilledWritesLeaveTheOldOrTheNewDatabases) {
    QTemporaryDir dir;
    const QString home = dir.path();
    ASSERT_EQ(testsupport::runCli(home, {"--home", home, "db", "use", "uncontrolled"}).exitCode, 0);
    const QStringList cleanEntries = entries(home);
    std::mt19937 rng(20260101);
    QElapsedTimer clock;
    clock.start();
    testsupport::runCli(home, {"--home", home, "db", "core", "add", "FIRST.DXP", "4.10"});
    const int fullRun = std::max<int>(5, int(clock.elapsed()));

    int changed = 0;
    for (int round = 0; round < 200; ++round) {
        const QStringList args = command(rng, round);
        const Files before = snapshot(home);
        std::unique_ptr<QProcess> process(start(home, args));
        ASSERT_TRUE(process->waitForStarted());
        QThread::usleep(rng() % (unsigned(fullRun) * 1200));
        process->kill();
        ASSERT_TRUE(process->waitForFinished());

        const Files now = snapshot(home);
        for (const QString& name : Databases) {
            QList<IniLines::RawLine> lines;
            ASSERT_TRUE(IniLines::loadRaw(QDir(home).filePath(name), lines)) << name.toStdString();
        }
        if (now != before) {
            ++changed;
            const Files after = stateAfter(before, args, home);
            for (const QString& name : Databases) {
                ASSERT_TRUE(now[name] == before[name] || now[name] == after[name])
                    << name.toStdString() << " in round " << round << " of "
                    << args.join(u' ').toStdString();
            }
        }
        if (round % 20 == 19) {
            // A command that runs to its end leaves no temporary file behind.
            testsupport::runCli(
                home, {"--home", home, "options", "set", "--user", "u" + QString::number(round)});
            EXPECT_EQ(entries(home).join(u' ').toStdString(), cleanEntries.join(u' ').toStdString())
                << "after round " << round;
        }
    }
    RecordProperty("changed", changed);
    EXPECT_GT(changed, 0);  // some kills landed while the files were being written
}
