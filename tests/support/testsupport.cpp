#include "testsupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

namespace testsupport {

QString dataPath(const QString& name) {
    return QStringLiteral(CARTOVEX_TEST_DATA) + u'/' + name;
}

QStringList lines(const QString& text) {
    QStringList out = text.split(u'\n');
    if (!out.isEmpty() && out.last().isEmpty()) {
        out.removeLast();
    }
    return out;
}

CliRun runCli(const QString& home, const QStringList& args, const QString& outputFile) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CARTOVEX_HOME", home);
    env.insert("LC_ALL", "C.UTF-8");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    if (!outputFile.isEmpty()) {
        process.setStandardOutputFile(outputFile);
    }
    process.start(QStringLiteral(CARTOVEX_CLI), args);
    CliRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "cartovex-cli did not finish: " << args.join(' ').toStdString();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

int fileMode(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777)
                                                                     : -1;
}

}  // namespace testsupport
