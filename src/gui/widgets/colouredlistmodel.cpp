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
    m_lines.clear();
    m_compactLines.reset();
    m_colourOf = nullptr;
    m_textOf = nullptr;
    endResetModel();
}

void ColouredListModel::setLines(const QStringList& lines, ColourOf colourOf, TextOf textOf) {
    beginResetModel();
    m_rows.clear();
    m_lines = lines;
    m_compactLines.reset();
    m_colourOf = std::move(colourOf);
    m_textOf = std::move(textOf);
    endResetModel();
}

void ColouredListModel::setLines(std::shared_ptr<const LineArena> lines, ColourOf colourOf,
                                 TextOf textOf) {
    beginResetModel();
    m_rows.clear();
    m_lines.clear();
    m_compactLines = std::move(lines);
    m_colourOf = std::move(colourOf);
    m_textOf = std::move(textOf);
    endResetModel();
}

QString ColouredListModel::line(int i) const {
    return m_compactLines ? QString((*m_compactLines)[std::size_t(i)]) : m_lines.at(i);
}

QString ColouredListModel::text(int i) const {
    if (m_lines.isEmpty() && !m_compactLines) {
        return m_rows.at(i).text;
    }
    return m_textOf ? m_textOf(line(i)) : line(i);
}

ColouredListModel::Row ColouredListModel::row(int i) const {
    if (m_lines.isEmpty() && !m_compactLines) {
        return m_rows.at(i);
    }
    const QString whole = line(i);
    return Row{m_textOf ? m_textOf(whole) : whole, m_colourOf ? m_colourOf(whole) : std::nullopt};
}

QList<ColouredListModel::Row> ColouredListModel::rows() const {
    QList<Row> all;
    for (int i = 0, n = rowCount(); i < n; ++i) {
        all.append(row(i));
    }
    return all;
}

int ColouredListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    if (m_compactLines) {
        return int(m_compactLines->size());
    }
    return int(m_lines.isEmpty() ? m_rows.size() : m_lines.size());
}

QVariant ColouredListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return text(index.row());
        case Qt::BackgroundRole:
        case Qt::ForegroundRole:
            break;
        default:
            return {};  // the colour rule runs only for the two roles that need it
    }
    const std::optional<ColourPair> colours = row(index.row()).colours;
    if (!colours) {
        return {};
    }
    return toColor(role == Qt::BackgroundRole ? colours->background : colours->text);
}
