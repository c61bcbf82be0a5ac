#pragma once

#include "reports/summarydocument.h"

#include <QCoreApplication>
#include <memory>

// The command line's PDF output of the printed summary report. It needs the desktop build's PDF
// module (Qt PrintSupport), loaded only when a PDF is asked for, and a QGuiApplication; a build
// without the module refuses it.
namespace pdfexport {

// The application object: a QGuiApplication when the words ask for a PDF and this build can
// write one (on the offscreen platform unless QT_QPA_PLATFORM names another), otherwise a
// QCoreApplication.
std::unique_ptr<QCoreApplication> application(int& argc, char** argv);
bool available();
// Writes the document to path; returns the error text, or a null string.
QString write(const PrintedDocument& document, const QString& path);

}  // namespace pdfexport
