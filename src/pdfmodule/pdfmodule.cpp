// The PDF output of the command line, kept out of cartovex-cli itself: only this module links
// the window library and Qt's GUI and printing libraries, so every other run of the command
// line starts without loading them. cartovex-cli loads it when --pdf is asked for.

#include "gui/print/summaryprinter.h"

#include <QGuiApplication>

extern "C" Q_DECL_EXPORT QCoreApplication* cartovexPdfApplication(int* argc, char** argv) {
    return new QGuiApplication(*argc, argv);
}

extern "C" Q_DECL_EXPORT void cartovexPdfWrite(const PrintedDocument* document, const QString* path,
                                               QString* error) {
    *error = summaryprinter::writePdf(*document, *path);
}
