#pragma once
// The channel list pane: a table over ChannelTableModel with sixteen possible columns,
// multi-row selection, the "&Edit" pop-up menu, and double-click / Enter for Edit Channel.
// The list's state (shown table, list mode, row map, column choice) is the ChannelList
// it owns; the commands it starts go to the command sink (the main window's RunCommand).

#include <QMenu>
#include <QTableView>
#include <functional>
#include <vector>

#include "channels/ChannelList.h"
#include "channels/ListPlace.h"
#include "channels/qt/ChannelTableModel.h"
#include "database/Database.h"

namespace velmora {

class CVelmoraView : public QTableView {
    Q_OBJECT
public:
    explicit CVelmoraView(const Database& db, QWidget* parent = nullptr);
    ~CVelmoraView() override;

    ChannelList& list() { return list_; }
    const ChannelList& list() const { return list_; }
    ChannelTableModel* channelModel() const { return model_; }
    const Database& db() const { return db_; }

    void FillAllChannels() { list_.FillAllChannels(db_); }
    void ClearList() { list_.ClearList(); }
    // Find: narrows every listing to names containing `text` (ISO-8859-1 bytes). The
    // selected channels that stay listed stay selected, the current one in view (so
    // clearing the find shows the found channel in the whole list).
    void SetFilter(const std::string& text);
    // Selects exactly `rows` (rows outside the listing are skipped), the last one current.
    void SelectRows(const std::vector<int>& rows);
    // Rebuilds the columns from the column choice (headers, widths, centring).
    void SetupColumns();

    // The shown columns' order and widths as "column:width,..." in screen order, and back.
    // A layout for another set of columns than the one shown is ignored.
    QString ColumnLayout() const;
    void RestoreColumnLayout(const QString& layout);

    // Selected rows, ascending.
    std::vector<int> SelectedRows() const;

    // Where the pop-up menu, double-click and Enter send their command ids, and where
    // rows dragged onto a row go.
    using CommandSink = std::function<void(int id)>;
    using DropSink = std::function<void(const std::vector<int>& rows, int target_row)>;
    void SetCommandSinks(CommandSink run, DropSink drop) {
        run_ = std::move(run);
        drop_ = std::move(drop);
    }

    // The pop-up menu of the list (the "&Edit" entries, each action's data its id); the
    // main window fills it from the command table.
    QMenu* popupMenu() const { return popup_; }
    // Hands the status tips of the pop-up menu (and its submenus) on to the main window's
    // status bar; called once the menu is filled.
    void ForwardPopupStatusTips();

    // The user's place (selection, current row, scroll), taken before a command and shown
    // again after it, wherever the command moved those channels, if it relisted.
    struct KeptPlace {
        ListPlace place;
        int scroll = 0;
        int relists = 0;
    };
    KeptPlace TakePlace() const;
    // `edited`: a channel Edit changed is found at its old place.
    void ShowPlaceAgain(const KeptPlace& kept, bool edited);

signals:
    // After every listing, clear or column change.
    void listChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A newly shown column's width: its own, or what its caption needs in the user's
    // language when that is more.
    int FirstWidth(int column) const;
    void Relisted();
    // True when a command was chosen.
    bool RunPopup(const QPoint& global_pos);
    void Run(int id) {
        if (run_) run_(id);
    }
    // Selects `rows`, makes their current row current and scrolls back to `scroll`, as
    // far as the current row stays in view.
    void ShowPlace(const ListRows& rows, int scroll);

    const Database& db_;
    ChannelList list_;
    ChannelTableModel* model_;
    QMenu* popup_;
    CommandSink run_;
    DropSink drop_;
    std::vector<int> laid_out_columns_;
    int relists_ = 0;
};

}  // namespace velmora
