#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// One paragraph of the printed summary report: its text, size in points and weight. The font
// is the proportional font (Arial on the original workstation).
struct ReportParagraph {
    QString text;
    int size = 12;
    bool bold = false;

    bool operator==(const ReportParagraph&) const = default;
};

// The printed summary report: the job title and the paragraphs in order.
struct PrintedDocument {
    QString title;
    QList<ReportParagraph> paragraphs;
};

// What the summary report is built from at the moment a command runs.
struct SummaryInput {
    QStringList suggestions;
    QString serverNameBox;  // ServNameEdit, as shown
    QString osVersionBox;   // OSVerEdit, as shown
    QString configFileName;
    QString dateTime;  // see summarydocument::dateTimeText
};

// The two forms of the summary report, built from plain input: the clipboard lines (title
// block over the suggestions, bullet lines cut) and the printed document.
namespace summarydocument {

extern const QString Version;  // "2.66"
extern const QString Note;     // the note under the suggestion list

// The local date in the locale's short format and the time in its long format.
QString dateTimeText(const QDateTime& when);
QStringList clipboardLines(const SummaryInput& input);
PrintedDocument printedDocument(const SummaryInput& input);

}  // namespace summarydocument
