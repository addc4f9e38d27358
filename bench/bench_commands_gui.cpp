// Every editing command on a database at the table limits (63 satellites, 2000
// transponders, 4000 channels), run through the main window as a user triggers it: the
// menu action or the tree's context-menu item, the dialog answered at once, the undo step
// and the paint that follows included. Each iteration is undone afterwards (untimed),
// so every run starts from the same tables. Undo and Redo of the largest steps too.
// Counters: median_ms and worst_ms of the runs.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <functional>
#include <vector>

#include "app/CMainFrame.h"
#include "bench/BenchApplication.h"
#include "channels/ChannelForm.h"
#include "channels/MoveForm.h"
#include "satellites/SatelliteForm.h"
#include "satellites/TransponderForm.h"
#include "settings/FavouriteNameForm.h"
#include "tests/support/SampleDatabase.h"

namespace velmora {
namespace {

constexpr int kRuns = 15;

class YesPrompter : public Prompter {
public:
    Answer Show(std::string_view, std::string_view, Icon, Buttons buttons) override {
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

class PageChooser : public FileChooser {
public:
    std::string page;
    std::optional<std::string> Choose(const FileChoice&) override { return page; }
};

// Every dialog answered with OK at once, with a small change where the dialog has fields.
class AnsweringDialogs : public DialogHost {
public:
    explicit AnsweringDialogs(Prompter& prompter) : prompter_(prompter) {}
    bool RunChannel(ChannelForm& f) override {
        f.name = "Bench";
        return PressOk(f, f.record, prompter_).end == DialogEnd::Ok;
    }
    bool RunAudio(AudioForm&) override { return false; }
    bool RunMove(MoveForm& f) override {
        f.to_text = "1";
        return !ValidateAndApply(f, f.to);
    }
    bool RunSatellite(SatelliteForm& f) override {
        f.name = "Bench";
        return !ValidateAndApply(f, f.record);
    }
    bool RunTransponder(TransponderForm& f) override {
        f.frequency = "12345";
        return !ValidateAndApply(f, f.record);
    }
    void RunModifyTransponders(ModifiedTpList&) override {}
    bool RunMove(int, int& to) override {
        to = 1;
        return true;
    }
    bool RunRenameFavourite(FavouriteNameForm& f, Prompter&) override {
        f.name = "Bench";
        return true;
    }
    bool RunParental(ParentalForm&, Prompter&) override { return true; }
    bool RunOtherSettings(OtherSettingsForm&, Prompter&) override { return true; }
    bool RunShowInfo(ShowInfoForm&) override { return true; }
    bool RunSatXmlLoad(SatXmlLoadForm&) override { return false; }
    bool RunSatXmlUpdate(SatXmlUpdateForm&) override { return false; }
    bool RunCsvEditsPreview(const CsvEditsPreview&) override { return true; }

private:
    Prompter& prompter_;
};

// The editor with a full database open and both panes on screen.
struct Editor {
    QTemporaryDir dir;
    YesPrompter prompter;
    PageChooser chooser;
    CVelmoraDoc doc{prompter, chooser};
    CMainFrame frame{doc};

    Editor() {
        auto db = std::make_unique<Database>();
        testing::FillSampleDatabase(*db, {kMaxSatellites, kMaxTransponders, 3000, 1000});
        const std::string path = dir.filePath(QStringLiteral("full.sdx")).toStdString();
        SaveDatabaseFile(*db, path);
        chooser.page = dir.filePath(QStringLiteral("Bench at 19.2E.htm")).toStdString();
        std::ofstream(chooser.page) << "<tr><td>11747 H</td><td>27500 -5/6</td></tr>\n";
        frame.SetDialogHost(std::make_unique<AnsweringDialogs>(prompter));
        frame.resize(1280, 800);
        frame.show();
        doc.OpenPath(path);
        QApplication::processEvents();
    }
    void Select(QTreeWidgetItem* node) {
        frame.leftView()->setCurrentItem(node);
        frame.leftView()->SatelliteNode(1)->setExpanded(true);
    }
    void SelectRows(std::vector<int> rows) { frame.listView()->SelectRows(rows); }
    // What the event loop does before it waits again: delivers the posted events, among
    // them the paint of every region the command marked for update.
    static void Paint() { QApplication::sendPostedEvents(); }
};

Editor& TheEditor() {
    EnsureBenchApplication();
    static Editor* editor = new Editor;  // one full database for every benchmark
    return *editor;
}

void Report(benchmark::State& state, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
}

// Times `act` (with the repaint) after `prepare`, undoing each changing run untimed.
void Measure(benchmark::State& state, const std::function<void(Editor&)>& prepare,
             const std::function<void(Editor&)>& act) {
    Editor& e = TheEditor();
    std::vector<double> ms;
    for (auto _ : state) {
        prepare(e);
        Editor::Paint();
        QElapsedTimer timer;
        timer.start();
        act(e);
        Editor::Paint();
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        state.SetIterationTime(elapsed / 1e3);
        ms.push_back(elapsed);
        // Back to the opened tables (every run starts with nothing to undo).
        if (e.doc.history().CanUndo()) e.frame.RunCommand(kCmdEditUndo);
    }
    Report(state, ms);
}

// A command of the menus or toolbar on `rows` of the whole TV list.
void MenuCommand(benchmark::State& state, int id, std::vector<int> rows) {
    Measure(
        state,
        [rows](Editor& e) {
            e.frame.RunCommand(kCmdTvChannel);
            e.Select(e.frame.leftView()->RootNode(kRootChannelList));
            e.SelectRows(rows);
        },
        [id](Editor& e) { e.frame.action(id)->trigger(); });
}

// An item of the tree's context menu on the node `node` picks.
void TreeCommand(benchmark::State& state, std::function<QTreeWidgetItem*(CLeftView&)> node,
                 int item) {
    Measure(
        state, [node](Editor& e) { e.Select(node(*e.frame.leftView())); },
        [item](Editor& e) { e.frame.leftView()->RunMenuCommand(item); });
}

QTreeWidgetItem* Satellite1(CLeftView& t) {
    return t.SatelliteNode(1);
}
QTreeWidgetItem* Transponder1(CLeftView& t) {
    return t.TransponderNode(1, 0);
}

#define MENU_BENCH(name, id, ...)              \
    void BM_##name(benchmark::State& state) {  \
        MenuCommand(state, id, {__VA_ARGS__}); \
    }                                          \
    BENCHMARK(BM_##name)->UseManualTime()->Iterations(kRuns)->Unit(benchmark::kMillisecond)

MENU_BENCH(AddChannel, kCmdAddChannel, 5);
MENU_BENCH(EditChannel, kCmdEditChannel, 5);
MENU_BENCH(DeleteChannel, kCmdDeleteChannel, 5, 6, 7);
MENU_BENCH(SwapChannel, kCmdSwapChannel, 2999);
MENU_BENCH(MoveChannel, kCmdMoveChannel, 2999);
MENU_BENCH(SortAToZ, kCmdSortAToZ);
MENU_BENCH(SortZToA, kCmdSortZToA);
MENU_BENCH(SortByTransponder, kCmdSortByTransponder);
MENU_BENCH(SortBySatellite, kCmdSortBySatellite);
MENU_BENCH(ShowChannelInfo, kCmdShowChannelInfo);
MENU_BENCH(RadioChannel, kCmdRadioChannel);
MENU_BENCH(TvChannel, kCmdTvChannel);

// The floor: a paint of the whole window, with the whole TV list shown.
void BM_PaintWholeWindow(benchmark::State& state) {
    Measure(
        state, [](Editor& e) { e.Select(e.frame.leftView()->RootNode(kRootChannelList)); },
        [](Editor& e) { e.frame.repaint(); });
}
BENCHMARK(BM_PaintWholeWindow)->UseManualTime()->Iterations(kRuns)->Unit(benchmark::kMillisecond);

void BM_DragRowsOntoARow(benchmark::State& state) {
    Measure(
        state, [](Editor& e) { e.Select(e.frame.leftView()->RootNode(kRootChannelList)); },
        [](Editor& e) {
            e.frame.DropRows({10, 11, 12}, 2900);
        });
}
BENCHMARK(BM_DragRowsOntoARow)->UseManualTime()->Iterations(kRuns)->Unit(benchmark::kMillisecond);

#define TREE_BENCH(name, node, item)          \
    void BM_##name(benchmark::State& state) { \
        TreeCommand(state, node, item);       \
    }                                         \
    BENCHMARK(BM_##name)->UseManualTime()->Iterations(kRuns)->Unit(benchmark::kMillisecond)

TREE_BENCH(AddAntenna, Satellite1, kCmdAddAntenna);
TREE_BENCH(EditAntenna, Satellite1, kCmdEditAntenna);
TREE_BENCH(MoveAntenna, Satellite1, kCmdMoveAntenna);
TREE_BENCH(SwapAntenna, Satellite1, kCmdSwapAntenna);
TREE_BENCH(DeleteAntenna, Satellite1, kCmdDeleteAntenna);
TREE_BENCH(AddTransponder, Satellite1, kCmdAddTransponder);
TREE_BENCH(ModifyTransponders, Satellite1, kCmdModifyTransponders);
TREE_BENCH(EditTransponder, Transponder1, kCmdEditTransponder);
TREE_BENCH(DeleteTransponder, Transponder1, kCmdDeleteTransponder);
TREE_BENCH(
    LoadSatelliteFromListing, [](CLeftView& t) { return t.RootNode(kRootAntenna); },
    kCmdLoadListing);
TREE_BENCH(
    RenameFavGroup, [](CLeftView& t) { return t.GroupNode(2); }, kCmdRenameFavGroup);

void BM_ParentalControl(benchmark::State& state) {
    Measure(
        state, [](Editor& e) { e.Select(e.frame.leftView()->RootNode(kRootParental)); },
        [](Editor& e) { e.frame.RunCommand(kCmdParentalControl); });
}
BENCHMARK(BM_ParentalControl)->UseManualTime()->Iterations(kRuns)->Unit(benchmark::kMillisecond);
void BM_OtherSetting(benchmark::State& state) {
    Measure(
        state, [](Editor& e) { e.Select(e.frame.leftView()->RootNode(kRootOtherSetting)); },
        [](Editor& e) { e.frame.RunCommand(kCmdOtherSetting); });
}
BENCHMARK(BM_OtherSetting)->UseManualTime()->Iterations(kRuns)->Unit(benchmark::kMillisecond);

// Undo and Redo of a step that touches most of the tables: deleting the first satellite
// shifts every later transponder and channel record; Sort A--->Z rewrites the TV table.
void UndoRedo(benchmark::State& state, bool undo, const std::function<void(Editor&)>& step) {
    Editor& e = TheEditor();
    std::vector<double> ms;
    for (auto _ : state) {
        state.PauseTiming();
        step(e);
        if (!undo) e.frame.RunCommand(kCmdEditUndo);
        Editor::Paint();
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        e.frame.action(undo ? kCmdEditUndo : kCmdEditRedo)->trigger();
        Editor::Paint();
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        state.SetIterationTime(elapsed / 1e3);
        ms.push_back(elapsed);
        state.PauseTiming();
        if (!undo) e.frame.RunCommand(kCmdEditUndo);
        state.ResumeTiming();
    }
    Report(state, ms);
}
void DeleteFirstSatellite(Editor& e) {
    e.Select(e.frame.leftView()->SatelliteNode(0));
    e.frame.leftView()->RunMenuCommand(kCmdDeleteAntenna);
    e.Select(e.frame.leftView()->RootNode(kRootChannelList));
}
void SortAllByName(Editor& e) {
    e.Select(e.frame.leftView()->RootNode(kRootChannelList));
    e.frame.RunCommand(kCmdSortAToZ);
}
void BM_UndoDeleteFirstSatellite(benchmark::State& s) {
    UndoRedo(s, true, DeleteFirstSatellite);
}
void BM_RedoDeleteFirstSatellite(benchmark::State& s) {
    UndoRedo(s, false, DeleteFirstSatellite);
}
void BM_UndoSortAToZ(benchmark::State& s) {
    UndoRedo(s, true, SortAllByName);
}
void BM_RedoSortAToZ(benchmark::State& s) {
    UndoRedo(s, false, SortAllByName);
}
BENCHMARK(BM_UndoDeleteFirstSatellite)
    ->UseManualTime()
    ->Iterations(kRuns)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoDeleteFirstSatellite)
    ->UseManualTime()
    ->Iterations(kRuns)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoSortAToZ)->UseManualTime()->Iterations(kRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoSortAToZ)->UseManualTime()->Iterations(kRuns)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
