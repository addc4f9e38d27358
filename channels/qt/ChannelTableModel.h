#pragma once
// The channel list as a table model: cells are formatted on demand from the record each
// row maps to; nothing keeps a copy of a row.

#include <QAbstractTableModel>
#include <functional>
#include <vector>

#include "channels/ChannelList.h"
#include "database/Database.h"

namespace velmora {

class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ChannelTableModel(const Database& db, ChannelList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Drag and drop of whole rows within the list: the dragged rows travel as their row
    // numbers; a drop hands them and the row dropped on to `rows_dropped`.
    using RowsDropped = std::function<void(const std::vector<int>& rows, int target_row)>;
    void SetRowsDropped(RowsDropped handler) { rows_dropped_ = std::move(handler); }
    static const char* RowsMimeType() { return "application/x-velmora-channel-rows"; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }

    // The column (of the sixteen) that model column `section` shows.
    int ColumnAt(int section) const { return shown_[static_cast<size_t>(section)]; }
    const std::vector<int>& shown_columns() const { return shown_; }

    // A note for the channel at `position` of the TV (radio = false) or radio table; a
    // row with a note is tinted and shows it as its tooltip. Null for none.
    using RowNote = std::function<QString(bool radio, int position)>;
    void SetRowNote(RowNote note);

    // Takes over what the list now holds: rows, row map, shown columns and headers.
    void Relist();

private:
    const Database& db_;
    ChannelList& list_;
    std::vector<int> shown_;
    int rows_ = 0;
    RowsDropped rows_dropped_;
    RowNote row_note_;
};

}  // namespace velmora
