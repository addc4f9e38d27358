// The channel list: model, columns, selection, pop-up menu, Edit hooks, column choice.

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QHeaderView>
#include <QStyle>
#include <QPushButton>

#include "app/QtDialogHost.h"
#include "channels/qt/CShowInfoDlg.h"
#include "commands/CommandIds.h"
#include "tests/gui/GuiFixture.h"

namespace velmora::testing {
namespace {

// Records the list's commands the window runs, with the rows they run on.
struct RowsHooks {
    std::vector<std::string> calls;
    void Record(const char* name, const std::vector<int>& rows) {
        std::string s = name;
        for (int r : rows) s += " " + std::to_string(r);
        calls.push_back(s);
    }
    ViewEffect Run(int id, CommandContext& c) {
        if (id == kCmdEditChannel) Record("Edit", c.rows);
        if (id == kCmdDeleteChannel) Record("Delete", c.rows);
        return {};
    }
};

// Runs the real dialog without a modal loop: presses "Default" (when asked), then OK.
struct ClickingShowInfoHost : QtDialogHost {
    using QtDialogHost::QtDialogHost;
    bool press_default = true;
    bool RunShowInfo(ShowInfoForm& form) override {
        CShowInfoDlg dialog(form);
        dialog.show();
        if (press_default)
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1002")),
                              Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
        if (dialog.result() != QDialog::Accepted) return false;
        form = dialog.form();
        return true;
    }
};

class ChannelView : public GuiTest {
protected:
    RowsHooks* InstallHooks() {
        hooks = std::make_unique<RowsHooks>();
        RowsHooks* raw = hooks.get();
        frame->SetCommandRunner([raw](int id, CommandContext& c) { return raw->Run(id, c); });
        return raw;
    }
    std::unique_ptr<RowsHooks> hooks;
    void ShowAll() { tree->setCurrentItem(tree->RootNode(kRootChannelList)); }
    QPoint RowCentre(int row) { return view->visualRect(view->model()->index(row, 1)).center(); }
    void SelectRows(std::initializer_list<int> rows) {
        view->clearSelection();
        for (int r : rows)
            view->selectionModel()->select(view->model()->index(r, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

TEST_F(ChannelView, ModelKeepsItsInvariantsThroughRelists) {
    StartWithSample();
    QAbstractItemModelTester tester(view->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    ShowAll();
    tree->setCurrentItem(tree->TransponderNode(0, 0));
    frame->RunCommand(32783);
    tree->setCurrentItem(tree->GroupNode(1));
    view->list().column_visible[kColTxtPid] = false;
    view->SetupColumns();
    frame->action(kCmdFileClose)->trigger();
    EXPECT_EQ(view->model()->rowCount(), 0);
}

TEST_F(ChannelView, SixteenCenteredColumnsWithFixedWidthsAndMovableHeaders) {
    StartWithSample();
    ShowAll();
    QAbstractItemModel* model = view->model();
    ASSERT_EQ(model->columnCount(), 16);
    const char* headers[] = {"Index",     "Name",      "FTA/CAS", "Lock",
                             "Video PID", "Audio PID", "PCR PID", "TXT PID"};
    const int widths[] = {40, 100, 55, 50, 65, 60, 60, 60};
    for (int c = 0; c < 16; ++c) {
        const QString header = model->headerData(c, Qt::Horizontal).toString();
        if (c < 8)
            EXPECT_EQ(header, QString::fromLatin1(headers[c]));
        else
            EXPECT_EQ(header, QString::fromLatin1(db().settings.fav_name(c - 8)));
        // A caption that needs more room than the fixed width gets it.
        const QHeaderView* h = view->horizontalHeader();
        const int caption = h->fontMetrics().horizontalAdvance(header) +
                            2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
        EXPECT_EQ(h->sectionSize(c), std::max(c < 8 ? widths[c] : 80, caption)) << c;
        EXPECT_EQ(model->index(0, c).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    }
    EXPECT_TRUE(view->horizontalHeader()->sectionsMovable());
    EXPECT_TRUE(view->showGrid());
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::ExtendedSelection);
    // The rows' texts are the records'.
    const Channel& ch = expected->tv[4];
    EXPECT_EQ(model->index(4, 0).data().toString(), QStringLiteral("5"));
    EXPECT_EQ(model->index(4, 2).data().toString(), QString::fromLatin1(ch.fta() ? "FTA" : "CAS"));
    EXPECT_EQ(model->index(4, 4).data().toInt(), ch.video_pid());
}

TEST_F(ChannelView, DraggedColumnOrderSurvivesARelistOfTheSameColumns) {
    StartWithSample();
    ShowAll();
    view->horizontalHeader()->moveSection(1, 3);
    tree->setCurrentItem(tree->SatelliteNode(0));
    EXPECT_EQ(view->horizontalHeader()->visualIndex(1), 3);
}

TEST_F(ChannelView, DefaultColumnChoiceGivesElevenColumns) {
    StartWithSample();
    ShowAll();
    frame->SetDialogHost(std::make_unique<ClickingShowInfoHost>(prompter, frame));
    frame->action(kCmdShowChannelInfo)->trigger();
    QAbstractItemModel* model = view->model();
    ASSERT_EQ(model->columnCount(), 11);
    QStringList headers;
    for (int c = 0; c < 11; ++c) headers << model->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"Index", "Name", "FTA/CAS", "Lock", "Video PID", "Audio PID",
                                    "PCR PID", "Movie", "Music", "News", "Kids"}));
    EXPECT_EQ(view->horizontalHeader()->sectionSize(7), 80);
    EXPECT_EQ(model->rowCount(), expected->tv_count());
}

TEST_F(ChannelView, ShowInfoDialogHasItsControlsAndDefault) {
    ShowInfoForm form;
    form.checked.fill(true);
    CShowInfoDlg dialog(form);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Show Channel information"));
    EXPECT_EQ(dialog.property("templateId").toInt(), 139);
    for (const auto& box : kShowInfoBoxes) {
        auto* check = dialog.findChild<QCheckBox*>(QString::number(box.control_id));
        ASSERT_TRUE(check) << box.control_id;
        EXPECT_EQ(check->text(), QString::fromLatin1(box.text));
        EXPECT_TRUE(check->isChecked());
    }
    for (int id : {1, 2, 1002})
        EXPECT_TRUE(dialog.findChild<QPushButton*>(QString::number(id))) << id;
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1002")), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible()) << "Default keeps the dialog open";
    EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("1044"))->isChecked());
    EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("1025"))->isChecked());
    EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("1049"))->isChecked());
}

TEST_F(ChannelView, DoubleClickAndEnterEditTheLastSelectedRow) {
    StartWithSample();
    frame->resize(1024, 640);
    ShowAll();
    RowsHooks* hooks = InstallHooks();
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, RowCentre(2));
    SelectRows({1, 3});
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(hooks->calls, (std::vector<std::string>{"Edit 2", "Edit 1 3"}));
}

TEST_F(ChannelView, PopUpCommandActsOnTheRowsSelectedBeforeThePress) {
    StartWithSample();
    frame->resize(1024, 640);
    ShowAll();
    RowsHooks* hooks = InstallHooks();
    SelectRows({0, 1});
    QStringList shown;
    OnNextPopup(kCmdDeleteChannel, &shown);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, RowCentre(5));
    EXPECT_EQ(shown, (QStringList{"Add Channel", "Edit Channel", "Delete Channel", "Swap Channel",
                                  "Move Channel", "Sort Channel", "Show Channel info..."}));
    EXPECT_EQ(hooks->calls, std::vector<std::string>{"Delete 0 1"});
}

TEST_F(ChannelView, EmptyTableKeepsItsColumnHeaders) {
    auto empty = std::make_unique<Database>();
    FillSampleDatabase(*empty, {1, 1, 0, 2});
    const std::string path = Path("radio-only.sdx");
    ASSERT_EQ(SaveDatabaseFile(*empty, path), SaveResult::Written);
    Start({QString::fromStdString(path)});
    ShowAll();
    EXPECT_EQ(view->model()->rowCount(), 0);
    EXPECT_EQ(view->model()->columnCount(), 16);
    frame->RunCommand(32783);
    EXPECT_EQ(view->model()->rowCount(), 2);
    EXPECT_EQ(view->model()->columnCount(), 16);
}

}  // namespace
}  // namespace velmora::testing
