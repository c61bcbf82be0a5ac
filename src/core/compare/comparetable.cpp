#include "compare/comparetable.h"

int CompareTable::addRow(const QString& caption) {
    rows.append(CompareRow{caption, QString(), false});
    return int(rows.size()) - 1;
}
