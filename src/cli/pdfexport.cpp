#include "pdfexport.h"

#include <cstring>

#ifdef CARTOVEX_HAVE_PRINT
#include "gui/print/summaryprinter.h"

#include <QGuiApplication>
#endif

namespace pdfexport {

#ifdef CARTOVEX_HAVE_PRINT

namespace {

bool wantsPdf(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pdf") == 0 || std::strncmp(argv[i], "--pdf=", 6) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool available() {
    return true;
}

std::unique_ptr<QCoreApplication> application(int& argc, char** argv) {
    if (!wantsPdf(argc, argv)) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}

QString write(const PrintedDocument& document, const QString& path) {
    return summaryprinter::writePdf(document, path);
}

#else

bool available() {
    return false;
}

std::unique_ptr<QCoreApplication> application(int& argc, char** argv) {
    return std::make_unique<QCoreApplication>(argc, argv);
}

QString write(const PrintedDocument&, const QString&) {
    return QStringLiteral(
        "PDF output is not available: this cartovex-cli was built without the desktop "
        "libraries (Qt PrintSupport)");
}

#endif

}  // namespace pdfexport
