#pragma once
// The channel list pane: a table over ChannelTableModel with sixteen possible columns,
// multi-row selection, the "&Edit" pop-up menu, and double-click / Enter for Edit Channel.
// The list's state (radio mode, list mode, row map, column choice) is the ChannelList
// it owns; the editing commands go to ChannelCommandHooks.

#include <QMenu>
#include <QTableView>
#include <memory>
#include <vector>

#include "channels/ChannelList.h"
#include "channels/ListPlace.h"
#include "channels/ShowInfoForm.h"
#include "channels/qt/ChannelCommandHooks.h"
#include "channels/qt/ChannelTableModel.h"
#include "database/Database.h"

namespace velmora {

class CVelmoraView : public QTableView {
    Q_OBJECT
public:
    explicit CVelmoraView(Database& db, QWidget* parent = nullptr);
    ~CVelmoraView() override;

    ChannelList& list() { return list_; }
    const ChannelList& list() const { return list_; }
    ChannelTableModel* channelModel() const { return model_; }
    Database& db() { return db_; }

    // The fill operations and the refresh, as the tree and the frame call them.
    void FillAllChannels() { list_.FillAllChannels(db_); }
    void FillSatelliteChannels(int satellite) { list_.FillSatelliteChannels(db_, satellite); }
    void FillTransponderChannels(int tp_id) { list_.FillTransponderChannels(db_, tp_id); }
    void FillFavouriteChannels(int g) { list_.FillFavouriteChannels(db_, g); }
    void RefreshList(int radio) { list_.RefreshList(db_, radio); }
    void ClearList() { list_.ClearList(); }
    // Find: narrows every listing to names containing `text` (ISO-8859-1 bytes).
    void SetFilter(const std::string& text) { list_.SetFilter(db_, text); }
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

    // Runs a command of the "&Edit" menu (32789..32795, 32801, 32802, 32796) on the rows
    // selected now. False for an id that is not one of them.
    bool RunCommand(int command_id);
    // Show Channel info: the column choice through CShowInfoDlg.
    void ShowChannelInfo();

    void SetChannelCommandHooks(std::unique_ptr<ChannelCommandHooks> hooks);
    ChannelCommandHooks& channelCommands() { return *hooks_; }
    void SetShowInfoDialogHost(std::unique_ptr<ShowInfoDialogHost> host);

    // The pop-up menu of the list (the "&Edit" entries, each action's data its id).
    QMenu* popupMenu() const { return popup_; }

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
    void Relisted();
    void RunPopup(const QPoint& global_pos);
    void BuildPopup();
    void DropRows(const std::vector<int>& rows, int target_row);
    // Selects `rows`, makes their current row current and scrolls back to `scroll`, as
    // far as the current row stays in view.
    void ShowPlace(const ListRows& rows, int scroll);

    Database& db_;
    ChannelList list_;
    ChannelTableModel* model_;
    QMenu* popup_;
    std::unique_ptr<ChannelCommandHooks> hooks_;
    std::unique_ptr<ShowInfoDialogHost> show_info_;
    std::vector<int> laid_out_columns_;
    int relists_ = 0;
};

}  // namespace velmora
