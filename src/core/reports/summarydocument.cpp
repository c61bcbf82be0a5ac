#include "reports/summarydocument.h"

#include "model/servermodel.h"

#include <QLocale>

namespace summarydocument {

const QString Version = QStringLiteral("2.66");
const QString Note = QStringLiteral(
    "* Patch set information is accurate only if the Database has info on the "
    "patch sets.");

namespace {

const QString TitleLine =
    QStringLiteral("  Cartovex v") + Version + QStringLiteral(" Summary Report for ");

// The locale's long time format without a time zone field: the workstation's long time
// format names none, and a zone name would only make the title block longer.
QString longTimeFormat(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
        }
        if (quoted || c != u't') {
            out += c;
        }
    }
    return out.trimmed();
}

// The suggestions engine's heading starts with the database line.
bool startsWithHeading(const QStringList& suggestions) {
    return suggestions.size() >= 3 &&
           suggestions.first().startsWith(QLatin1String("               *** Using ")) &&
           suggestions.first().endsWith(QLatin1String(" database ***"));
}

}  // namespace

QString dateTimeText(const QDateTime& when) {
    const QLocale locale = QLocale::system();
    return locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(when.time(), longTimeFormat(locale));
}

QStringList clipboardLines(const SummaryInput& input) {
    if (input.suggestions.isEmpty()) {
        return {};
    }
    const QStringList title = {TitleLine,
                               QStringLiteral("    Daltrix ") + input.osVersionBox +
                                   QStringLiteral(" Server ") + input.serverNameBox,
                               QString(8, u' ') + input.dateTime};
    // Without the heading there is nothing to overwrite: the title goes above the whole list.
    QStringList lines = startsWithHeading(input.suggestions) ? title + input.suggestions.mid(3)
                                                             : title + input.suggestions;
    for (QString& line : lines) {
        if (line.startsWith(ServerModel::Bullet)) {
            line = QStringLiteral(" - ") + line.mid(3, 100);
        }
    }
    return lines;
}

PrintedDocument printedDocument(const SummaryInput& input) {
    PrintedDocument doc;
    doc.title = QStringLiteral("Report for Server ") + input.serverNameBox;
    QList<ReportParagraph>& p = doc.paragraphs;
    p << ReportParagraph{QString(), 18, true} << ReportParagraph{QString(), 18, true}
      << ReportParagraph{TitleLine, 18, true}
      << ReportParagraph{QStringLiteral("      Daltrix ") + input.osVersionBox +
                             QStringLiteral(" Server ") + input.serverNameBox,
                         18, true}
      << ReportParagraph{QString(29, u' ') + input.dateTime, 12, false}
      << ReportParagraph{QStringLiteral("                       (Original config text file: ") +
                             input.configFileName.toUpper() + u')',
                         8, false}
      << ReportParagraph{QString(), 8, false};
    for (const QString& line : input.suggestions) {
        p << ReportParagraph{line, 12, false};
    }
    p << ReportParagraph{QString(56, u'_'), 12, false} << ReportParagraph{u' ' + Note, 10, false}
      << ReportParagraph{QString(), 10, false};
    return doc;
}

}  // namespace summarydocument
