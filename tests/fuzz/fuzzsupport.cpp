#include "fuzzsupport.h"

#include "engine/engine.h"
#include "text/codepage.h"
#include "ui/progress.h"
#include "ui/recordingdialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

QByteArray bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

QStringList lines(const QByteArray& bytes) {
    return codepage::decodeLines(bytes);
}

const QString& scratch() {
    static int argc = 1;
    static char name[] = "cartovex-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app =
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    // In memory where there is such a folder: the targets write a file on every input.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/cartovex-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/cartovex-fuzz-XXXXXX"));
    static const QString path = [] {
        qputenv("CARTOVEX_HOME", dir.path().toLocal8Bit());
        return dir.path() + u'/';
    }();
    (void)app;
    return path;
}

QString writeFile(const QString& name, const QByteArray& bytes) {
    const QString path = scratch() + name;
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file opens");
    require(file.write(bytes) == bytes.size(), "scratch file is written");
    return path;
}

Engine& engine() {
    static const bool ready = [] {
        const QString home = scratch();
        QFile::remove(home + "quarixdb.ini");
        return QFile::copy(QStringLiteral(CARTOVEX_FUZZ_DATABASE), home + "quarixdb.ini");
    }();
    require(ready, "the database is in place");
    static RecordingDialogs dialogs;
    static NullProgress progress;
    static Engine engine(dialogs, progress);
    static const bool created = engine.create();
    require(created, "the engine starts");
    dialogs.clear();
    return engine;
}

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property does not hold: %s\n", what);
        std::abort();
    }
}

}  // namespace fuzzsupport
