#pragma once

#include "analysis/colourtable.h"

#include <QAbstractListModel>
#include <QList>
#include <QStringList>
#include <optional>

// A read-only list of the engine's rows, each with the colours the engine gave it (none for
// the view's normal colours). Views show it through ColourDelegate; a list of any length is
// one model, never a widget per row.
class ColouredListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    struct Row {
        QString text;
        std::optional<ColourPair> colours;
    };

    using QAbstractListModel::QAbstractListModel;

    void setRows(QList<Row> rows);
    void setLines(const QStringList& lines);
    void clear() { setRows({}); }
    const QList<Row>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    QList<Row> m_rows;
};
