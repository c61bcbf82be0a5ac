#pragma once

#include <QList>
#include <QString>

// One row of the compare table: the caption (baseline column), the sub-text (compare column)
// and whether the row carries the difference mark.
struct CompareRow {
    QString caption;
    QString subText;
    bool marked = false;

    bool operator==(const CompareRow&) const = default;
};

// The compare table (ListView1) as the window shows it: the two column headers, the column
// widths in pixels and the rows in order. It keeps its rows until the next compare; loads and
// the baseline reset leave it alone.
struct CompareTable {
    static constexpr int DefaultLeftWidth = 280;
    static constexpr int DefaultRightWidth = 278;

    QString leftHeader;
    QString rightHeader;
    int leftWidth = DefaultLeftWidth;
    int rightWidth = DefaultRightWidth;
    QList<CompareRow> rows;

    bool isEmpty() const { return rows.isEmpty(); }
    void clear() { *this = CompareTable{}; }
    // Appends a row with the caption and an empty sub-text; returns its index.
    int addRow(const QString& caption = QString());
    // Sets the sub-text of row k.
    void setRow(int k, const QString& subText) { rows[k].subText = subText; }
};
