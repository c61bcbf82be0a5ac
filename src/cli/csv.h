#pragma once

#include <QString>
#include <QStringList>

// RFC 4180 CSV: a field holding a comma, a quote or a line break is quoted (quotes doubled);
// records end with CR LF.
namespace csv {

QString field(const QString& text);
QString record(const QStringList& fields);

}  // namespace csv
