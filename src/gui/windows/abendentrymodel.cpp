#include "gui/windows/abendentrymodel.h"

#include "abendlog/abendview.h"

namespace {

bool sameEntry(const AbendEntry& a, const AbendEntry& b) {
    return a.DateTimeAndServer == b.DateTimeAndServer && a.AbendMessage == b.AbendMessage &&
           a.RunningProcess == b.RunningProcess && a.StartLine == b.StartLine;
}

bool sameEntries(const QList<AbendEntry>& a, const QList<AbendEntry>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), sameEntry);
}

}  // namespace

void AbendEntryModel::setEntries(const QList<AbendEntry>& entries) {
    if (sameEntries(entries, m_entries)) {
        return;
    }
    beginResetModel();
    m_entries = entries;
    endResetModel();
}

int AbendEntryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

int AbendEntryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(AbendView::ColumnCaptions.size());
}

QVariant AbendEntryModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_entries.size()) {
        return {};
    }
    const AbendEntry& entry = m_entries.at(index.row());
    switch (index.column()) {
        case 0:
            return entry.DateTimeAndServer;
        case 1:
            return entry.AbendMessage;
        case 2:
            return entry.RunningProcess;
        default:
            return {};
    }
}

QVariant AbendEntryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= int(AbendView::ColumnCaptions.size())) {
        return {};
    }
    return AbendView::ColumnCaptions.at(section);
}
