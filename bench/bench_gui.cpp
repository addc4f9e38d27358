// The editor's windows under load, offscreen: relisting 4000 channels in the table model
// against filling a QTableWidget with the same cells, filling the tree with a full
// database, and start-up to the first painted frame.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTableWidget>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>

#include "app/CMainFrame.h"
#include "bench/BenchApplication.h"
#include "channels/qt/CVelmoraView.h"
#include "database/CVelmoraDoc.h"
#include "database/DatabaseFile.h"
#include "satellites/qt/CLeftView.h"
#include "tests/support/SampleDatabase.h"

namespace velmora {
namespace {

double g_app_construction_ms = 0;

void EnsureApplication() {
    if (const double ms = EnsureBenchApplication()) g_app_construction_ms = ms;
}

// A database at the table limits: 63 satellites, 2000 transponders, 4000 TV channels.
std::unique_ptr<Database> FullDatabase() {
    auto db = std::make_unique<Database>();
    testing::FillSampleDatabase(*db, {63, 2000, 4000, 0});
    db->database_open = true;
    return db;
}

// Sends a paint event to every visible widget of `w` now, as a frame on screen would.
void PaintNow(QWidget* w) {
    w->repaint();
}

void BM_RelistModel4000(benchmark::State& state) {
    EnsureApplication();
    auto db = FullDatabase();
    CVelmoraView view(*db);
    view.resize(1280, 800);
    view.show();
    QApplication::processEvents();
    view.FillAllChannels();
    for (auto _ : state) {
        view.list().ShowTable(*db, ChannelTable::Tv);
        PaintNow(view.viewport());
    }
    state.counters["rows"] = view.model()->rowCount();
}
BENCHMARK(BM_RelistModel4000)->Unit(benchmark::kMillisecond);

void BM_QTableWidgetFill4000x16(benchmark::State& state) {
    EnsureApplication();
    auto db = FullDatabase();
    ChannelList list;
    list.FillAllChannels(*db);
    QTableWidget table;
    table.setColumnCount(kColumnCount);
    table.resize(1280, 800);
    table.show();
    QApplication::processEvents();
    for (auto _ : state) {
        table.setRowCount(0);
        table.setRowCount(list.row_count());
        for (int r = 0; r < list.row_count(); ++r) {
            for (int c = 0; c < kColumnCount; ++c) {
                auto* item = new QTableWidgetItem(QString::fromStdString(list.CellText(*db, r, c)));
                item->setTextAlignment(Qt::AlignCenter);
                table.setItem(r, c, item);
            }
        }
        PaintNow(table.viewport());
    }
}
BENCHMARK(BM_QTableWidgetFill4000x16)->Unit(benchmark::kMillisecond);

void BM_TreeFill63x2000(benchmark::State& state) {
    EnsureApplication();
    auto db = FullDatabase();
    ChannelList list;
    CLeftView tree(*db, list);
    tree.resize(180, 800);
    tree.show();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        tree.ResetTree();
        state.ResumeTiming();
        tree.FillTree();
        PaintNow(tree.viewport());
    }
    state.counters["nodes"] = tree.RootNode(kRootAntenna)->childCount() + db->tp_count();
}
BENCHMARK(BM_TreeFill63x2000)->Unit(benchmark::kMillisecond);

class NullPrompter : public Prompter {
public:
    Answer Show(std::string_view, std::string_view, Icon, Buttons) override { return Answer::No; }
};
class NullChooser : public FileChooser {
public:
    std::optional<std::string> Choose(const FileChoice&) override { return std::nullopt; }
};

// Waits until `w` has been painted once.
class PaintWatcher : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

std::string StartupDatabase(QTemporaryDir& dir) {
    // The example database of the source tree (this file's tree), when there is one.
    const auto example =
        std::filesystem::path(__FILE__).parent_path().parent_path() / "examples" / "sample.sdx";
    if (std::filesystem::exists(example)) return example.string();
    auto db = std::make_unique<Database>();
    testing::FillSampleDatabase(*db);
    const std::string path = dir.filePath(QStringLiteral("sample.sdx")).toStdString();
    SaveDatabaseFile(*db, path);
    return path;
}

void BM_StartupToFirstPaint(benchmark::State& state) {
    EnsureApplication();
    QTemporaryDir dir;
    const std::string path = StartupDatabase(dir);
    NullPrompter prompter;
    NullChooser chooser;
    for (auto _ : state) {
        CVelmoraDoc doc(prompter, chooser);
        CMainFrame frame(doc);
        PaintWatcher watcher;
        frame.listView()->viewport()->installEventFilter(&watcher);
        frame.show();
        if (!doc.OpenPath(path)) state.SkipWithError("the start-up database does not open");
        while (!watcher.painted) QApplication::processEvents();
        state.PauseTiming();
        frame.hide();
        state.ResumeTiming();
    }
    state.counters["qapp_ms"] = g_app_construction_ms;
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_BareWindowToFirstPaint(benchmark::State& state) {
    EnsureApplication();
    for (auto _ : state) {
        QMainWindow window;
        window.resize(1024, 640);
        PaintWatcher watcher;
        window.installEventFilter(&watcher);
        window.show();
        while (!watcher.painted) QApplication::processEvents();
    }
}
BENCHMARK(BM_BareWindowToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
