#include "compare/modulewalk.h"

#include "text/sortedtextlist.h"

ModuleWalk::ModuleWalk(CompareTable& table, int width, Progress& progress)
    : m_table(table), m_width(width), m_progress(progress) {}

QString ModuleWalk::rowText(const QString& entry) const {
    return QStringLiteral("  ") + entry.left(m_width);
}

QString ModuleWalk::name(const QString& entry) {
    return entry.left(12).trimmed();
}

void ModuleWalk::run(const QStringList& baseline, const QStringList& compare) {
    // At most one row a module: room for all of them at once, as growing the rows would hold
    // them twice for a moment.
    m_table.rows.reserve(m_table.rows.size() + baseline.size() + compare.size());
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < baseline.size() || j < compare.size()) {
        // A list that has ended sorts after every name of the other one.
        int order = 0;
        if (i == baseline.size()) {
            order = 1;
        } else if (j == compare.size()) {
            order = -1;
        } else {
            order = SortedTextList::compare(name(baseline.at(i)), name(compare.at(j)));
        }
        if (order < 0) {
            m_table.addRow(rowText(baseline.at(i)));
            ++i;
        } else if (order == 0) {
            const int row = m_table.addRow(rowText(baseline.at(i)));
            m_table.setRow(row, rowText(compare.at(j)));
            ++i;
            ++j;
        } else {
            const int row = m_table.addRow();
            m_table.setRow(row, rowText(compare.at(j)));
            ++j;
        }
        m_progress.pumpEvents();
    }
}
