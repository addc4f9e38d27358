// One keystroke in the find field over 4000 TV channels as the user sees it: the find
// text changes, the list relists through it, the table model resets and repaints.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include "bench/BenchApplication.h"
#include "channels/qt/ChannelFindPane.h"
#include "tests/support/SampleDatabase.h"

namespace velmora {
namespace {

void BM_FindKeystrokeInTheWindow(benchmark::State& state) {
    EnsureBenchApplication();
    auto db = std::make_unique<Database>();
    testing::FillSampleDatabase(*db, {63, 2000, 4000, 0});
    db->database_open = true;
    auto* view = new CVelmoraView(*db);
    ChannelFindPane pane(view);
    pane.resize(1024, 700);
    pane.show();
    view->FillAllChannels();
    QApplication::processEvents();
    const QString typed = QStringLiteral("news 1");
    qsizetype step = 0;
    for (auto _ : state) {
        step = (step + 1) % (typed.size() + 1);
        pane.findField()->setText(typed.left(step));
        view->repaint();
    }
    state.counters["rows"] = view->list().unfiltered_count();
}
BENCHMARK(BM_FindKeystrokeInTheWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora
