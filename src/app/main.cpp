#include "gui/mainwindow.h"
#include "gui/screenshots.h"
#include "gui/widgets/messageboxdialogs.h"
#include "gui/widgets/splashwindow.h"
#include "settings/datadirectory.h"
#include "startup/programinfo.h"
#include "startup/singleinstance.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// The desktop program: one instance per data directory, the splash while the windows are
// created, the main window until it closes. The first parameter may name a report to open.
int main(int argc, char** argv) {
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
    app.setApplicationDisplayName(programinfo::ApplicationTitle);

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
