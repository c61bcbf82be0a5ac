#include "gui/widgets/colouredlistmodel.h"

#include <QColor>

namespace {
QColor toColor(const Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}
}  // namespace

void ColouredListModel::setRows(QList<Row> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ColouredListModel::setLines(const QStringList& lines) {
    QList<Row> rows;
    rows.reserve(lines.size());
    for (const QString& line : lines) {
        rows.append({line, std::nullopt});
    }
    setRows(std::move(rows));
}

int ColouredListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant ColouredListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size()) {
        return {};
    }
    const Row& row = m_rows.at(index.row());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return row.text;
        case Qt::BackgroundRole:
            return row.colours ? QVariant(toColor(row.colours->background)) : QVariant();
        case Qt::ForegroundRole:
            return row.colours ? QVariant(toColor(row.colours->text)) : QVariant();
        default:
            return {};
    }
}
