// Opens a report in the real main window (offscreen), shows the Config Text page, and reports
// the load time, the longest time between two turns of the event loop during the load (the
// window must stay responsive: at most 100 ms), the longest time the progress bar and the
// load-stage panel stood still (a user must see them move: at most 250 ms) and the peak
// resident memory. Usage: bench_window [MODULES | REPORT] (default a generated report of
// 133000 modules, about 10 MB). The last line is for scripts:
// RESULT load_ms=<int> rss_mb=<int> longest_gap_ms=<int>

#include "reportgenerator.h"

#include "gui/mainwindow.h"
#include "gui/pages/configanalysissheet.h"
#include "text/codepage.h"
#include "ui/recordingdialogs.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
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

// The peak resident set size of this process in MB (VmHWM).
long peakResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong() / 1024;
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("CARTOVEX_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    bool isCount = argc > 1;
    const int modules = argc > 1 ? QByteArray(argv[1]).toInt(&isCount) : 133000;
    const QString report =
        argc > 1 && !isCount ? QString::fromLocal8Bit(argv[1]) : writeReport(home.path(), modules);
    if (report.isEmpty() || !QFile::exists(report)) {
        std::fprintf(stderr, "cannot write the report\n");
        return 1;
    }

    // The peak memory counts from here: what generating the report took is not the window's.
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly)) {
        clearRefs.write("5");
        clearRefs.close();
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
    // It also looks at what the user sees of the load: the progress bar and the stage panel.
    QElapsedTimer clock;
    qint64 last = -1;
    qint64 longest = 0;
    bool loading = false;
    const QProgressBar* bar = window.analysisSheet()->progressBar();
    const QLabel* stage = window.statusPanel(0);
    std::pair<int, QString> shown;
    QString longestStage;  // the stage the window showed after its longest freeze
    qint64 lastMove = 0;
    qint64 longestStill = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (loading && last >= 0) {
            if (now - last > longest) {
                longest = now - last;
                longestStage = stage->text();
            }
            std::pair<int, QString> seen{bar->value(), stage->text()};
            // A busy bar (a range of 0) moves by itself.
            if (seen != shown || bar->maximum() == 0) {
                longestStill = std::max(longestStill, now - lastMove);
                shown = seen;
                lastMove = now;
            }
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
        // The report is read on the Config Text page; the load ends when that page is shown.
        window.tabs()->setCurrentIndex(MainWindow::ConfigText);
        window.repaint();
        loadTime = clock.nsecsElapsed();
        // What the window did after the load's last turn of the loop is a freeze as well.
        longest = std::max(longest, loadTime - last);
        longestStill = std::max(longestStill, loadTime - lastMove);
        // The turn after the load counts too: what the load left for the loop to do.
        QTimer::singleShot(0, [&] {
            loading = false;
            app.quit();
        });
    });
    app.exec();
    const double longestMs = double(longest) / 1e6;
    const double stillMs = double(longestStill) / 1e6;
    const long residentMb = peakResidentMb();
    std::printf("report: %lld bytes; load %.0f ms; peak memory %ld MB\n", QFile(report).size(),
                double(loadTime) / 1e6, residentMb);
    std::printf(
        "longest time between two event-loop turns: %.0f ms (target 100 ms) %s, "
        "ending in stage \"%s\"\n",
        longestMs, longestMs <= 100 ? "ok" : "MISSED", qPrintable(longestStage));
    std::printf("longest time the progress stood still: %.0f ms (target 250 ms) %s\n", stillMs,
                stillMs <= 250 ? "ok" : "MISSED");
    std::printf("RESULT load_ms=%lld rss_mb=%ld longest_gap_ms=%lld\n",
                (long long)(double(loadTime) / 1e6 + 0.5), residentMb,
                (long long)(longestMs + 0.5));
    return 0;
}
