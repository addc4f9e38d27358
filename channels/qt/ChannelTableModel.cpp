#include "channels/qt/ChannelTableModel.h"

namespace velmora {

ChannelTableModel::ChannelTableModel(Database& db, ChannelList& list, QObject* parent)
    : QAbstractTableModel(parent), db_(db), list_(list), shown_(list.ShownColumns()) {}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole || index.row() >= list_.row_count()) return {};
    return QString::fromLatin1(list_.CellText(db_, index.row(), ColumnAt(index.column())));
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    return QString::fromLatin1(ChannelList::ColumnHeader(db_, ColumnAt(section)));
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ChannelTableModel::Relist() {
    beginResetModel();
    shown_ = list_.ShownColumns();
    rows_ = list_.row_count();
    endResetModel();
}

}  // namespace velmora
