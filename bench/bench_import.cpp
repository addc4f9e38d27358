// Importing a large saved listing page: a 5 MB page holding 2000 transponders, and a page
// built to make a naive scan rescan itself.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "database/Upkeep.h"
#include "import/ListingImport.h"

namespace velmora {
namespace {

constexpr size_t kPageSize = 5 * 1024 * 1024;

class QuietPrompter : public Prompter {
public:
    Answer Show(std::string_view, std::string_view, Icon, Buttons) override { return Answer::Ok; }
};

// A listing table: 1000 C-band and 1000 Ku-band rows among rows of services, with numbers,
// tags and dates that the patterns must pass over.
std::string LargeListingPage() {
    const std::string filler =
        "<tr><td><a href=\"ch1234.htm\">Service 1234</a></td><td>SID 5678</td>"
        "<td>PID 1001 1002 eng</td><td>2019-07-15</td><td>0x1FFF</td></tr>\n";
    std::string page = "<html><body><table>\n";
    const size_t per_row = kPageSize / 2000;
    for (int i = 0; i < 1000; ++i) {
        for (int band = 0; band < 2; ++band) {
            const size_t row_start = page.size();
            if (band == 0) {
                page += "<tr><td><a href=\"tp" + std::to_string(i) + ".htm\">" +
                        std::to_string(3400 + i) + "</A> R</td><td>DVB-S</td><td>27500 -3/4</td>";
            } else {
                page += "<tr><td>" + std::to_string(10700 + i) +
                        " H</td><td>DVB-S2</td><td>22000 -5/6</td>";
            }
            while (page.size() - row_start < per_row) page += filler;
        }
    }
    page += "</table></body></html>\n";
    return page;
}

// Each "9999 H<" is a Ku-band header whose rate search runs to the page's last header.
std::string HiddenHeaderPage() {
    std::string page = "11747 H<";
    while (page.size() < kPageSize) page += "27500 -9999 H<";
    return page + "12000 H< 27500 -3/4";
}

std::string WriteScratch(const std::string& name, const std::string& bytes) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

void ImportPage(benchmark::State& state, const std::string& page, int expected) {
    const std::string path = WriteScratch("Bench Sat at 19.2E.htm", page);
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    QuietPrompter prompter;
    for (auto _ : state) {
        db->set_sat_count(0);
        db->set_tp_count(0);
        const ImportResult result = ImportListingPage(*db, path, prompter);
        if (result.transponders_added != expected) {
            state.SkipWithError("unexpected number of transponders");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
    std::filesystem::remove(path);
}

void BM_ImportLargePage(benchmark::State& state) {
    static const std::string page = LargeListingPage();
    ImportPage(state, page, 2000);
}
BENCHMARK(BM_ImportLargePage)->Unit(benchmark::kMillisecond);

void BM_ImportHiddenHeaderPage(benchmark::State& state) {
    static const std::string page = HiddenHeaderPage();
    ImportPage(state, page, 1);
}
BENCHMARK(BM_ImportHiddenHeaderPage)->Unit(benchmark::kMillisecond);

void BM_ScanLargePage(benchmark::State& state) {
    static const std::string page = LargeListingPage();
    const Band band = state.range(0) == 0 ? Band::C : Band::Ku;
    for (auto _ : state) benchmark::DoNotOptimize(ScanListingPage(page, band));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_ScanLargePage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora
