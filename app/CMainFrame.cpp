#include "app/CMainFrame.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolButton>
#include <optional>

#include "app/CAboutDlg.h"
#include "app/CommandMenus.h"
#include "app/Images.h"
#include "app/Language.h"
#include "app/LockKeys.h"
#include "app/PaneLook.h"
#include "app/QtDialogHost.h"
#include "compare/qt/CompareController.h"
#include "database/qt/BesideWindow.h"
#include "database/qt/StatusNote.h"

namespace velmora {
CMainFrame::CMainFrame(CVelmoraDoc& doc, std::unique_ptr<QSettings> settings, QWidget* parent)
    : QMainWindow(parent),
      doc_(doc),
      settings_(std::move(settings)),
      recent_(kRecentFileCount),
      dialogs_(std::make_unique<QtDialogHost>(doc.prompter(), this)),
      runner_(velmora::RunCommand),
      printer_(&doc.prompter()) {
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
    // Lives as the frame's child; the comparison window's copy runs as a command here.
    compare_ = new CompareController(
        doc_, *tree_, *list_, this,
        [this](int id, const WindowSelection& selection) { RunCommand(id, selection); });
    compare_->SetWindowPlacer([this](QWidget* window) {
        KeepBesideMainWindow(window, this, settings_.get(), QStringLiteral("CompareGeometry"));
    });
    resize(1024, 640);
    splitter_->setSizes({180, 1024 - 180});
    RestoreLayout();

    // The keys of the list's commands act where the list has the focus only.
    for (auto [id, action] : actions_) {
        const CommandRow* row = FindCommand(id);
        if (!row || !row->list_shortcut) continue;
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        list_->addAction(action);
    }
    // Another node is listed from its first row.
    connect(tree_, &QTreeWidget::currentItemChanged, list_, [this] { list_->scrollToTop(); });
    // New and Open start in the folder of the file used last, also in an earlier run.
    if (!recent_.files().isEmpty())
        doc_.RememberFolderOf(QFile::encodeName(recent_.files().first()).toStdString());

    tree_->SetCommandSink([this](int id) { RunCommand(id); });
    list_->SetCommandSinks(
        [this](int id) { RunCommand(id); },
        [this](const std::vector<int>& rows, int target) { DropRows(rows, target); });
    // The list's pop-up menu runs through the sink (on the rows selected before the
    // right-button press), so its entries are copies without keys.
    AddMenuItems(list_->popupMenu(), ChannelPopupMenu(),
                 [this](int id) { return NewCommandAction(id, list_->popupMenu(), false); });
    // Its entries prompt in the status bar as the same entries of "&Edit" do.
    list_->ForwardPopupStatusTips();
    connect(list_, &CVelmoraView::listChanged, this, &CMainFrame::UpdateCommandStates);
    connect(list_, &CVelmoraView::listChanged, this, &CMainFrame::UpdateFindCount);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (QWidget* w = now; w; w = w->parentWidget()) {
            if (w == tree_) SetActivePane(ActivePane::Tree);
            if (w == find_pane_) SetActivePane(ActivePane::List);
        }
    });
    ShowActivePane();
    qApp->installEventFilter(this);

    doc_.SetViews(this);
    doc_.AddObserver(this);
    UpdateCommandStates();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    doc_.RemoveObserver(this);
    doc_.SetViews(nullptr);
}

QAction* CMainFrame::CommandAction(int id) {
    if (QAction* existing = action(id)) return existing;
    QAction* action = NewCommandAction(id, this);
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    actions_[id] = action;
    return action;
}

void CMainFrame::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QString::number(kMainResourceId));
    AddMenus(bar, MainMenu(), [this](int id) { return CommandAction(id); });
    file_menu_ = bar->actions().value(0) ? bar->actions()[0]->menu() : nullptr;
    if (file_menu_)
        connect(file_menu_, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    for (int i = 0; i < kRecentFileCount; ++i)
        recent_actions_[static_cast<size_t>(i)] = CommandAction(kCmdRecentFile1 + i);
    // The View menu's marks: one of the two tables is shown.
    auto* tables = new QActionGroup(this);
    tables->setExclusive(true);
    for (const CommandRow& row : CommandRows()) {
        if (row.checkable) tables->addAction(CommandAction(row.id));
    }
    // View > Language, below the table marks; the choice lives in the settings, so a
    // window without them has none to offer.
    if (settings_ && !tables->actions().isEmpty()) {
        for (QObject* shown_in : tables->actions().front()->associatedObjects()) {
            if (auto* view = qobject_cast<QMenu*>(shown_in)) {
                AddLanguageMenu(view, *settings_, doc_.prompter());
                break;
            }
        }
    }
    // Pane switching and Find have no menu entry, only their keys.
    for (int id : WindowKeyCommands()) addAction(CommandAction(id));
}

void CMainFrame::CreateToolBar() {
    toolbar_ = new QToolBar(tr("Toolbar"), this);
    toolbar_->setObjectName(QString::number(kMainResourceId));
    toolbar_->setIconSize(QSize(16, 15));
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setMovable(true);
    toolbar_->setFloatable(true);
    toolbar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : ToolbarButtons()) {
        if (id == 0)
            toolbar_->addSeparator();
        else
            toolbar_->addAction(CommandAction(id));
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
        if (message.isEmpty()) bar->showMessage(tr("Ready"));
    });
    // The panes are named after the English words; they show the user's.
    const char* names[] = {QT_TR_NOOP("CAP"), QT_TR_NOOP("NUM"), QT_TR_NOOP("SCRL")};
    for (size_t i = 0; i < lock_panes_.size(); ++i) {
        auto* pane = new QLabel(this);
        pane->setObjectName(QString::fromLatin1(names[i]));
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(tr(names[i])) + 12);
        bar->addPermanentWidget(pane);
        lock_panes_[i] = pane;
    }
    find_count_ = new QLabel(this);
    find_count_->setObjectName(QStringLiteral("FindCount"));
    find_count_->setAlignment(Qt::AlignCenter);
    bar->insertPermanentWidget(0, find_count_);
    modified_pane_ = new QLabel(this);
    modified_pane_->setObjectName(QStringLiteral("Modified"));
    modified_pane_->setAlignment(Qt::AlignCenter);
    modified_pane_->setMinimumWidth(
        modified_pane_->fontMetrics().horizontalAdvance(tr("Modified")) + 12);
    bar->insertPermanentWidget(1, modified_pane_);
    bar->showMessage(tr("Ready"));
    UpdateLockPanes();
}

void CMainFrame::UpdateLockPanes() {
    const LockKey keys[] = {LockKey::Caps, LockKey::Num, LockKey::Scroll};
    const char* names[] = {QT_TR_NOOP("CAP"), QT_TR_NOOP("NUM"), QT_TR_NOOP("SCRL")};
    for (size_t i = 0; i < lock_panes_.size(); ++i) {
        const bool on = LockKeyOn(keys[i]).value_or(false);
        lock_panes_[i]->setText(on ? tr(names[i]) : QString());
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
    for (auto [id, action] : actions_) {
        const CommandRow* row = FindCommand(id);
        if (!row || !row->state) continue;
        const CommandState state = row->state(doc_, list_->list());
        action->setEnabled(state.enabled);
        if (row->checkable) action->setChecked(state.checked);
    }
    UpdateUndoActions();
    UpdateRecentFileMenu();
    modified_pane_->setText(doc_.IsOpen() && doc_.IsModified() ? tr("Modified") : QString());
    emit commandStatesUpdated();
}

void CMainFrame::UpdateUndoActions() {
    const UndoHistory& history = doc_.history();
    QAction* undo = actions_.at(kCmdEditUndo);
    QAction* redo = actions_.at(kCmdEditRedo);
    // The entries name the step they would take back or do again.
    const QString undo_text = CommandText(FindCommand(kCmdEditUndo)->menu_text);
    const QString redo_text = CommandText(FindCommand(kCmdEditRedo)->menu_text);
    undo->setText(undo->isEnabled()
                      ? undo_text + QLatin1Char(' ') + QString::fromStdString(history.UndoLabel())
                      : undo_text);
    redo->setText(redo->isEnabled()
                      ? redo_text + QLatin1Char(' ') + QString::fromStdString(history.RedoLabel())
                      : redo_text);
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
        tr("%1 of %2 channels").arg(list.row_count()).arg(list.unfiltered_count()));
}

void CMainFrame::UpdateRecentFileMenu() {
    const QStringList& files = recent_.files();
    // The recent files open through Open, which is there only while no database is open.
    const bool can_open = StateOf(*FindCommand(kCmdFileOpen), doc_, list_->list()).enabled;
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* action = recent_actions_[static_cast<size_t>(i)];
        if (i < files.size()) {
            action->setText(recent_.MenuText(i));
            action->setVisible(true);
            action->setEnabled(can_open);
        } else {
            action->setText(CommandText(FindCommand(kCmdRecentFile1)->menu_text));
            action->setVisible(i == 0);
            action->setEnabled(false);
        }
    }
}

void CMainFrame::RunCommand(int id) {
    Run(id, list_->SelectedRows(), -1);
}

void CMainFrame::RunCommand(int id, const WindowSelection& selection) {
    Run(id, list_->SelectedRows(), -1, selection);
}

void CMainFrame::DropRows(const std::vector<int>& rows, int target_row) {
    Run(kCmdDropChannels, rows, target_row);
}

void CMainFrame::Run(int id, std::vector<int> rows, int target_row, const WindowSelection& window) {
    const CommandRow* row = FindCommand(id);
    const KeepPlace keep = row ? row->keep_place : KeepPlace::No;
    std::optional<CVelmoraView::KeptPlace> place;
    if (keep != KeepPlace::No) place = list_->TakePlace();
    // The status bar says which pane a print command prints, before any dialog opens.
    if (id == kCmdPrint || id == kCmdPrintPreview)
        ShowStatusNote(this, PrintedPaneNote(active_pane_, id == kCmdPrintPreview));
    CommandContext context = Context(std::move(rows), target_row);
    context.window = window;
    ViewEffect effect;
    {
        // The step it records is shown by its effect below, not by the announcement.
        const QScopedValueRollback running(running_, true);
        effect = runner_(id, context);
    }
    // Rows a command selects itself (the channel Add made) take the place's turn; Undo and
    // Redo find the channels of the place again rather than the same row numbers.
    if ((effect.select_rows || effect.select_position >= 0) &&
        keep != KeepPlace::ByRecordOrPosition)
        place.reset();
    Apply(effect);
    if (place) list_->ShowPlaceAgain(*place, keep == KeepPlace::ByRecordOrPosition);
    UpdateCommandStates();
}

CommandContext CMainFrame::Context(std::vector<int> rows, int target_row) {
    return {doc_,  list_->list(),         *dialogs_,       tree_state_,
            *this, tree_->SelectedNode(), std::move(rows), target_row,
            {}};
}

void CMainFrame::SetCommandRunner(CommandRunner runner) {
    runner_ = runner ? std::move(runner) : CommandRunner(velmora::RunCommand);
}

void CMainFrame::SetDialogHost(std::unique_ptr<DialogHost> host) {
    dialogs_ = host ? std::move(host) : std::make_unique<QtDialogHost>(doc_.prompter(), this);
}

void CMainFrame::Print(bool preview) {
    const bool list = active_pane_ == ActivePane::List;
    if (preview && list)
        printer_.PrintPreview(this, doc_.db(), list_->list());
    else if (preview)
        printer_.PrintPreview(this, *tree_);
    else if (list)
        printer_.Print(this, doc_.db(), list_->list());
    else
        printer_.Print(this, *tree_);
}

void CMainFrame::PrintSetup() {
    printer_.PrintSetup(this);
}

void CMainFrame::Exit() {
    close();
}

void CMainFrame::FocusFind() {
    find_pane_->FocusFind();
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

void CMainFrame::SetActivePane(ActivePane pane) {
    if (pane == active_pane_) return;
    active_pane_ = pane;
    ShowActivePane();
}

void CMainFrame::ShowActivePane() {
    ShowPaneActive(tree_, active_pane_ == ActivePane::Tree);
    ShowPaneActive(list_, active_pane_ == ActivePane::List);
}

void CMainFrame::ShowAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::CompareWith() {
    compare_->CompareWith();
}

void CMainFrame::ShowCheckWindow() {
    if (!check_window_) {
        check_window_ = new CheckWindow(
            doc_, *tree_, *list_,
            [this](int id, const WindowSelection& selection) { RunCommand(id, selection); }, this);
        KeepBesideMainWindow(check_window_, this, settings_.get(), QStringLiteral("CheckGeometry"));
    }
    check_window_->show();
    check_window_->raise();
    check_window_->activateWindow();
}

void CMainFrame::StepFinished(DocumentStep step) {
    switch (step) {
        case DocumentStep::Open:
            ShowOpenedDatabase();
            break;
        case DocumentStep::Close:
            ShowClosedDatabase();
            break;
        case DocumentStep::Command:
        case DocumentStep::Undo:
        case DocumentStep::Redo:
            if (!running_) ShowEveryTableAgain();
            break;
    }
    if (!running_) UpdateCommandStates();
}

void CMainFrame::ShowEveryTableAgain() {
    const CVelmoraView::KeptPlace place = list_->TakePlace();
    const TreeNodeRef node = tree_->SelectedNode();
    ViewEffect effect;
    effect.restore = true;
    effect.restore_tree = true;
    effect.restore_node = NodeAfterRestore(doc_.db(), node);
    effect.restore_moved = !(effect.restore_node == node);
    Apply(effect);
    if (!effect.restore_moved) list_->ShowPlaceAgain(place, false);
}

void CMainFrame::ShowOpenedDatabase() {
    tree_->FillTree();
    list_->SetupColumns();  // favourite headers now show the group names
    // A node selected before the database opened lists what it stands for now; without
    // one that lists channels, "Channel List" is selected, so the list is never empty.
    const TreeNodeKind kind = tree_->SelectedNode().kind;
    if (kind != TreeNodeKind::ChannelList && kind != TreeNodeKind::Satellite &&
        kind != TreeNodeKind::Transponder && kind != TreeNodeKind::FavouriteGroup) {
        const QSignalBlocker quiet(tree_);
        tree_->setCurrentItem(tree_->RootNode(kRootChannelList));
    }
    tree_->RefreshSelection();
    list_->scrollToTop();
    // The opened "Antenna" must not push it out of sight.
    tree_->scrollToItem(tree_->currentItem());
}

void CMainFrame::ShowClosedDatabase() {
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
    if (doc_.CanCloseFrame()) {
        SaveLayout();
        event->accept();
    } else {
        event->ignore();
    }
}

namespace {

const QString kLayoutGroup = QStringLiteral("Window");

}  // namespace

void CMainFrame::RestoreLayout() {
    if (!settings_) return;
    settings_->beginGroup(kLayoutGroup);
    restoreGeometry(settings_->value(QStringLiteral("Geometry")).toByteArray());
    splitter_->restoreState(settings_->value(QStringLiteral("Splitter")).toByteArray());
    list_->RestoreColumnLayout(settings_->value(QStringLiteral("Columns")).toString());
    settings_->endGroup();
}

void CMainFrame::SaveLayout() {
    if (!settings_) return;
    settings_->beginGroup(kLayoutGroup);
    settings_->setValue(QStringLiteral("Geometry"), saveGeometry());
    settings_->setValue(QStringLiteral("Splitter"), splitter_->saveState());
    settings_->setValue(QStringLiteral("Columns"), list_->ColumnLayout());
    settings_->endGroup();
    settings_->sync();
}

}  // namespace velmora
