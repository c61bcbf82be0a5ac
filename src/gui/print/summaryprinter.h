#pragma once

#include "reports/summarydocument.h"

#include <QString>

class QPageLayout;
class QPrinter;
class QTextDocument;

// Renders the printed summary report: a text document of the report's paragraphs in the
// proportional font at their sizes and weights, printed as one job titled with the document's
// title. The window's Print sends it to the chosen printer; the command line writes a PDF.
// Needs a QGuiApplication (fonts).
namespace summaryprinter {

void fillDocument(QTextDocument& document, const PrintedDocument& printed);
// Prints the document as one job on an already configured printer; a printer that prints to a
// PDF file writes it as writePdf does. Returns the error text, or a null string.
QString print(QPrinter& printer, const PrintedDocument& printed);
// Writes the document to a PDF file: rendered in memory, then written by the atomic writer, so
// the file appears only when it was written whole (a file that stood there before is replaced)
// and a full disk leaves no file. Returns "Unable to write to <path>", or a null string. The
// first form uses the page layout of a high-resolution printer.
QString writePdf(const PrintedDocument& printed, const QString& path);
QString writePdf(const PrintedDocument& printed, const QString& path, const QPageLayout& layout,
                 int resolution);

}  // namespace summaryprinter
