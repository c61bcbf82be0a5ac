#pragma once

#include "compare/comparetable.h"

#include <QAbstractTableModel>
#include <QIcon>

// The compare table as a two-column model: the baseline column with the difference mark,
// the compare column, and the column headers of the last compare.
class CompareTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CompareTableModel(QObject* parent = nullptr);

    void setTable(const CompareTable& table);
    const CompareTable& table() const { return m_table; }
    static QIcon markIcon();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    CompareTable m_table;
    QIcon m_mark;
    QIcon m_blank;
};
