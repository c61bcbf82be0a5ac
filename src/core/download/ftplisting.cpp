#include "download/ftplisting.h"

#include <QRegularExpression>

namespace {

// Permissions, links, owner, an optional group, size, month day time-or-year, name.
const QRegularExpression UnixLine(
    QStringLiteral(R"(^[-dlbcps][-rwxsStTl]{9}\S*\s+\d+\s+\S+\s+(?:\S+\s+)?(\d+)\s+)"
                   R"((\w{3}\s+\d{1,2}\s+(?:\d{1,2}:\d{2}|\d{4}))\s(.+)$)"));
// Date, time, <DIR> or size, name.
const QRegularExpression DosLine(
    QStringLiteral(R"(^(\d{2}-\d{2}-\d{2,4}\s+\d{1,2}:\d{2}\s*[AaPp][Mm])\s+(<DIR>|\d+)\s+(.+)$)"));

QString oneBlank(const QString& text) {
    return text.simplified();
}

bool parseLine(const QString& line, FtpListItem& item) {
    QRegularExpressionMatch m = UnixLine.match(line);
    if (m.hasMatch()) {
        item.Size = m.captured(1).toLongLong();
        item.Date = oneBlank(m.captured(2));
        item.Name = m.captured(3).trimmed();
        return true;
    }
    m = DosLine.match(line);
    if (m.hasMatch()) {
        item.Date = oneBlank(m.captured(1));
        item.Size = m.captured(2) == QLatin1String("<DIR>") ? 0 : m.captured(2).toLongLong();
        item.Name = m.captured(3).trimmed();
        return true;
    }
    return false;
}

}  // namespace

namespace ftplisting {

QList<FtpListItem> parse(const QByteArray& listing) {
    QList<FtpListItem> items;
    const QStringList lines =
        QString::fromUtf8(listing).split(QRegularExpression(QStringLiteral("\r?\n")));
    for (const QString& line : lines) {
        FtpListItem item;
        if (parseLine(line.trimmed(), item)) {
            items.append(item);
        }
    }
    return items;
}

}  // namespace ftplisting
