#include "channels/qt/ChannelTableModel.h"

#include <QColor>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <algorithm>

namespace velmora {

ChannelTableModel::ChannelTableModel(const Database& db, ChannelList& list, QObject* parent)
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
    if (index.row() >= list_.row_count()) return {};
    if ((role == Qt::BackgroundRole || role == Qt::ToolTipRole) && row_note_) {
        const QString note = row_note_(list_.radio_shown(), list_.row_map()[index.row()]);
        if (note.isEmpty()) return {};
        return role == Qt::ToolTipRole ? QVariant(note) : QVariant(QColor(255, 222, 173));
    }
    if (role != Qt::DisplayRole) return {};
    return QString::fromStdString(list_.CellText(db_, index.row(), ColumnAt(index.column())));
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    return QString::fromStdString(ChannelList::ColumnHeader(db_, ColumnAt(section)));
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren |
           Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList ChannelTableModel::mimeTypes() const {
    return {QString::fromLatin1(RowsMimeType())};
}

QMimeData* ChannelTableModel::mimeData(const QModelIndexList& indexes) const {
    std::vector<int> rows;
    for (const QModelIndex& index : indexes) {
        if (index.isValid()) rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (int r : rows) out << qint32(r);
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(RowsMimeType()), bytes);
    return data;
}

bool ChannelTableModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                        const QModelIndex&) const {
    return data && action == Qt::MoveAction &&
           data->hasFormat(QString::fromLatin1(RowsMimeType())) && rows_ > 0;
}

bool ChannelTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                     int column, const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent) || !rows_dropped_) return false;
    QByteArray bytes = data->data(QString::fromLatin1(RowsMimeType()));
    QDataStream in(&bytes, QIODevice::ReadOnly);
    std::vector<int> rows;
    while (!in.atEnd()) {
        qint32 r = -1;
        in >> r;
        if (in.status() != QDataStream::Ok) break;
        rows.push_back(r);
    }
    // On a row: that row. Between rows: the row there. Below the last row: the last row.
    int target = parent.isValid() ? parent.row() : row;
    if (target < 0 || target >= rows_) target = rows_ - 1;
    rows_dropped_(rows, target);
    return true;
}

void ChannelTableModel::SetRowNote(RowNote note) {
    row_note_ = std::move(note);
    if (rows_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1),
                         {Qt::BackgroundRole, Qt::ToolTipRole});
}

void ChannelTableModel::Relist() {
    beginResetModel();
    shown_ = list_.ShownColumns();
    rows_ = list_.row_count();
    endResetModel();
}

}  // namespace velmora
