// Editing channels through the main window: the list's double-click and Enter open the
// real channel dialog, and what it stores shows in the list's rows and favourite columns.

#include <QCheckBox>

#include "channels/ChannelCommands.h"
#include "channels/ChannelForm.h"
#include "tests/gui/GuiFixture.h"
#include "tests/gui/ModalDriver.h"

namespace velmora::testing {
namespace {

class ChannelIntegration : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        StartWithSample();
        frame->resize(1200, 700);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
        tree->setCurrentItem(tree->RootNode(kRootChannelList));
    }
    QPoint RowCentre(int row) { return view->visualRect(view->model()->index(row, 1)).center(); }
    // The model column that shows list column `column`.
    int Section(int column) {
        const std::vector<int> shown = view->list().ShownColumns();
        const auto it = std::find(shown.begin(), shown.end(), column);
        return it == shown.end() ? -1 : static_cast<int>(it - shown.begin());
    }
    QString Cell(int row, int column) {
        return view->model()->index(row, Section(column)).data().toString();
    }
    // A favourite group that channel `pos` is not in.
    int GroupWithout(int pos) {
        for (int g = 0; g < 8; ++g)
            if (!db().tv[pos].fav(g)) return g;
        return -1;
    }
};

TEST_F(ChannelIntegration, DoubleClickEditsTheRowAndTheListShowsTheNewNameAndMark) {
    const int row = 3;
    const int pos = view->list().row_map()[row];
    const int g = GroupWithout(pos);
    ASSERT_GE(g, 0);
    const QString fav_before = Cell(row, kColFav1 + g);
    ModalDriver dialogs;
    dialogs.Then(kChannelDialogId, [&](QDialog& d) {
        EXPECT_EQ(DialogControl<QLineEdit>(d, kIdChannelName)->text(),
                  QString::fromLatin1(db().tv[pos].name()));
        SetText(d, kIdChannelName, QStringLiteral("Renamed \u00e9"));
        SetChecked(d, kIdFavourite[static_cast<size_t>(g)], true);
        ClickOk(d);
    });
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, RowCentre(row));
    EXPECT_EQ(dialogs.handled(), 1);
    EXPECT_EQ(db().tv[pos].name(), "Renamed \xe9");
    EXPECT_TRUE(db().tv[pos].fav(g));
    EXPECT_TRUE(app->doc().IsModified());
    EXPECT_EQ(Cell(row, kColName), QStringLiteral("Renamed \u00e9"));
    EXPECT_NE(Cell(row, kColFav1 + g), fav_before);
    EXPECT_EQ(Cell(row, kColFav1 + g).toStdString(),
              ChannelList::CellText(db().tv[pos], row, kColFav1 + g));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ChannelIntegration, EnterEditsTheSelectedRowAndClearsAFavouriteMark) {
    int row = -1, g = -1;
    for (int r = 0; r < view->model()->rowCount() && row < 0; ++r)
        for (int k = 0; k < 8 && row < 0; ++k)
            if (db().tv[view->list().row_map()[r]].fav(k)) row = r, g = k;
    ASSERT_GE(row, 0) << "the sample has favourite marks";
    const int pos = view->list().row_map()[row];
    view->setFocus();
    view->selectRow(row);
    ModalDriver dialogs;
    dialogs.Then(kChannelDialogId, [&](QDialog& d) {
        EXPECT_TRUE(DialogControl<QCheckBox>(d, kIdFavourite[static_cast<size_t>(g)])->isChecked());
        SetChecked(d, kIdFavourite[static_cast<size_t>(g)], false);
        SetText(d, kIdVideoPid, QStringLiteral("1234"));
        ClickOk(d);
    });
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(dialogs.handled(), 1);
    EXPECT_FALSE(db().tv[pos].fav(g));
    EXPECT_EQ(db().tv[pos].video_pid(), 1234);
    EXPECT_EQ(Cell(row, kColVideoPid), QStringLiteral("1234"));
    EXPECT_EQ(Cell(row, kColFav1 + g).toStdString(),
              ChannelList::CellText(db().tv[pos], row, kColFav1 + g));

    // The favourite group's own listing no longer holds the channel.
    tree->setCurrentItem(tree->GroupNode(g));
    for (int p : view->list().row_map()) EXPECT_NE(p, pos);
}

TEST_F(ChannelIntegration, RefusedFieldKeepsTheDialogOpenAndChangesNothing) {
    const int row = 1;
    const int pos = view->list().row_map()[row];
    const Channel before = db().tv[pos];
    ModalDriver dialogs;
    dialogs.Then(kChannelDialogId, [&](QDialog& d) {
        SetText(d, kIdChannelName, QStringLiteral("Never stored"));
        SetText(d, kIdVideoPid, QStringLiteral("x12"));
        ClickOk(d);
        EXPECT_TRUE(d.isVisible()) << "a refused field keeps the dialog open";
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_EQ(prompter.shown[0].text, "Please enter an integer.");
        EXPECT_EQ(prompter.shown[0].caption, "Velmora");
        EXPECT_EQ(d.focusWidget(), DialogControl<QWidget>(d, kIdVideoPid));
        ClickCancel(d);
    });
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, RowCentre(row));
    EXPECT_EQ(dialogs.handled(), 1);
    EXPECT_EQ(db().tv[pos].bytes, before.bytes);
    EXPECT_EQ(Cell(row, kColName), QString::fromLatin1(before.name()));
    EXPECT_FALSE(app->doc().IsModified());
}

TEST_F(ChannelIntegration, AddChannelFromTheToolbarJoinsTheShownTransponder) {
    tree->setCurrentItem(tree->TransponderNode(0, 1));
    const int tp_id = view->list().current_tp_id();
    const int rows = view->model()->rowCount();
    const int tv = db().tv_count();
    ModalDriver dialogs;
    dialogs.Then(kChannelDialogId, [&](QDialog& d) {
        EXPECT_FALSE(DialogControl<QWidget>(d, kIdTransponderList)->isEnabled())
            << "a transponder listing fixes the transponder";
        SetText(d, kIdChannelName, QStringLiteral("Brand New"));
        ClickOk(d);
        EXPECT_TRUE(d.isVisible()) << "a new channel needs its PIDs";
        EXPECT_EQ(prompter.texts(),
                  std::vector<std::string>{"Please enter an integer between 1 and 8191."});
        SetText(d, kIdVideoPid, QStringLiteral("512"));
        SetText(d, kIdPcrPid, QStringLiteral("512"));
        SetChecked(d, kIdFavourite[1], true);
        ClickOk(d);
    });
    frame->action(kCmdAddChannel)->trigger();
    ASSERT_EQ(dialogs.handled(), 1);
    ASSERT_EQ(db().tv_count(), tv + 1) << ::testing::PrintToString(prompter.texts());
    EXPECT_EQ(db().tv[tv].tp_id(), tp_id);
    ASSERT_EQ(view->model()->rowCount(), rows + 1);
    EXPECT_EQ(Cell(rows, kColName), QStringLiteral("Brand New"));
    tree->setCurrentItem(tree->GroupNode(1));
    ASSERT_FALSE(view->list().row_map().empty());
    EXPECT_EQ(view->list().row_map().back(), tv) << "listed in its favourite group";
}

TEST_F(ChannelIntegration, EditToAnotherSatelliteTakesTheRowOutOfTheSatelliteListing) {
    tree->setCurrentItem(tree->SatelliteNode(0));
    const int rows = view->model()->rowCount();
    ASSERT_GT(rows, 0);
    const int pos = view->list().row_map()[0];
    view->setFocus();
    view->selectRow(0);
    ModalDriver dialogs;
    dialogs.Then(kChannelDialogId, [](QDialog& d) {
        SetRow(d, kIdSatelliteList, 2);
        ClickOk(d);
    });
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_EQ(dialogs.handled(), 1);
    EXPECT_EQ(db().SatelliteOfTransponder(db().tv[pos].tp_id()), 2);
    EXPECT_EQ(view->model()->rowCount(), rows - 1);
    for (int p : view->list().row_map()) EXPECT_NE(p, pos);
    tree->setCurrentItem(tree->SatelliteNode(2));
    EXPECT_NE(std::find(view->list().row_map().begin(), view->list().row_map().end(), pos),
              view->list().row_map().end());
}

}  // namespace
}  // namespace velmora::testing
