// Opens a 10 MB report in the real main window (offscreen) and reports the longest time
// between two turns of the event loop during the load: the window must stay responsive, so
// the target is at most 100 ms. Usage: bench_window [MODULES] (default 133000, about 10 MB).

#include "reportgenerator.h"

#include "gui/mainwindow.h"
#include "text/codepage.h"
#include "ui/recordingdialogs.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

QString writeReport(const QString& folder, int modules) {
    reportgen::Shape shape;
    shape.modules = modules;
    shape.randomNames = true;
    const QString path = folder + QStringLiteral("/config.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QString();
    }
    file.write(codepage::encode(reportgen::generate(shape).join(QStringLiteral("\r\n")) +
                                QStringLiteral("\r\n")));
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("CARTOVEX_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    const int modules = argc > 1 ? std::atoi(argv[1]) : 133000;
    const QString report = writeReport(home.path(), modules);
    if (report.isEmpty()) {
        std::fprintf(stderr, "cannot write the report\n");
        return 1;
    }

    RecordingDialogs dialogs;
    MainWindow window(dialogs, {});
    window.setActivatedBySystem(false);
    window.createWindows();
    window.show();
    // The start-up steps of the first activation are left out: they may open modal windows.
    // A modal window that opens anyway (a message about the report) is closed at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            modal->done(QDialog::Accepted);
        }
    });
    closer.start(20);

    // A zero-time timer fires once every turn of the event loop, also inside the load's own
    // event handling; the longest gap between two firings is the longest the window froze.
    QElapsedTimer clock;
    qint64 last = -1;
    qint64 longest = 0;
    bool loading = false;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (loading && last >= 0) {
            longest = std::max(longest, now - last);
        }
        last = now;
    });
    heartbeat.start(0);
    qint64 loadTime = 0;
    QTimer::singleShot(50, [&] {
        clock.start();
        last = clock.nsecsElapsed();
        loading = true;
        window.openReport(report);
        loadTime = clock.nsecsElapsed();
        // The turn after the load counts too: what the load left for the loop to do.
        QTimer::singleShot(0, [&] {
            loading = false;
            app.quit();
        });
    });
    app.exec();
    const double longestMs = double(longest) / 1e6;
    std::printf("report: %lld bytes, %d modules; load %.0f ms\n", QFile(report).size(), modules,
                double(loadTime) / 1e6);
    std::printf("longest time between two event-loop turns: %.0f ms (target 100 ms) %s\n",
                longestMs, longestMs <= 100 ? "ok" : "MISSED");
    return 0;
}
