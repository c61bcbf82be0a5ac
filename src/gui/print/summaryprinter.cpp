#include "gui/print/summaryprinter.h"

#include <sys/stat.h>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>

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

void print(QPrinter& printer, const PrintedDocument& printed) {
    printer.setDocName(printed.title);
    QTextDocument document;
    fillDocument(document, printed);
    document.print(&printer);
}

QString writePdf(const PrintedDocument& printed, const QString& path) {
    const QString failed = QStringLiteral("Unable to write to ") + path;
    const QFileInfo target(path);
    if (target.isDir()) {
        return failed;
    }
    // A temporary file beside the target, renamed over it once complete.
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                             QStringLiteral(".XXXXXX"));
    if (!temporary.open()) {
        return failed;
    }
    temporary.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temporary.fileName());
    print(printer, printed);
    if (printer.printerState() == QPrinter::Error || QFileInfo(temporary.fileName()).size() == 0) {
        return failed;
    }
    // A temporary file is private; the report gets the mode any new file would get.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(temporary.fileName()).constData(), 0666 & ~mask);
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        return failed;
    }
    return QString();
}

}  // namespace summaryprinter
