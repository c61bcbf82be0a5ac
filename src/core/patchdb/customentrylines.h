#pragma once

#include <QString>
#include <QStringList>

// The line scanners of the custom entries page: a database file seen as lines, its sections
// found by header lines that contain a name, and the key and value of a custom entry line.
namespace customlines {

// The lines of every section whose header line contains `name` (with case), each up to the
// next header line or empty line. A header line that directly ends such a section is not
// itself taken as a header.
QStringList sectionLines(const QStringList& text, const QString& name);
// The same lines as their indexes in `text`.
QList<qsizetype> sectionLineIndexes(const QStringList& text, const QString& name);

// The key of an entry line: the text before the first "=", or the whole line without one.
QString keyOf(const QString& line);
// The value of an entry line: the text after the first "=", or nothing without one.
QString valueOf(const QString& line);

// How a scan for a section to receive keys ended.
enum class SectionScan {
    Missing,    // no header line contains the name
    NotClosed,  // every such section ends at a header line
    Receiving,  // a section ends with an empty line or at the end of the text
};
// Looks for the first section whose header contains `name` and that ends with an empty line or
// at the end of the text; a section that ends at a header line is passed over, and that header
// line is looked at again as a possible start.
SectionScan scanForReceivingSection(const QStringList& text, const QString& name);

}  // namespace customlines
