// The list's keys, the selection after commands, Undo and a find, where the tree and the
// file dialogs leave the user, the "Modified" pane, print preview paging, a half-hidden row.

#include <QFileInfo>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QHeaderView>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QScrollBar>

#include "channels/ChannelForm.h"
#include "channels/MoveForm.h"
#include "channels/ShowInfoForm.h"
#include "tests/gui/IntegrationFixture.h"

namespace velmora::testing {
namespace {

class KeysAndPlace : public IntegrationTest {
protected:
    void SetUp() override {
        IntegrationTest::SetUp();
        StartShown();
        tree->setCurrentItem(tree->RootNode(kRootChannelList));
    }
    std::string Name(int row) const {
        return view->model()->index(row, 1).data().toString().toStdString();
    }
    std::vector<std::string> SelectedNames() const {
        std::vector<std::string> names;
        for (int r : view->SelectedRows()) names.push_back(Name(r));
        return names;
    }
    bool InView(int row) const {
        return view->viewport()->rect().contains(view->visualRect(view->model()->index(row, 1)));
    }
    void AnswerMove(ModalDriver& dialogs, const char* to, QString* from = nullptr) {
        dialogs.Then(kMoveDialogId, [to, from](QDialog& d) {
            if (from) *from = DialogControl<QLineEdit>(d, kIdMoveFrom)->text();
            SetText(d, kIdMoveTo, QString::fromLatin1(to));
            ClickOk(d);
        });
    }
};

// Row 2's channel stays selected where the command put it: pop-up menu (pressed on row 8,
// id) or the key with Ctrl; `to` answers the Move dialog.
TEST_F(KeysAndPlace, TheMovedChannelStaysSelectedFromPopUpAndKeys) {
    struct Case {
        int id;
        Qt::Key key;
        const char* to;
        int row;
    } cases[] = {{kCmdSwapChannel, Qt::Key_unknown, "5", 4},
                 {kCmdMoveChannel, Qt::Key_unknown, "6", 5},
                 {0, Qt::Key_T, "5", 4},
                 {0, Qt::Key_M, "6", 5},
                 {0, Qt::Key_Up, nullptr, 1},
                 {0, Qt::Key_Down, nullptr, 3}};
    for (const Case& c : cases) {
        view->SelectRows({2});
        const std::string moved = Name(2);
        ModalDriver dialogs;
        if (c.to) AnswerMove(dialogs, c.to);
        if (c.id) {
            OnNextPopup(c.id);
            QTest::mouseClick(view->viewport(), Qt::RightButton, {},
                              view->visualRect(view->model()->index(8, 1)).center());
        } else {
            frame->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
            view->setFocus();
            QTest::keyClick(view, c.key, Qt::ControlModifier);
        }
        EXPECT_EQ(view->SelectedRows(), std::vector<int>{c.row}) << c.id << " " << c.key;
        EXPECT_EQ(Name(c.row), moved) << c.id << " " << c.key;
    }
}

TEST_F(KeysAndPlace, DeleteRunsDeleteChannelInTheListAndDelInTheAudioList) {
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    view->setFocus();
    view->SelectRows({3});
    const std::string next = Name(4);
    prompter.answers = {Answer::Yes};
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(SelectedNames(), std::vector<std::string>{next});
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Delete);  // the tree's own key
    EXPECT_EQ(db().tv_count(), expected->tv_count() - 1);
    int audio_rows = -1;
    ModalDriver dialogs;
    dialogs.Then(kChannelDialogId, [&audio_rows](QDialog& d) {
        auto* audio = DialogControl<QListWidget>(d, kIdAudioPidList);
        audio->setCurrentRow(0);
        QTest::keyClick(audio, Qt::Key_Delete);
        audio_rows = audio->count();
        ClickCancel(d);
    });
    frame->RunCommand(kCmdEditChannel);
    EXPECT_EQ(audio_rows, 0);
}

TEST_F(KeysAndPlace, UndoAndRedoKeepTheSameChannelsSelected) {
    for (int id : {kCmdSortZToA, kCmdMoveChannelDown, kCmdSortByTransponder}) {
        view->SelectRows({3, 7});
        const auto chosen = SelectedNames();
        frame->RunCommand(id);
        const auto after = SelectedNames();
        frame->RunCommand(kCmdEditUndo);
        EXPECT_EQ(view->SelectedRows(), (std::vector<int>{3, 7})) << id;
        EXPECT_EQ(SelectedNames(), chosen) << id;
        frame->RunCommand(kCmdEditRedo);
        EXPECT_EQ(SelectedNames(), after) << id;
        frame->RunCommand(kCmdEditUndo);
    }
}

TEST_F(KeysAndPlace, UnderAFindMoveAndSwapCountTheWholeTableAndClearingKeepsTheChannel) {
    const int p = 120;  // far down, alone under its name
    ChangeDb([&](Database& d) { d.tv[p].set_name("Zz Found"); });
    for (int id : {kCmdMoveChannel, kCmdSwapChannel}) {
        const Channel first = db().tv[0];
        frame->findPane()->findField()->setText(QStringLiteral("zz found"));
        view->SelectRows({0});
        QString from;
        ModalDriver dialogs;
        AnswerMove(dialogs, "1", &from);
        frame->RunCommand(id);
        EXPECT_EQ(from, QString::number(p + 1)) << id;
        EXPECT_EQ(db().tv[0].name(), "Zz Found") << id;
        EXPECT_EQ(db().tv[id == kCmdSwapChannel ? p : 1].bytes, first.bytes) << id;
        frame->findPane()->findField()->clear();
        frame->RunCommand(kCmdEditUndo);
    }
    QTest::keyClicks(frame->findPane()->findField(), QStringLiteral("zz f"));
    view->SelectRows({0});
    QTest::keyClick(frame->findPane()->findField(), Qt::Key_Escape);
    EXPECT_EQ(view->SelectedRows(), std::vector<int>{p});
    EXPECT_TRUE(InView(p));
}

TEST_F(KeysAndPlace, AddSelectsTheNewChannelAndAnotherNodeListsFromTheTop) {
    ModalDriver dialogs;
    dialogs.Then(kChannelDialogId, [](QDialog& d) {
        SetText(d, kIdChannelName, QStringLiteral("Newcomer"));
        SetText(d, kIdVideoPid, QStringLiteral("100"));
        SetText(d, kIdPcrPid, QStringLiteral("101"));
        SetRow(d, kIdSatelliteList, 0);
        ClickOk(d);
    });
    frame->RunCommand(kCmdAddChannel);
    EXPECT_EQ(view->SelectedRows(), std::vector<int>{db().tv_count() - 1});
    EXPECT_TRUE(InView(db().tv_count() - 1));
    for (QTreeWidgetItem* node : {tree->GroupNode(0), tree->SatelliteNode(0)}) {
        tree->setCurrentItem(tree->RootNode(kRootChannelList));
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
        tree->setCurrentItem(node);
        EXPECT_EQ(view->verticalScrollBar()->value(), 0) << node->text(0).toStdString();
    }
}

TEST_F(KeysAndPlace, DefaultColumnsKeepTheOrderAndWidthsOfThoseShown) {
    view->list().column_visible[kColLock] = false;
    view->SetupColumns();
    view->horizontalHeader()->resizeSection(1, 171);
    view->horizontalHeader()->moveSection(1, 3);  // Name after FTA/CAS and Video PID
    ModalDriver dialogs;
    dialogs.Then(kShowInfoDialogId, [](QDialog& d) {
        Click(d, kShowInfoDefaultButton);
        ClickOk(d);
    });
    frame->RunCommand(kCmdShowChannelInfo);
    EXPECT_TRUE(view->ColumnLayout().startsWith(QStringLiteral("0:40,2:55,3:50,4:65,1:171,")));
}

TEST_F(KeysAndPlace, OpenNewAndRecentFileSelectChannelListInViewAndDialogsStartInTheFolder) {
    frame->resize(700, 200);
    const std::string folder =
        QFileInfo(QString::fromStdString(sample)).absolutePath().toStdString();
    for (int id : {kCmdFileOpen, kCmdRecentFile1, kCmdFileNew}) {
        chooser.answers = {Path("copy.sdx")};
        frame->RunCommand(kCmdFileSaveAs);
        frame->RunCommand(kCmdFileClose);
        tree->setCurrentItem(tree->RootNode(kRootParental));
        chooser.answers = {id == kCmdFileNew ? Path("new.sdx") : sample};
        frame->RunCommand(id);
        for (const FileChoice& asked : chooser.asked) EXPECT_EQ(asked.folder, folder) << id;
        EXPECT_EQ(tree->currentItem(), tree->RootNode(kRootChannelList)) << id;
        EXPECT_TRUE(tree->viewport()->rect().intersects(tree->visualItemRect(tree->currentItem())));
        EXPECT_EQ(view->model()->rowCount(), db().tv_count()) << id;
    }
}

TEST_F(KeysAndPlace, TheModifiedPaneShowsUnsavedChanges) {
    EXPECT_TRUE(frame->modifiedPane()->text().isEmpty());
    for (auto [id, modified] : {std::pair{kCmdSortAToZ, true},
                                {kCmdFileSave, false},
                                {kCmdSortZToA, true},
                                {kCmdEditUndo, false},
                                {kCmdEditRedo, true}}) {
        frame->RunCommand(id);
        EXPECT_EQ(frame->modifiedPane()->text().isEmpty(), !modified) << id;
    }
}

TEST_F(KeysAndPlace, PressingAHalfHiddenRowDoesNotScrollTheRowsAway) {
    auto half_hidden = [this] {  // the last row shows only in part
        const int h = view->viewport()->height();
        return view->visualRect(view->model()->index(view->rowAt(h - 3), 1)).bottom() > h;
    };
    for (int extra = 0; extra < 40 && !half_hidden(); ++extra) {
        frame->resize(1200, 600 + extra);
        QApplication::processEvents();
    }
    ASSERT_TRUE(half_hidden());
    const QPoint at(view->columnViewportPosition(1) + 5, view->viewport()->height() - 3);
    const int row = view->rowAt(at.y());
    view->SelectRows({row});
    view->verticalScrollBar()->setValue(0);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
    QTest::qWait(QApplication::doubleClickInterval() + 250);
    EXPECT_EQ(view->verticalScrollBar()->value(), 0);
    EXPECT_EQ(view->rowAt(at.y()), row);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

TEST_F(KeysAndPlace, NextAndPreviousPageStepAWholePairOfPages) {
    auto big = std::make_unique<Database>();
    FillSampleDatabase(*big, {4, 40, 700, 30});
    big->database_open = true;
    ChannelList list;
    list.FillAllChannels(*big);
    std::vector<std::vector<int>> seen;  // pages wholly in sight after each step
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        auto* graphics = dialog ? dialog->findChild<QGraphicsView*>() : nullptr;
        if (!graphics) return;
        QList<QGraphicsItem*> pages;  // in reading order
        for (QGraphicsItem* item : graphics->scene()->items())
            if (!item->parentItem()) pages << item;
        std::sort(pages.begin(), pages.end(), [](auto* a, auto* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        for (const char* step : {"Next page", "Next page", "Previous page"}) {
            for (QAction* a : dialog->findChildren<QAction*>())
                if (a->text() == QCoreApplication::translate("QPrintPreviewDialog", step))
                    a->trigger();
            QApplication::processEvents();
            std::vector<int> numbers;
            for (int i = 0; i < pages.size(); ++i) {
                const QRect r =
                    graphics->mapFromScene(pages[i]->sceneBoundingRect()).boundingRect();
                if (graphics->viewport()->rect().adjusted(-2, -2, 2, 2).contains(r))
                    numbers.push_back(i + 1);
            }
            seen.push_back(numbers);
        }
        dialog->reject();
    });
    frame->printing().PrintPreview(frame, *big, list);
    EXPECT_EQ(seen, (std::vector<std::vector<int>>{{3, 4}, {5, 6}, {3, 4}}));
}

}  // namespace
}  // namespace velmora::testing
