#pragma once

#include "reports/summarydocument.h"

#include <QString>

class QPrinter;
class QTextDocument;

// Renders the printed summary report: a text document of the report's paragraphs in the
// proportional font at their sizes and weights, printed as one job titled with the document's
// title. The window's Print sends it to the chosen printer; the command line writes a PDF.
// Needs a QGuiApplication (fonts).
namespace summaryprinter {

void fillDocument(QTextDocument& document, const PrintedDocument& printed);
// Prints the document as one job on an already configured printer.
void print(QPrinter& printer, const PrintedDocument& printed);
// Writes the document to a PDF file. The file appears only when it was written whole; a
// file that stood there before is replaced. Returns the error text, or a null string.
QString writePdf(const PrintedDocument& printed, const QString& path);

}  // namespace summaryprinter
