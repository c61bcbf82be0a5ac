#include "csv.h"

namespace csv {

QString field(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') &&
        !text.contains(u'\n')) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString record(const QStringList& fields) {
    QStringList out;
    for (const QString& f : fields) {
        out << field(f);
    }
    return out.join(u',') + QStringLiteral("\r\n");
}

}  // namespace csv
