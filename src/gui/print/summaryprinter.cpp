#include "gui/print/summaryprinter.h"

#include "ini/atomicfile.h"
#include "ui/operationerror.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace summaryprinter {

namespace {

QTextCharFormat charFormat(const ReportParagraph& paragraph) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(paragraph.size);
    font.setBold(paragraph.bold);
    QTextCharFormat format;
    format.setFont(font);
    return format;
}

// The document as the bytes of a PDF file.
QByteArray renderPdf(const PrintedDocument& printed, const QPageLayout& layout, int resolution) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(printed.title);
        writer.setResolution(resolution);
        writer.setPageLayout(layout);
        QTextDocument document;
        fillDocument(document, printed);
        document.print(&writer);
    }  // the writer completes the PDF when it goes
    return buffer.data();
}

}  // namespace

void fillDocument(QTextDocument& document, const PrintedDocument& printed) {
    document.clear();
    document.setMetaInformation(QTextDocument::DocumentTitle, printed.title);
    QTextCursor cursor(&document);
    bool first = true;
    for (const ReportParagraph& paragraph : printed.paragraphs) {
        const QTextCharFormat format = charFormat(paragraph);
        if (first) {
            cursor.setBlockCharFormat(format);
            first = false;
        } else {
            cursor.insertBlock(QTextBlockFormat(), format);
        }
        // An empty paragraph keeps the height of its size through the block's char format.
        cursor.insertText(paragraph.text, format);
    }
}

QString writePdf(const PrintedDocument& printed, const QString& path) {
    const QPrinter printer(QPrinter::HighResolution);
    return writePdf(printed, path, printer.pageLayout(), printer.resolution());
}

QString writePdf(const PrintedDocument& printed, const QString& path, const QPageLayout& layout,
                 int resolution) {
    const QString failed = QStringLiteral("Unable to write to ") + path;
    if (QFileInfo(path).isDir()) {
        return failed;
    }
    // Rendered whole into memory first: the printer does not report a short write, the atomic
    // writer does, and it leaves no file behind when the disk is full.
    const QByteArray bytes = renderPdf(printed, layout, resolution);
    if (bytes.isEmpty()) {
        return failed;
    }
    try {
        atomicfile::write(path, bytes);
    } catch (const OperationError&) {
        return failed;
    }
    return QString();
}

QString print(QPrinter& printer, const PrintedDocument& printed) {
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        return writePdf(printed, printer.outputFileName(), printer.pageLayout(),
                        printer.resolution());
    }
    printer.setDocName(printed.title);
    QTextDocument document;
    fillDocument(document, printed);
    document.print(&printer);
    return printer.printerState() == QPrinter::Error
               ? QStringLiteral("Unable to write to ") + printer.printerName()
               : QString();
}

}  // namespace summaryprinter
