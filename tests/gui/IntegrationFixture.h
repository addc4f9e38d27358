#pragma once
// The editor on screen with the sample open, for tests that go through the tree's menus
// and keys into the real dialogs and check the tree and the channel list together.

#include <QDir>
#include <algorithm>

#include "satellites/TreeLabels.h"
#include "tests/gui/GuiFixture.h"
#include "tests/gui/ModalDriver.h"

namespace velmora::testing {

class IntegrationTest : public GuiTest {
protected:
    void StartShown() {
        StartWithSample();
        frame->resize(1200, 700);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    }

    // Chooses `item` from the context menu of `node` as a user would: select the node,
    // press the right button on it, pick the entry.
    void ChooseFromMenu(QTreeWidgetItem* node, int item) {
        ASSERT_TRUE(node);
        tree->setCurrentItem(node);
        tree->scrollToItem(node);
        OnNextPopup(item);
        QTest::mouseClick(tree->viewport(), Qt::RightButton, {},
                          tree->visualItemRect(node).center());
    }
    void PressOn(QTreeWidgetItem* node, Qt::Key key) {
        ASSERT_TRUE(node);
        tree->setFocus();
        tree->setCurrentItem(node);
        QTest::keyClick(tree, key);
    }
    void DoubleClick(QTreeWidgetItem* node) {
        ASSERT_TRUE(node);
        tree->setCurrentItem(node);
        tree->scrollToItem(node);
        QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {},
                           tree->visualItemRect(node).center());
    }

    // Every satellite and transponder node shows its record, in the table's order.
    void ExpectTreeShowsTheTables() {
        QTreeWidgetItem* antenna = tree->RootNode(kRootAntenna);
        ASSERT_EQ(antenna->childCount(), db().sat_count());
        int listed = 0;
        for (int s = 0; s < db().sat_count(); ++s) {
            QTreeWidgetItem* sat = tree->SatelliteNode(s);
            EXPECT_EQ(sat->text(0).toStdString(), SatelliteLabel(db().satellites[s], s));
            NodeMap fresh;
            fresh.Build(db(), s);
            EXPECT_EQ(tree->node_map().entries(s), fresh.entries(s)) << "satellite " << s;
            ASSERT_EQ(sat->childCount(), fresh.count(s)) << "satellite " << s;
            for (int k = 0; k < fresh.count(s); ++k) {
                const Transponder& tp = db().transponders[fresh.at(s, k)];
                EXPECT_EQ(tp.satellite(), s);
                EXPECT_EQ(sat->child(k)->text(0).toStdString(), TransponderLabel(tp, k));
            }
            listed += fresh.count(s);
        }
        EXPECT_EQ(listed, db().tp_count()) << "every transponder has its node";
    }

    // The list shows exactly what the selected node stands for, with rows of live records
    // only.
    void ExpectListShowsTheSelection() {
        const ChannelList& list = view->list();
        const int table = db().channel_count(list.radio_shown());
        EXPECT_EQ(view->model()->rowCount(), list.row_count());
        for (int p : list.row_map()) {
            EXPECT_GE(p, 0);
            EXPECT_LT(p, table) << "a row beyond the table";
        }
        const std::vector<int> shown = list.row_map();
        const int mode = list.list_mode();
        tree->RefreshSelection();
        if (tree->currentItem()) {
            EXPECT_EQ(view->list().list_mode(), mode);
            EXPECT_EQ(view->list().row_map(), shown) << "the list is not the selection's";
        }
    }

    // Table positions of the channels on transponder `tp_id` in the shown table.
    std::vector<int> ChannelsOn(int tp_id) {
        std::vector<int> out;
        for (int i = 0; i < db().tv_count(); ++i)
            if (db().tv[i].tp_id() == tp_id) out.push_back(i);
        return out;
    }
    std::vector<int> ShownTpIds() {
        std::vector<int> ids;
        for (int row = 0; row < view->list().row_count(); ++row)
            ids.push_back(view->list().RowChannel(db(), row).tp_id());
        return ids;
    }
    bool ShowsChannelOf(int tp_id) {
        const std::vector<int> ids = ShownTpIds();
        return std::find(ids.begin(), ids.end(), tp_id) != ids.end();
    }
};

// Pictures for the README and the package: skipped unless VELMORA_SCREENSHOT_DIR names the
// folder they go to; the editor is shown with the sample open.
class ScreenshotTest : public IntegrationTest {
protected:
    void SetUp() override {
        out = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
        if (out.isEmpty()) GTEST_SKIP() << "VELMORA_SCREENSHOT_DIR is not set";
        IntegrationTest::SetUp();
        StartShown();
    }
    void Save(QWidget& w, const QString& name) {
        QApplication::processEvents();
        EXPECT_TRUE(w.grab().save(QDir(out).filePath(name)));
    }
    void Save(QWidget& w, const char* name) { Save(w, QString::fromLatin1(name)); }
    QString out;
};

}  // namespace velmora::testing
