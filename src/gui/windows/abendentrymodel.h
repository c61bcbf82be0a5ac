#pragma once

#include "abendlog/abendentry.h"

#include <QAbstractTableModel>
#include <QList>

// The abend window's entry list: one row per abend found, with the key, the message and the
// running process as its three columns.
class AbendEntryModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the rows; rows equal to those shown are kept, so the selection survives a
    // repaint after an analysis.
    void setEntries(const QList<AbendEntry>& entries);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QList<AbendEntry> m_entries;
};
