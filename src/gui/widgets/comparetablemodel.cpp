#include "gui/widgets/comparetablemodel.h"

#include <QPainter>
#include <QPixmap>

CompareTableModel::CompareTableModel(QObject* parent)
    : QAbstractTableModel(parent), m_mark(markIcon()) {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    m_blank = QIcon(blank);
}

QIcon CompareTableModel::markIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF triangle[3] = {{8, 1}, {15, 14}, {1, 14}};
    painter.setBrush(QColor(220, 40, 30));
    painter.setPen(QColor(120, 20, 10));
    painter.drawPolygon(triangle, 3);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(QPointF(8, 5), QPointF(8, 10));
    painter.drawPoint(QPointF(8, 12.5));
    return QIcon(pixmap);
}

void CompareTableModel::setTable(const CompareTable& table) {
    beginResetModel();
    m_table = table;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}

int CompareTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_table.rows.size());
}

int CompareTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant CompareTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_table.rows.size()) {
        return {};
    }
    const CompareRow& row = m_table.rows.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        return index.column() == 0 ? row.caption : row.subText;
    }
    if (role == Qt::DecorationRole && index.column() == 0) {
        return row.marked ? m_mark : m_blank;  // the blank keeps the texts aligned
    }
    if (role == Qt::AccessibleDescriptionRole && index.column() == 0 && row.marked) {
        return QStringLiteral("different");
    }
    return {};
}

QVariant CompareTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return section == 0 ? m_table.leftHeader : m_table.rightHeader;
}
