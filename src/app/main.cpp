#include "model/mainviews.h"

#include <QApplication>
#include <QMainWindow>

// The desktop program. Its window grows page by page; for now it opens with its caption.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(MainViews::BaseCaption);
    window.resize(735, 555);
    window.show();
    return app.exec();
}
