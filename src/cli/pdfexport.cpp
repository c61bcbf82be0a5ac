#include "pdfexport.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <cstring>

namespace pdfexport {

namespace {

bool wantsPdf(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pdf") == 0 || std::strncmp(argv[i], "--pdf=", 6) == 0) {
            return true;
        }
    }
    return false;
}

using MakeApplication = QCoreApplication* (*)(int*, char**);
using Write = void (*)(const PrintedDocument*, const QString*, QString*);

// The PDF module: beside this program in a build, in lib/cartovex when installed. Loaded once,
// on the first use; null entry points when it cannot be.
struct Module {
    MakeApplication makeApplication = nullptr;
    Write write = nullptr;
    QString error;
};

const Module& module() {
    static const Module loaded = [] {
        Module m;
        const QString here = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
        const QString name = QStringLiteral("libcartovex-pdf.so");
        const QStringList paths = {
            here + u'/' + name,
            QDir::cleanPath(here + QStringLiteral("/" CARTOVEX_PDF_MODULE_DIR "/") + name)};
        for (const QString& path : paths) {
            if (!QFileInfo::exists(path)) {
                continue;
            }
            QLibrary library(path);
            m.makeApplication =
                reinterpret_cast<MakeApplication>(library.resolve("cartovexPdfApplication"));
            m.write = reinterpret_cast<Write>(library.resolve("cartovexPdfWrite"));
            if (m.makeApplication == nullptr || m.write == nullptr) {
                m = Module{};
                m.error = library.errorString();
            }
            return m;
        }
        m.error = QStringLiteral("its module is not installed (looked for ") +
                  paths.join(QStringLiteral(" and ")) + u')';
        return m;
    }();
    return loaded;
}

}  // namespace

bool available() {
    return module().write != nullptr;
}

std::unique_ptr<QCoreApplication> application(int& argc, char** argv) {
    if (!wantsPdf(argc, argv) || !available()) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return std::unique_ptr<QCoreApplication>(module().makeApplication(&argc, argv));
}

QString write(const PrintedDocument& document, const QString& path) {
    if (!available()) {
        return QStringLiteral("PDF output is not available: ") + module().error;
    }
    QString error;
    module().write(&document, &path, &error);
    return error;
}

}  // namespace pdfexport
