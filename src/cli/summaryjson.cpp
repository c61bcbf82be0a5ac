#include "summaryjson.h"

#include <QJsonArray>

namespace summaryjson {

QJsonObject summaryReport(const SummaryReport& report) {
    QJsonArray paragraphs;
    for (const ReportParagraph& p : report.printedDocument().paragraphs) {
        paragraphs.append(QJsonObject{{"text", p.text}, {"size", p.size}, {"bold", p.bold}});
    }
    return QJsonObject{{"ClipboardText", report.clipboardText()}, {"PrintedDocument", paragraphs}};
}

}  // namespace summaryjson
