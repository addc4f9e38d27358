#include "app/CMainFrame.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>

#include "app/CAboutDlg.h"
#include "app/CommandIds.h"
#include "app/Images.h"
#include "app/LockKeys.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/qt/ExchangeCommandRunner.h"

namespace velmora {
namespace {

// Status-bar prompt and short text (tooltip and button label) of each command.
struct CommandText {
    int id;
    const char* prompt;
    const char* short_text;
};
constexpr CommandText kCommandTexts[] = {
    {kCmdEditUndo, "Undo the last action", "Undo"},
    {kCmdEditRedo, "Redo the previously undone action", "Redo"},
    {kCmdEditFind, "Find channels by name", nullptr},
    {kCmdFileNew, "Create a new document", "New"},
    {kCmdFileOpen, "Open an existing document", "Open"},
    {kCmdFileSave, "Save the active document", "Save"},
    {kCmdFileSaveAs, "Save the active document with a new name", "Save As"},
    {kCmdExportCsv, "Write the channel list to a CSV file for a spreadsheet", nullptr},
    {kCmdExportHtml, "Write the channel list to an HTML page", nullptr},
    {kCmdApplyCsvEdits, "Apply names, PIDs, flags, marks and order edited in a CSV file", nullptr},
    {kCmdPrintSetup, "Change the printer and printing options", "Print Setup"},
    {kCmdPrint, "Print the active document", "Print"},
    {kCmdPrintPreview, "Display full pages", "Print Preview"},
    {kCmdAbout, "Display program information, version number and copyright", "About"},
    {kCmdExit, "Quit the application; prompts to save documents", "Exit"},
    {kCmdTvChannel, "Show the TV channels", "TV"},
    {kCmdRadioChannel, "Show the Radio channels", "Radio"},
    {kCmdAddChannel, "Add a new Channel", "Add CH"},
    {kCmdEditChannel, "Edit a channel", "Edit CH"},
    {kCmdDeleteChannel, "Detelte a channel", "Del CH"},
    {kCmdSwapChannel, "Swap channel", "Swap"},
    {kCmdMoveChannel, "Move channel", "Move"},
    {kCmdSortAToZ, "Sort Channels from A to Z", "AZ"},
    {kCmdSortZToA, "Sort Channels from Z to AZ", "ZA"},
    {kCmdShowChannelInfo, "Select the information of channel to show", nullptr},
    {kCmdSortByTransponder, "Sort Channels by Transponer", "Transponder Sort"},
    {kCmdSortBySatellite, "Sort Channels by Satellite", "Satellite Sort"},
    {kCmdCheckDatabase, "Find duplicates, key collisions and orphans", "Check"},
};

// Toolbar 128, in order; 0 is a separator.
constexpr int kToolbarButtons[] = {kCmdFileNew,
                                   kCmdFileOpen,
                                   kCmdFileSave,
                                   0,
                                   kCmdAddChannel,
                                   0,
                                   kCmdEditChannel,
                                   0,
                                   kCmdMoveChannel,
                                   0,
                                   kCmdDeleteChannel,
                                   0,
                                   kCmdAbout,
                                   0,
                                   kCmdSortAToZ,
                                   kCmdSortZToA,
                                   0,
                                   kCmdTvChannel,
                                   kCmdRadioChannel,
                                   0,
                                   kCmdEditUndo,
                                   kCmdEditRedo};

}  // namespace

CMainFrame::CMainFrame(CVelmoraDoc& doc, std::unique_ptr<QSettings> settings, QWidget* parent)
    : QMainWindow(parent),
      doc_(doc),
      settings_(std::move(settings)),
      recent_(kRecentFileCount),
      print_hooks_(std::make_unique<PrintCommandHooks>()) {
    setObjectName(QStringLiteral("CMainFrame"));
    // The title is only ever set by the document commands.
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowIcon(VelmoraIcon());
    if (settings_) recent_.Load(*settings_);

    CreateMenus();
    CreateToolBar();
    CreateStatusBar();

    // A static splitter: the tree keeps its width, the list takes what the window gains.
    splitter_ = new QSplitter(Qt::Horizontal, this);
    list_ = new CVelmoraView(doc_.db());
    find_pane_ = new ChannelFindPane(list_);
    tree_ = new CLeftView(doc_.db(), list_->list());
    splitter_->addWidget(tree_);
    splitter_->addWidget(find_pane_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setChildrenCollapsible(false);
    splitter_->setSizes({180, 100});
    setCentralWidget(splitter_);
    resize(1024, 640);
    splitter_->setSizes({180, 1024 - 180});

    connect(list_, &CVelmoraView::listChanged, this, &CMainFrame::UpdateCommandStates);
    connect(list_, &CVelmoraView::listChanged, this, &CMainFrame::UpdateFindCount);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (QWidget* w = now; w; w = w->parentWidget()) {
            if (w == tree_) active_pane_ = ActivePane::Tree;
            if (w == find_pane_) active_pane_ = ActivePane::List;
        }
    });
    qApp->installEventFilter(this);

    doc_.SetViews(this);
    UpdateCommandStates();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    doc_.SetViews(nullptr);
}

QAction* CMainFrame::AddCommand(int id, const char* text, const char* shortcut) {
    auto* action = new QAction(QString::fromLatin1(text), this);
    action->setData(id);
    action->setIconVisibleInMenu(false);
    if (shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    for (const CommandText& t : kCommandTexts) {
        if (t.id != id) continue;
        action->setStatusTip(QString::fromLatin1(t.prompt));
        if (t.short_text) {
            action->setIconText(QString::fromLatin1(t.short_text));
            action->setToolTip(QString::fromLatin1(t.short_text));
        }
    }
    const QPixmap image = ToolbarImage(id);
    if (!image.isNull()) action->setIcon(QIcon(image));
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    actions_[id] = action;
    return action;
}

void CMainFrame::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QString::number(kMainResourceId));

    file_menu_ = bar->addMenu(QStringLiteral("&File"));
    file_menu_->addAction(AddCommand(kCmdFileNew, "&New", "Ctrl+N"));
    file_menu_->addAction(AddCommand(kCmdFileOpen, "&Open...", "Ctrl+O"));
    file_menu_->addAction(AddCommand(kCmdFileClose, "&Close"));
    file_menu_->addSeparator();
    file_menu_->addAction(AddCommand(kCmdFileSave, "&Save", "Ctrl+S"));
    file_menu_->addAction(AddCommand(kCmdFileSaveAs, "Save &As..."));
    file_menu_->addSeparator();
    QMenu* export_menu = file_menu_->addMenu(QStringLiteral("&Export"));
    export_menu->addAction(AddCommand(kCmdExportCsv, "Channels as CSV..."));
    export_menu->addAction(AddCommand(kCmdExportHtml, "Channels as HTML..."));
    file_menu_->addAction(AddCommand(kCmdApplyCsvEdits, "Apply CSV Edits..."));
    file_menu_->addSeparator();
    file_menu_->addAction(AddCommand(kCmdPrint, "&Print...", "Ctrl+P"));
    file_menu_->addAction(AddCommand(kCmdPrintPreview, "Print Pre&view"));
    file_menu_->addAction(AddCommand(kCmdPrintSetup, "P&rint Setup..."));
    file_menu_->addSeparator();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* action = AddCommand(kCmdRecentFile1 + i, "Recent File");
        action->setStatusTip(QStringLiteral("Open this document"));
        recent_actions_[static_cast<size_t>(i)] = action;
        file_menu_->addAction(action);
    }
    file_menu_->addSeparator();
    file_menu_->addAction(AddCommand(kCmdExit, "E&xit"));
    connect(file_menu_, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->addAction(AddCommand(kCmdEditUndo, "&Undo", "Ctrl+Z"));
    QAction* redo = AddCommand(kCmdEditRedo, "&Redo", "Ctrl+Y");
    redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    edit->addAction(redo);
    edit->addSeparator();
    edit->addAction(AddCommand(kCmdAddChannel, "Add Channel"));
    edit->addAction(AddCommand(kCmdEditChannel, "Edit Channel"));
    edit->addAction(AddCommand(kCmdDeleteChannel, "Delete Channel"));
    edit->addAction(AddCommand(kCmdSwapChannel, "Swap Channel"));
    edit->addAction(AddCommand(kCmdMoveChannel, "Move Channel"));
    edit->addSeparator();
    QMenu* sort = edit->addMenu(QStringLiteral("Sort Channel"));
    sort->addAction(AddCommand(kCmdSortAToZ, "A--->Z"));
    sort->addAction(AddCommand(kCmdSortZToA, "Z--->A"));
    sort->addSeparator();
    sort->addAction(AddCommand(kCmdSortByTransponder, "Transponder"));
    sort->addAction(AddCommand(kCmdSortBySatellite, "Satellite"));
    edit->addSeparator();
    edit->addAction(AddCommand(kCmdShowChannelInfo, "Show Channel info..."));

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    auto* tv_radio = new QActionGroup(this);
    tv_radio->setExclusive(true);
    for (auto [id, text] :
         {std::pair{kCmdTvChannel, "&TV Channel"}, std::pair{kCmdRadioChannel, "&Radio Channel"}}) {
        QAction* action = AddCommand(id, text);
        action->setCheckable(true);
        tv_radio->addAction(action);
        view->addAction(action);
    }

    QMenu* tools = bar->addMenu(QStringLiteral("&Tools"));
    tools->addAction(AddCommand(kCmdCheckDatabase, "Check Database...", "Ctrl+K"));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(AddCommand(kCmdAbout, "&About Velmora..."));

    // Pane switching has no menu entry, only its keys.
    addAction(AddCommand(kCmdNextPane, "Next Pane", "F6"));
    addAction(AddCommand(kCmdPrevPane, "Previous Pane", "Shift+F6"));
    addAction(AddCommand(kCmdEditFind, "Find", "Ctrl+F"));
}

void CMainFrame::CreateToolBar() {
    toolbar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolbar_->setObjectName(QString::number(kMainResourceId));
    toolbar_->setIconSize(QSize(16, 15));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setMovable(true);
    toolbar_->setFloatable(true);
    toolbar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : kToolbarButtons) {
        if (id == 0)
            toolbar_->addSeparator();
        else
            toolbar_->addAction(actions_.at(id));
    }
    // Every button as wide as the widest label needs.
    int width = 0;
    for (QAction* a : toolbar_->actions()) {
        if (QWidget* w = toolbar_->widgetForAction(a); w && !a->isSeparator())
            width = std::max(width, w->sizeHint().width());
    }
    for (QAction* a : toolbar_->actions()) {
        if (QWidget* w = toolbar_->widgetForAction(a); w && !a->isSeparator())
            w->setMinimumWidth(width);
    }
    addToolBar(Qt::TopToolBarArea, toolbar_);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    // Between prompts the bar says "Ready".
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& message) {
        if (message.isEmpty()) bar->showMessage(QStringLiteral("Ready"));
    });
    const char* names[] = {"CAP", "NUM", "SCRL"};
    for (size_t i = 0; i < lock_panes_.size(); ++i) {
        auto* pane = new QLabel(this);
        pane->setObjectName(QString::fromLatin1(names[i]));
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QString::fromLatin1(names[i])) +
                              12);
        bar->addPermanentWidget(pane);
        lock_panes_[i] = pane;
    }
    find_count_ = new QLabel(this);
    find_count_->setObjectName(QStringLiteral("FindCount"));
    find_count_->setAlignment(Qt::AlignCenter);
    bar->insertPermanentWidget(0, find_count_);
    bar->showMessage(QStringLiteral("Ready"));
    UpdateLockPanes();
}

void CMainFrame::UpdateLockPanes() {
    const LockKey keys[] = {LockKey::Caps, LockKey::Num, LockKey::Scroll};
    const char* names[] = {"CAP", "NUM", "SCRL"};
    for (size_t i = 0; i < lock_panes_.size(); ++i) {
        const bool on = LockKeyOn(keys[i]).value_or(false);
        lock_panes_[i]->setText(on ? QString::fromLatin1(names[i]) : QString());
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
            UpdateLockPanes();
    } else if (event->type() == QEvent::ApplicationActivate) {
        UpdateLockPanes();
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction* CMainFrame::action(int command_id) const {
    const auto it = actions_.find(command_id);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::UpdateCommandStates() {
    for (int id : {kCmdFileNew, kCmdFileOpen, kCmdFileClose, kCmdFileSave, kCmdFileSaveAs})
        actions_.at(id)->setEnabled(doc_.IsCommandEnabled(id));
    for (int id : {kCmdExportCsv, kCmdExportHtml, kCmdApplyCsvEdits})
        actions_.at(id)->setEnabled(doc_.IsOpen());
    const bool radio = list_->list().radio_mode != 0;
    actions_.at(kCmdTvChannel)->setChecked(!radio);
    actions_.at(kCmdRadioChannel)->setChecked(radio);
    actions_.at(kCmdCheckDatabase)->setEnabled(doc_.IsOpen());
    UpdateUndoActions();
    UpdateRecentFileMenu();
    emit commandStatesUpdated();
}

void CMainFrame::UpdateUndoActions() {
    UndoHistory& history = doc_.history();
    const bool open = doc_.IsOpen();
    QAction* undo = actions_.at(kCmdEditUndo);
    QAction* redo = actions_.at(kCmdEditRedo);
    undo->setEnabled(open && history.CanUndo());
    redo->setEnabled(open && history.CanRedo());
    // The entries name the step they would take back or do again.
    undo->setText(undo->isEnabled()
                      ? QStringLiteral("&Undo ") + QString::fromLatin1(history.UndoLabel())
                      : QStringLiteral("&Undo"));
    redo->setText(redo->isEnabled()
                      ? QStringLiteral("&Redo ") + QString::fromLatin1(history.RedoLabel())
                      : QStringLiteral("&Redo"));
    undo->setToolTip(undo->text().remove(QLatin1Char('&')));
    redo->setToolTip(redo->text().remove(QLatin1Char('&')));
}

void CMainFrame::UpdateFindCount() {
    const ChannelList& list = list_->list();
    if (list.filter().empty() || !list.listed()) {
        find_count_->clear();
        return;
    }
    find_count_->setText(
        QStringLiteral("%1 of %2 channels").arg(list.row_count()).arg(list.unfiltered_count()));
}

namespace {

// Where a tree node stands: its row under each ancestor, from the top.
std::vector<int> NodePath(const QTreeWidgetItem* node) {
    std::vector<int> path;
    for (; node; node = node->parent()) {
        const QTreeWidgetItem* parent = node->parent();
        path.insert(path.begin(), parent ? parent->indexOfChild(const_cast<QTreeWidgetItem*>(node))
                                         : node->treeWidget()->indexOfTopLevelItem(
                                               const_cast<QTreeWidgetItem*>(node)));
    }
    return path;
}

QTreeWidgetItem* NodeAt(QTreeWidget& tree, const std::vector<int>& path) {
    QTreeWidgetItem* node = nullptr;
    for (size_t i = 0; i < path.size(); ++i) {
        node = i == 0 ? tree.topLevelItem(path[0]) : node->child(path[i]);
        if (!node) return nullptr;
    }
    return node;
}

}  // namespace

void CMainFrame::UndoRedo(bool undo) {
    ShowChangedTables([this, undo] {
        return undo ? doc_.history().Undo(doc_.db()) : doc_.history().Redo(doc_.db());
    });
}

void CMainFrame::RecordChange(const char* label, const std::function<bool()>& change) {
    ShowChangedTables([this, label, &change] {
        doc_.history().Begin(doc_.db());
        const bool changed = change();
        if (changed) doc_.SetModifiedFlag();
        doc_.history().Commit(doc_.db(), label);
        return changed;
    });
}

void CMainFrame::ShowChangedTables(const std::function<bool()>& change) {
    if (!doc_.IsOpen()) return;
    const std::vector<int> tree_path = NodePath(tree_->currentItem());
    const std::vector<int> rows = list_->SelectedRows();
    Database& db = doc_.db();
    if (!change()) return;

    // Any table may have changed: rebuild what shows them, without the tree's selection
    // handling running on the half-built nodes.
    {
        const QSignalBlocker block(tree_);
        QTreeWidgetItem* antenna = tree_->RootNode(kRootAntenna);
        std::vector<bool> expanded;
        for (int n = 0; n < antenna->childCount(); ++n)
            expanded.push_back(antenna->child(n)->isExpanded());
        tree_->RebuildSatellites();
        // Satellites stay opened as the user left them.
        for (int n = 0; n < antenna->childCount() && n < static_cast<int>(expanded.size()); ++n)
            antenna->child(n)->setExpanded(expanded[static_cast<size_t>(n)]);
        for (int g = 0; g < FavouriteGroups::kGroups; ++g) tree_->UpdateGroupNode(g);
    }
    list_->SetupColumns();  // favourite headers carry the group names
    // The node at the same place, or the nearest one above it when that place is gone.
    std::vector<int> path = tree_path;
    QTreeWidgetItem* node = nullptr;
    while (!path.empty() && !(node = NodeAt(*tree_, path))) path.pop_back();
    {
        const QSignalBlocker block(tree_);
        tree_->setCurrentItem(node);
    }
    if (node) tree_->scrollToItem(node);
    const TreeNodeKind kind = tree_->SelectedNode().kind;
    const bool lists = kind == TreeNodeKind::ChannelList || kind == TreeNodeKind::Satellite ||
                       kind == TreeNodeKind::Transponder || kind == TreeNodeKind::FavouriteGroup;
    if (path != tree_path) {
        // What the list showed is gone with its node.
        db.current_satellite = -1;
        db.current_tp_id = -1;
        if (lists)
            tree_->RefreshSelection();
        else
            list_->ClearList();
    } else if (lists) {
        tree_->RefreshSelection();
    } else if (list_->list().listed()) {
        list_->RefreshList(list_->list().radio_mode);
    }
    list_->SelectRows(rows);
    UpdateCommandStates();
}

void CMainFrame::UpdateRecentFileMenu() {
    const QStringList& files = recent_.files();
    // The recent files open through Open, which is there only while no database is open.
    const bool can_open = doc_.IsCommandEnabled(kCmdFileOpen);
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* action = recent_actions_[static_cast<size_t>(i)];
        if (i < files.size()) {
            action->setText(recent_.MenuText(i));
            action->setVisible(true);
            action->setEnabled(can_open);
        } else {
            action->setText(QStringLiteral("Recent File"));
            action->setVisible(i == 0);
            action->setEnabled(false);
        }
    }
}

void CMainFrame::RunCommand(int id) {
    switch (id) {
        case kCmdFileNew:
            doc_.OnFileNew();
            break;
        case kCmdFileOpen:
            doc_.OnFileOpen();
            break;
        case kCmdFileClose:
            doc_.OnFileClose();
            break;
        case kCmdFileSave:
            doc_.OnFileSave();
            break;
        case kCmdFileSaveAs:
            doc_.OnFileSaveAs();
            break;
        case kCmdPrint:
            print_hooks_->Print(active_pane_);
            break;
        case kCmdPrintPreview:
            print_hooks_->PrintPreview(active_pane_);
            break;
        case kCmdPrintSetup:
            print_hooks_->PrintSetup();
            break;
        case kCmdExit:
            close();
            break;
        case kCmdTvChannel:
            list_->RefreshList(0);
            break;
        case kCmdRadioChannel:
            list_->RefreshList(1);
            break;
        case kCmdAbout:
            ShowAbout();
            break;
        case kCmdNextPane:
        case kCmdPrevPane:
            SwitchPane();
            break;
        case kCmdEditUndo:
            UndoRedo(true);
            break;
        case kCmdEditRedo:
            UndoRedo(false);
            break;
        case kCmdEditFind:
            find_pane_->FocusFind();
            break;
        case kCmdCheckDatabase:
            ShowCheckWindow();
            break;
        default:
            if (id >= kCmdRecentFile1 && id < kCmdRecentFile1 + kRecentFileCount)
                OpenRecentFile(id - kCmdRecentFile1);
            else if (IsExchangeCommand(id))
                RunExchangeCommand(*this, id);
            else
                list_->RunCommand(id);
            break;
    }
    UpdateCommandStates();
}

void CMainFrame::OpenRecentFile(int index) {
    if (index >= recent_.files().size() || doc_.IsOpen()) return;
    const QString path = recent_.files()[index];
    if (!doc_.OpenPath(QFile::encodeName(path).toStdString())) {
        // A file that no longer opens leaves the list, as it always did.
        recent_.Remove(path);
        if (settings_) recent_.Save(*settings_);
    }
}

void CMainFrame::SwitchPane() {
    // Two panes: next and previous both go to the other one.
    if (tree_->hasFocus())
        list_->setFocus(Qt::ShortcutFocusReason);
    else if (list_->hasFocus())
        tree_->setFocus(Qt::ShortcutFocusReason);
    else if (active_pane_ == ActivePane::Tree)
        list_->setFocus(Qt::ShortcutFocusReason);
    else
        tree_->setFocus(Qt::ShortcutFocusReason);
}

void CMainFrame::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::ShowCheckWindow() {
    if (!check_window_) {
        check_window_ = new CheckWindow(
            doc_.db(), *tree_, *list_,
            [this](const char* label, const std::function<bool()>& change) {
                RecordChange(label, change);
            },
            this);
        connect(this, &CMainFrame::commandStatesUpdated, check_window_, &CheckWindow::Refresh);
    }
    check_window_->show();
    check_window_->raise();
    check_window_->activateWindow();
}

void CMainFrame::SetPrintCommandHooks(std::unique_ptr<PrintCommandHooks> hooks) {
    print_hooks_ = hooks ? std::move(hooks) : std::make_unique<PrintCommandHooks>();
}

void CMainFrame::FillTree() {
    tree_->FillTree();
    list_->SetupColumns();  // favourite headers now show the group names
}

void CMainFrame::ResetTree() {
    tree_->ResetTree();
    list_->SetupColumns();
}

void CMainFrame::SetTitle(const std::string& title) {
    setWindowTitle(QFile::decodeName(QByteArray::fromStdString(title)));
}

void CMainFrame::FileUsed(const std::string& path) {
    recent_.Add(QFile::decodeName(QByteArray::fromStdString(path)));
    if (settings_) recent_.Save(*settings_);
    UpdateRecentFileMenu();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (doc_.CanCloseFrame())
        event->accept();
    else
        event->ignore();
}

}  // namespace velmora
