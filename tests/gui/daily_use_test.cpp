// Keeping the user's place in the main window: what the tree lists after Open and after
// collapsing, which pane is active and what Print says, the window's layout across
// runs, rows selected by dragging, and the words the status bar has for silent results.

#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QStatusBar>

#include "channels/ChannelCommands.h"
#include "channels/ChannelForm.h"
#include "commands/CommandIds.h"
#include "database/qt/QtInteraction.h"
#include "tests/gui/GuiFixture.h"
#include "tests/gui/ModalDriver.h"

namespace velmora::testing {
namespace {

// Takes the place of the command table: records the pane each print command runs in,
// instead of printing.
struct RecordingPrints {
    CMainFrame* frame = nullptr;
    std::vector<ActivePane> printed;
    ViewEffect Run(int id, CommandContext&) {
        if (id == kCmdPrint || id == kCmdPrintPreview) printed.push_back(frame->activePane());
        return {};
    }
};

class DailyUse : public GuiTest {
protected:
    void StartShown(const QStringList& args) {
        Start(args);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    }
    QPoint RowCentre(int row) { return view->visualRect(view->model()->index(row, 1)).center(); }
    QString StatusText() const { return frame->statusBar()->currentMessage(); }
};

TEST_F(DailyUse, OpenListsWhatTheSelectedNodeStandsFor) {
    Start();
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    EXPECT_EQ(view->model()->rowCount(), 0);
    ASSERT_TRUE(app->doc().OpenPath(sample));
    EXPECT_EQ(view->model()->rowCount(), expected->tv_count());

    // The same through a recent file, after Close.
    frame->RunCommand(kCmdFileClose);
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    frame->RunCommand(kCmdRecentFile1);
    ASSERT_TRUE(app->doc().IsOpen());
    EXPECT_EQ(view->list().list_mode(), kListAll);
    EXPECT_EQ(view->model()->rowCount(), expected->tv_count());
}

TEST_F(DailyUse, CollapsingASatelliteHandsItsTransponderSelectionToIt) {
    StartWithSample();
    QTreeWidgetItem* sat = tree->SatelliteNode(1);
    sat->setExpanded(true);
    tree->setCurrentItem(tree->TransponderNode(1, 0));
    ASSERT_EQ(view->list().list_mode(), kListTransponder);
    sat->setExpanded(false);
    EXPECT_EQ(tree->currentItem(), sat);
    EXPECT_TRUE(sat->isSelected());
    EXPECT_EQ(view->list().list_mode(), kListSatellite);
    EXPECT_EQ(view->list().current_satellite(), 1);
    EXPECT_EQ(view->list().current_tp_id(), -1);

    // Collapsing another satellite leaves the selection where it is.
    tree->SatelliteNode(0)->setExpanded(true);
    tree->SatelliteNode(0)->setExpanded(false);
    EXPECT_EQ(tree->currentItem(), sat);
}

TEST_F(DailyUse, EveryRootNodeHasAnIconSoTheirLabelsLineUp) {
    Start();
    for (int root = 0; root < kTreeRootCount; ++root)
        EXPECT_FALSE(tree->RootNode(root)->icon(0).isNull()) << root;
}

TEST_F(DailyUse, TheActivePaneShowsItAndPrintSaysWhichPaneItPrints) {
    StartShown({QString::fromStdString(sample)});
    auto printed = std::make_shared<RecordingPrints>();
    printed->frame = frame;
    frame->SetCommandRunner([printed](int id, CommandContext& c) { return printed->Run(id, c); });
    auto highlight = [](QWidget* w) {
        return w->palette().color(QPalette::Active, QPalette::Highlight);
    };

    tree->setFocus();
    EXPECT_TRUE(tree->property("activePane").toBool());
    EXPECT_FALSE(view->property("activePane").toBool());
    EXPECT_NE(highlight(tree), highlight(view))
        << "the inactive pane's selection is drawn inactive";
    frame->RunCommand(kCmdPrint);
    EXPECT_EQ(StatusText(), QStringLiteral("Printing the tree (the active pane)"));

    view->setFocus();
    EXPECT_TRUE(view->property("activePane").toBool());
    EXPECT_FALSE(tree->property("activePane").toBool());
    EXPECT_EQ(highlight(view),
              QApplication::palette(view).color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(view->palette().color(QPalette::WindowText), highlight(view)) << "the focus frame";
    frame->RunCommand(kCmdPrintPreview);
    EXPECT_EQ(StatusText(), QStringLiteral("Print preview of the channel list (the active pane)"));
    EXPECT_EQ(printed->printed, (std::vector<ActivePane>{ActivePane::Tree, ActivePane::List}));
}

TEST_F(DailyUse, WindowSplitterAndColumnsAreRememberedAcrossRuns) {
    Start();
    EXPECT_EQ(frame->splitter()->sizes().first(), 180) << "the first run";
    frame->show();
    frame->resize(900, 580);
    frame->splitter()->setSizes({260, 640});
    QHeaderView* header = view->horizontalHeader();
    header->resizeSection(1, 171);
    header->moveSection(header->visualIndex(1), 3);
    const QString columns = view->ColumnLayout();
    ASSERT_TRUE(frame->close());

    Start();
    frame->show();
    EXPECT_EQ(frame->size(), QSize(900, 580));
    EXPECT_EQ(frame->splitter()->sizes().first(), 260);
    EXPECT_EQ(view->ColumnLayout(), columns);
    EXPECT_EQ(view->horizontalHeader()->sectionSize(1), 171);
    EXPECT_EQ(view->horizontalHeader()->visualIndex(1), 3);

    // A layout that does not fit the columns shown is ignored.
    view->RestoreColumnLayout(QStringLiteral("1:50,1:50"));
    view->RestoreColumnLayout(QStringLiteral("garbage"));
    EXPECT_EQ(view->ColumnLayout(), columns);
}

TEST_F(DailyUse, DraggingFromAnUnselectedRowSelectsRowsAndMovesNothing) {
    StartShown({QString::fromStdString(sample)});
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    const std::vector<int> tv_before = [this] {
        std::vector<int> keys;
        for (int i = 0; i < db().tv_count(); ++i) keys.push_back(int(db().tv[i].key()));
        return keys;
    }();
    view->SelectRows({6});
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, RowCentre(1));
    QTest::mouseMove(view->viewport(), RowCentre(3));
    QTest::mouseMove(view->viewport(), RowCentre(4));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, RowCentre(4));
    EXPECT_EQ(view->SelectedRows(), (std::vector<int>{1, 2, 3, 4}));
    for (int i = 0; i < db().tv_count(); ++i)
        EXPECT_EQ(int(db().tv[i].key()), tv_before[static_cast<size_t>(i)]) << i;
    EXPECT_FALSE(app->doc().IsModified());
    EXPECT_TRUE(view->dragEnabled()) << "selected rows can still be dragged";
}

TEST_F(DailyUse, AddChannelInTheTvViewSaysWhenItStoredARadioChannel) {
    StartShown({QString::fromStdString(sample)});
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    const int radio = db().radio_count();
    ModalDriver dialogs;
    dialogs.Then(kChannelDialogId, [](QDialog& d) {
        SetText(d, kIdChannelName, QStringLiteral("Radio One"));
        SetText(d, kIdVideoPid, QStringLiteral("8191"));
        SetText(d, kIdPcrPid, QStringLiteral("600"));
        SetRow(d, kIdSatelliteList, 0);
        ClickOk(d);
    });
    frame->RunCommand(kCmdAddChannel);
    ASSERT_EQ(db().radio_count(), radio + 1);
    EXPECT_EQ(StatusText(),
              QString::fromLatin1(kStoredAsRadioNote.data(), qsizetype(kStoredAsRadioNote.size())));
}

TEST_F(DailyUse, ThePopUpMenuPromptsInTheStatusBarAsEditDoes) {
    StartShown({QString::fromStdString(sample)});
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    QStringList prompts;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || a->menu()) continue;
            menu->setActiveAction(a);
            prompts << StatusText();
        }
        menu->close();
    });
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, RowCentre(0));
    EXPECT_EQ(prompts, (QStringList{"Add a new Channel", "Edit a channel", "Detelte a channel",
                                    "Swap channel", "Move channel",
                                    "Select the information of channel to show"}));
}

TEST_F(DailyUse, CommandsKeepTheSelectedAndCurrentChannelsAndTheScroll) {
    StartShown({QString::fromStdString(sample)});
    tree->setCurrentItem(tree->RootNode(kRootChannelList));
    auto name = [this](int row) { return view->model()->index(row, 1).data().toString(); };
    auto sorted = [](QStringList names) {
        std::sort(names.begin(), names.end());
        return names;
    };
    // A sort: the same channels stay selected, the current one in view.
    view->SelectRows({5, 7});
    const QStringList chosen = {name(5), name(7)};
    frame->RunCommand(kCmdSortZToA);
    QStringList still;
    for (int r : view->SelectedRows()) still << name(r);
    EXPECT_EQ(sorted(still), sorted(chosen));
    const QModelIndex current = view->currentIndex();
    EXPECT_EQ(name(current.row()), chosen[1]);
    EXPECT_TRUE(view->viewport()->rect().intersects(view->visualRect(current)));

    // An edit further down: the list stays where it was scrolled to.
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
    const int scroll = view->verticalScrollBar()->value();
    const int row = view->rowAt(view->viewport()->height() / 2);
    ASSERT_GT(row, 0);
    view->SelectRows({row});
    view->verticalScrollBar()->setValue(scroll);
    ModalDriver dialogs;
    dialogs.Then(kChannelDialogId, [](QDialog& d) {
        SetText(d, kIdChannelName, QStringLiteral("Edited"));
        ClickOk(d);
    });
    frame->RunCommand(kCmdEditChannel);
    EXPECT_EQ(name(row), QStringLiteral("Edited"));
    EXPECT_EQ(view->SelectedRows(), std::vector<int>{row});
    EXPECT_EQ(view->currentIndex().row(), row);
    EXPECT_EQ(view->verticalScrollBar()->value(), scroll);
}

TEST(FileDialogFilters, TheLastFilterReadsAsGivenAndMatchesEveryFile) {
    EXPECT_EQ(FileDialogNameFilters("SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||"),
              (QStringList{QStringLiteral("SDX Files (*.sdx) (*.sdx)"),
                           QStringLiteral("All Files (*.*) (*)")}));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    SetUpFileDialog(dialog, {false, "Open", "SDX Files (*.sdx)|*.sdx|All Files (*.*)|*.*||"});
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_TRUE(types);
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(types->itemText(0), QStringLiteral("SDX Files (*.sdx)"));
    EXPECT_EQ(types->itemText(1), QStringLiteral("All Files (*.*)"));
    dialog.selectNameFilter(FileDialogNameFilters("All Files (*.*)|*.*||").first());
    auto* files = dialog.findChild<QFileSystemModel*>();
    ASSERT_TRUE(files);
    EXPECT_EQ(files->nameFilters(), QStringList{QStringLiteral("*")}) << "names without a dot too";
}

// The chooser says which file type went with the path, and offers that type first the
// next time it shows the same list.
TEST(FileDialogFilters, TheChosenTypeIsReportedAndOfferedFirstAgain) {
    QTemporaryDir dir;
    QtFileChooser chooser;
    const FileChoice choice{.save = true,
                            .title = "Export",
                            .filter = "CSV (*.csv)|*.csv|CSV for Excel (*.csv)|*.csv||",
                            .folder = dir.path().toStdString()};
    QString offered;
    ModalDriver dialogs;
    dialogs
        .Then(0,
              [&dir](QDialog& d) {
                  auto& files = static_cast<QFileDialog&>(d);
                  files.selectNameFilter(files.nameFilters().value(1));
                  files.selectFile(dir.filePath(QStringLiteral("excel.csv")));
                  d.accept();  // as the Save button does
              })
        .Then(0, [&offered](QDialog& d) {
            offered = static_cast<QFileDialog&>(d).selectedNameFilter();
            d.reject();
        });
    ASSERT_TRUE(chooser.Choose(choice));
    EXPECT_EQ(chooser.ChosenType(), 1);
    EXPECT_FALSE(chooser.Choose(choice));
    EXPECT_TRUE(offered.startsWith(QStringLiteral("CSV for Excel"))) << offered.toStdString();
}

}  // namespace
}  // namespace velmora::testing
