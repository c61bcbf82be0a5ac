#include "patchdb/customentrylines.h"

namespace customlines {

namespace {

bool isHeader(const QString& line) {
    return line.startsWith(u'[');
}

}  // namespace

QStringList sectionLines(const QStringList& text, const QString& name) {
    QStringList out;
    for (const qsizetype k : sectionLineIndexes(text, name)) {
        out.append(text.at(k));
    }
    return out;
}

QList<qsizetype> sectionLineIndexes(const QStringList& text, const QString& name) {
    QList<qsizetype> out;
    bool inside = false;
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QString& line = text.at(k);
        if (!inside) {
            inside = isHeader(line) && line.contains(name);
        } else if (line.isEmpty() || isHeader(line)) {
            inside = false;
        } else {
            out.append(k);
        }
    }
    return out;
}

QString keyOf(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? line : line.left(equals);
}

QString valueOf(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.mid(equals + 1);
}

SectionScan scanForReceivingSection(const QStringList& text, const QString& name) {
    SectionScan result = SectionScan::Missing;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isHeader(text.at(i)) || !text.at(i).contains(name)) {
            ++i;
            continue;
        }
        result = SectionScan::NotClosed;
        ++i;
        while (i < text.size() && !text.at(i).isEmpty() && !isHeader(text.at(i))) {
            ++i;
        }
        // The end of the text closes the last section as an empty line would.
        if (i >= text.size() || text.at(i).isEmpty()) {
            return SectionScan::Receiving;
        }
    }
    return result;
}

}  // namespace customlines
