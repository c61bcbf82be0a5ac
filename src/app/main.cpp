#include "gui/mainwindow.h"
#include "gui/screenshots.h"
#include "gui/widgets/messageboxdialogs.h"
#include "gui/widgets/splashwindow.h"
#include "settings/datadirectory.h"
#include "startup/programinfo.h"
#include "startup/singleinstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

// Reads the program's words before the window system is reached, so --help and --version
// answer without a display. Returns the exit status when the words ask for help or the
// version or are off; -1 when the program should start.
int answerWithoutWindow(int argc, char** argv) {
    QStringList words;
    for (int k = 0; k < argc; ++k) {
        words.append(QString::fromLocal8Bit(argv[k]));
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Analyse the configuration report of a Daltrix file server."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("report"),
                                 QStringLiteral("A configuration report to open."),
                                 QStringLiteral("[REPORT]"));
    // The window system's own options, which QApplication takes out later.
    for (const char* name : {"platform", "style", "stylesheet", "display", "qwindowgeometry",
                             "qwindowtitle", "qwindowicon", "platformtheme"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    // Without an application object the parser does not know the program's name.
    const QString help =
        parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("cartovex"));
    if (!parser.parse(words)) {
        std::fprintf(stderr, "cartovex: %s\n%s", qPrintable(parser.errorText()), qPrintable(help));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        std::fputs(qPrintable(help), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("cartovex %s\n", qPrintable(programinfo::version()));
        return 0;
    }
    return -1;
}

}  // namespace

// The desktop program: one instance per data directory, the splash while the windows are
// created, the main window until it closes. The first parameter may name a report to open.
int main(int argc, char** argv) {
    if (const int status = answerWithoutWindow(argc, argv); status >= 0) {
        return status;
    }
    QApplication app(argc, argv);
    app.setApplicationName(programinfo::ApplicationTitle);
    SingleInstance instance;
    if (!instance.acquire(DataDirectory::windowsDirectory())) {
        QMessageBox::information(nullptr, programinfo::ApplicationTitle,
                                 SingleInstance::AlreadyRunning);
        return 0;
    }
    auto* splash = new SplashWindow;
    splash->showAndPaint();

    MessageBoxDialogs dialogs;
    MainWindow window(dialogs, app.arguments().mid(1));
    dialogs.setParent(&window);
    window.silenceDialogs = [&dialogs] { dialogs.silence(); };
    window.setProgramFolder(QCoreApplication::applicationDirPath());
    window.createWindows();
    delete splash;

    window.show();
    // Without a window manager no activation may arrive; the first activation runs anyway.
    QTimer::singleShot(0, &window, &MainWindow::activated);
    // CARTOVEX_SCREENSHOTS=folder: save a picture of each page once started, then end.
    const QString pictures = qEnvironmentVariable("CARTOVEX_SCREENSHOTS");
    if (!pictures.isEmpty()) {
        auto* shoot = new QTimer(&window);
        QObject::connect(shoot, &QTimer::timeout, &window, [&window, pictures, shoot] {
            if (!window.engine().loader().isLoading()) {  // the report first
                shoot->stop();
                screenshots::saveAll(window, pictures);
                window.close();
            }
        });
        shoot->start(1500);
    }
    return app.exec();
}
