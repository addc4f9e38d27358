// Thousands of random editing commands run through the command table as the main window
// runs them, mixed with listings, Undo and Redo, every dialog and question answered at
// random, and after each one the rules every database must keep: counts within capacity,
// unique transponder ids below 2000, transponders on existing satellites, favourite marks
// and group keys in step, listings that change no table, no health-check finding, and a
// save and reopen that keeps the tables.
// A failure names its seed; VELMORA_SEED=<n> replays that one seed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <set>
#include <sstream>

#include "channels/ChannelSorts.h"
#include "database/SdxFile.h"
#include "database/Upkeep.h"
#include "health/Fixes.h"
#include "import/ListingImport.h"
#include "settings/SettingsOps.h"
#include "tests/core/TestDatabases.h"
#include "tests/core/channel_fixture.h"
#include "tests/core/favourite_invariant.h"
#include "tests/core/satellite_test_support.h"
#include "tests/core/scripted_dialog_host.h"
#include "tests/core/settings_scripted_dialogs.h"
#include "tests/support/SampleDatabase.h"

namespace velmora {
namespace {

using testing::ScriptedChannelDialogs;
using testing::ScriptedPrompter;
using testing::ScriptedSatelliteDialogs;
using testing::ScriptedSettingsDialogs;

constexpr int kStepsPerSeed = 400;
// A database at its limits takes longer to save and reopen after every step.
constexpr int kStepsPerFullSeed = 60;
constexpr unsigned kDefaultSeeds = 10;

class Player {
public:
    explicit Player(unsigned seed) : rnd_(seed) {}

    int Pick(int n) { return n <= 0 ? 0 : static_cast<int>(rnd_() % static_cast<unsigned>(n)); }
    int Between(int low, int high) { return low + Pick(high - low + 1); }
    bool Chance(int percent) { return Pick(100) < percent; }

    // A field text: mostly a number in or near the field's range, sometimes anything.
    std::string Number(int low, int high) {
        switch (Pick(10)) {
            case 0:
                return "";
            case 1:
                return "x" + std::to_string(Pick(9));
            case 2:
                return std::to_string(high + 1 + Pick(100));
            case 3:
                return std::to_string(low - 1 - Pick(100));
            case 4:
                return " " + std::to_string(Between(low, high)) + " ";
            default:
                return std::to_string(Between(low, high));
        }
    }
    std::string Name(int max_length) {
        std::string s;
        const int n = Pick(max_length + 3);
        for (int i = 0; i < n; ++i)
            s.push_back(static_cast<char>(Chance(80) ? 'A' + Pick(26) : Pick(256)));
        return s;
    }
    std::vector<int> Rows(int count) {
        std::vector<int> rows;
        for (int r = 0; r < count; ++r)
            if (Chance(20)) rows.push_back(r);
        if (rows.empty() && count > 0 && Chance(80)) rows.push_back(Pick(count));
        std::shuffle(rows.begin(), rows.end(), rnd_);
        return rows;
    }

private:
    std::mt19937 rnd_;
};

// Every question and dialog of one command, answered by the player. The scripted hosts
// are filled with more random steps than any one command uses.
struct RandomUser {
    Player& p;
    ScriptedPrompter& prompter;
    ScriptedChannelDialogs& channel_dialogs;
    ScriptedSatelliteDialogs& satellite_dialogs;
    ScriptedSettingsDialogs& settings_dialogs;

    RandomUser(Player& player, testing::CommandBench& bench)
        : p(player),
          prompter(bench.prompter),
          channel_dialogs(bench.dialogs.channels),
          satellite_dialogs(bench.dialogs.satellites),
          settings_dialogs(bench.dialogs.settings) {
        settings_dialogs.rename = [this](FavouriteNameForm& f) {
            f.name = p.Name(17);
            return p.Chance(80) && !f.Validate();
        };
        settings_dialogs.parental = [this](ParentalForm& f) {
            f.password_lock = p.Chance(50);
            f.channel_lock = p.Chance(50);
            f.system_lock = p.Chance(50);
            f.installation_lock = p.Chance(50);
            f.change_password = p.Chance(50);
            f.new_password = p.Number(0, 9999);
            f.confirm_password = p.Chance(70) ? f.new_password : p.Number(0, 9999);
            return p.Chance(80) && !f.Validate();
        };
        settings_dialogs.other = [this](OtherSettingsForm& f) {
            for (int* list :
                 {&f.menu_language, &f.audio_language, &f.rf_system, &f.tv_system, &f.screen_format,
                  &f.menu_color, &f.transparency, &f.time_offset, &f.need_help})
                if (p.Chance(30)) *list = p.Between(-1, 4);
            f.rf_channel_text = p.Number(14, 83);
            return p.Chance(80);
        };
    }

    void Refill() {
        prompter.answers.clear();
        channel_dialogs.channel.clear();
        channel_dialogs.audio.clear();
        channel_dialogs.move.clear();
        satellite_dialogs.satellite.clear();
        satellite_dialogs.transponder.clear();
        satellite_dialogs.modify.clear();
        satellite_dialogs.move.clear();
        for (int i = 0; i < 64; ++i) {
            prompter.answers.push_back(p.Chance(60) ? Answer::Yes : Answer::No);
            channel_dialogs.audio.push_back([this](AudioForm& f) {
                f.pid_text = p.Number(1, 8191);
                f.language = p.Between(-1, 61);
                f.is_default = p.Chance(30);
                return p.Chance(80) && !ValidateAndApply(f, f.entry);
            });
            satellite_dialogs.transponder.push_back([this](TransponderForm& f) {
                if (p.Chance(70)) f.frequency = p.Number(1, 20000);
                if (p.Chance(50)) f.symbol_rate = p.Number(2000, 45000);
                if (p.Chance(30)) f.polarisation = p.Between(-1, 1);
                if (p.Chance(30)) f.fec = p.Between(-1, 5);
                return p.Chance(85) && !ValidateAndApply(f, f.record);
            });
        }
        for (int i = 0; i < 4; ++i) {
            channel_dialogs.channel.push_back([this](ChannelForm& f) { return PlayChannel(f); });
            channel_dialogs.move.push_back([this](MoveForm& f) {
                f.to_text = p.Number(0, 40);
                return p.Chance(85) && !ValidateAndApply(f, f.to);
            });
            satellite_dialogs.satellite.push_back([this](SatelliteForm& f) {
                if (p.Chance(50)) f.name = p.Name(16);
                if (p.Chance(30))
                    f.angle = p.Chance(80) ? std::to_string(p.Between(0, 1800)) + "." +
                                                 std::to_string(p.Pick(10))
                                           : p.Number(0, 200);
                if (p.Chance(30)) f.lnb_type = p.Between(-1, 9);
                if (p.Chance(30))
                    f.transponder = p.Between(-1, static_cast<int>(f.transponder_rows.size()));
                if (p.Chance(20)) f.direction = p.Between(-1, 1);
                if (p.Chance(20)) f.diseqc = p.Between(-1, 7);
                return p.Chance(85) && !ValidateAndApply(f, f.record);
            });
            satellite_dialogs.move.push_back([this](int, int& to) {
                to = p.Between(-1, 66);
                return p.Chance(85);
            });
            satellite_dialogs.modify.push_back([this](ModifiedTpList& list) {
                for (int k = p.Pick(4); k > 0; --k) {
                    const int rows = static_cast<int>(list.rows().size());
                    switch (p.Pick(3)) {
                        case 0:
                            list.Add();
                            break;
                        case 1:
                            list.Edit(p.Rows(rows));
                            break;
                        default:
                            list.Delete(p.Rows(rows));
                            break;
                    }
                }
            });
        }
    }

    bool PlayChannel(ChannelForm& f) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (p.Chance(40)) f.name = p.Name(16);
            if (p.Chance(30)) f.video_pid = p.Number(0, 8191);
            if (p.Chance(30)) f.pcr_pid = p.Number(0, 8191);
            if (p.Chance(20)) f.ttx_pid = p.Number(0, 8191);
            for (bool& fav : f.fav)
                if (p.Chance(25)) fav = !fav;
            if (p.Chance(15)) f.lock = !f.lock;
            if (p.Chance(15)) f.scramble = !f.scramble;
            if (p.Chance(15)) f.audio_mode = p.Between(-1, 2);
            if (f.lists_enabled() && p.Chance(30)) {
                f.SelectSatellite(p.Between(-1, static_cast<int>(f.satellite_rows.size()) - 1));
                if (p.Chance(50))
                    f.transponder_row =
                        p.Between(-1, static_cast<int>(f.transponder_rows.size()) - 1);
            }
            const int audio_rows = f.audio.count;
            switch (p.Pick(6)) {
                case 0:
                    AddAudioEntry(f.audio, channel_dialogs, prompter);
                    break;
                case 1:
                    EditAudioEntry(f.audio, p.Between(-1, audio_rows), channel_dialogs, prompter);
                    break;
                case 2:
                    DeleteAudioEntry(f.audio, p.Between(-1, audio_rows), prompter);
                    break;
                default:
                    break;
            }
            if (!p.Chance(85)) return false;
            const AcceptResult r = PressOk(f, f.record, prompter);
            if (r.end != DialogEnd::StayOpen) return r.end == DialogEnd::Ok;
        }
        return false;
    }
};

// A small generated listing page for `band`'s patterns is not known here, so the page
// mixes rows the C-band and Ku-band passes may both find, with random values.
std::string ListingPage(Player& p) {
    std::ostringstream page;
    page << "<html><body><table>\n";
    for (int rows = p.Pick(12); rows > 0; --rows) {
        const int freq = p.Chance(50) ? p.Between(3400, 4200) : p.Between(10700, 12750);
        page << "<tr><td><A HREF=\"tp/" << rows << ".htm\">" << freq << "</A> "
             << "HVRL"[p.Pick(4)] << "</td><td>DVB-S</td><td>" << p.Between(1000, 46000) << " -"
             << (p.Chance(80) ? "3/4" : "x") << "</td></tr>\n";
    }
    page << "</table></body></html>\n";
    return page.str();
}

struct Checker {
    std::unique_ptr<Database> scratch = std::make_unique<Database>();
    std::unique_ptr<Database> first = std::make_unique<Database>();
    std::unique_ptr<Database> second = std::make_unique<Database>();

    // Saves `db` and opens the result into `into`; false when the save or open failed.
    static bool RoundTrip(Database& db, Database& into, std::string& why) {
        const auto bytes = WriteDatabase(db);
        if (!bytes) return why = "the database cannot be saved", false;
        if (!ReadDatabase(into, *bytes)) return why = "the saved file does not open", false;
        UnpackSections(into);
        RunAfterOpenSteps(into);
        return true;
    }

    static bool SameUsed(const Database& a, const Database& b) {
        auto same = [](const auto& x, const auto& y, int n) {
            return std::equal(x.begin(), x.begin() + n, y.begin(),
                              [](const auto& r, const auto& s) { return r.bytes == s.bytes; });
        };
        return a.header.bytes == b.header.bytes &&
               same(a.satellites, b.satellites, a.sat_count()) &&
               same(a.transponders, b.transponders, a.tp_count()) &&
               same(a.tv, b.tv, a.tv_count()) && same(a.radio, b.radio, a.radio_count()) &&
               a.settings.bytes == b.settings.bytes && a.extra.bytes == b.extra.bytes &&
               a.favourites.bytes == b.favourites.bytes;
    }

    // The first rule `db` breaks, or empty.
    std::string Check(const Database& db) {
        if (db.sat_count() < 0 || db.sat_count() > kMaxSatellites) return "satellite count";
        if (db.tp_count() < 0 || db.tp_count() > kMaxTransponders) return "transponder count";
        if (db.tv_count() < 0 || db.tv_count() > kMaxChannels) return "TV count";
        if (db.radio_count() < 0 || db.radio_count() > kMaxChannels) return "radio count";
        std::set<int> ids;
        for (int i = 0; i < db.tp_count(); ++i) {
            const Transponder& tp = db.transponders[i];
            if (tp.tp_id() >= kMaxTransponders)
                return "tp_id " + std::to_string(tp.tp_id()) + " at " + std::to_string(i);
            if (!ids.insert(tp.tp_id()).second)
                return "tp_id " + std::to_string(tp.tp_id()) + " twice";
            if (tp.satellite() >= db.sat_count())
                return "transponder " + std::to_string(i) + " on satellite " +
                       std::to_string(tp.satellite());
        }
        scratch->tables() = db.tables();
        for (bool radio : {false, true}) {
            std::array<std::set<uint32_t>, 8> marked;
            for (int i = 0; i < db.channel_count(radio); ++i)
                for (int g = 0; g < 8; ++g)
                    if (db.channels(radio)[i].fav(g)) marked[g].insert(db.channels(radio)[i].key());
            for (int g = 0; g < 8; ++g) {
                PurgeFavouriteGroup(*scratch, g, radio);
                const int keys = scratch->favourites.key_count(g, radio);
                if (keys < 0 || scratch->favourites.key_count(g, !radio) < 0 ||
                    keys + scratch->favourites.key_count(g, !radio) > FavouriteGroups::kSlots)
                    return "group " + std::to_string(g) + " key count";
                for (int k = 0; k < keys; ++k)
                    if (!marked[g].count(scratch->favourites.entry(g, radio, k)))
                        return "group " + std::to_string(g) + " holds an unmarked key";
            }
        }

        // The editor's commands never make what the health check finds.
        if (const auto found = CheckDatabase(db); !found.empty()) return found[0].text;
        std::string why;
        scratch->tables() = db.tables();
        if (!RoundTrip(*scratch, *first, why) || !RoundTrip(*first, *second, why)) return why;
        if (!SameUsed(*first, *second)) return "a second save and open changes the tables";
        // What the after-open steps leave alone must come back as it was saved.
        if (first->sat_count() != db.sat_count() || first->tp_count() != db.tp_count() ||
            first->tv_count() != db.tv_count() || first->radio_count() != db.radio_count())
            return "the counts change in a save and open";
        if (!std::equal(db.satellites.begin(), db.satellites.begin() + db.sat_count(),
                        first->satellites.begin(),
                        [](const auto& a, const auto& b) { return a.bytes == b.bytes; }))
            return "the satellites change in a save and open";
        if (db.settings.bytes != first->settings.bytes)
            return "the settings change in a save and open";
        for (bool radio : {false, true})
            for (int i = 0; i < db.channel_count(radio); ++i)
                if (db.channels(radio)[i].key() != first->channels(radio)[i].key() ||
                    db.channels(radio)[i].ch_flags() != first->channels(radio)[i].ch_flags())
                    return "a channel changes in a save and open";
        return {};
    }
};

// Lists what `node` stands for, as selecting it in the tree does.
void SelectNode(testing::CommandBench& bench, const TreeNodeRef& node) {
    bench.node = node;
    NodeMap map;
    if (node.satellite >= 0 && node.satellite < kMaxSatellites)
        map.Build(bench.db(), node.satellite);
    SelectTreeNode(bench.db(), bench.list, map, node);
}

// A node of `kind` picked at random, now and then one past the last.
TreeNodeRef RandomNode(Player& p, const Database& db, TreeNodeKind kind) {
    const int s = p.Chance(95) ? p.Pick(db.sat_count()) : db.sat_count();
    int on_satellite = 0;
    for (int i = 0; i < db.tp_count(); ++i) on_satellite += db.transponders[i].satellite() == s;
    switch (kind) {
        case TreeNodeKind::Satellite:
            return {kind, s, -1};
        case TreeNodeKind::Transponder:
            return {kind, s, p.Chance(95) ? p.Pick(on_satellite) : on_satellite};
        case TreeNodeKind::FavouriteGroup:
            return {kind, -1, p.Between(-1, 8)};
        default:
            return {kind};
    }
}

// One random step on the bench's database: a command as the window runs it, a listing,
// Undo or Redo. Returns what it was, for the failure message; sets `listed` for a
// listing of a favourite group.
std::string RandomStep(testing::CommandBench& bench, RandomUser& user, const std::string& page_dir,
                       int step, bool& listed) {
    Player& p = user.p;
    Database& db = bench.db();
    user.Refill();
    listed = false;
    const int what = p.Pick(100);
    if (what < 40) {
        bench.Run(p.Chance(50) ? kCmdTvChannel : kCmdRadioChannel);
        static constexpr TreeNodeKind kLists[] = {
            TreeNodeKind::ChannelList, TreeNodeKind::Satellite, TreeNodeKind::Transponder,
            TreeNodeKind::FavouriteGroup};
        SelectNode(bench, RandomNode(p, db, kLists[p.Pick(4)]));
        static constexpr int kCommands[] = {
            kCmdAddChannel,    kCmdAddChannel,        kCmdEditChannel,     kCmdEditChannel,
            kCmdDeleteChannel, kCmdSwapChannel,       kCmdMoveChannel,     kCmdSortAToZ,
            kCmdSortZToA,      kCmdSortByTransponder, kCmdSortBySatellite, kCmdDropChannels};
        const int id = kCommands[p.Pick(std::size(kCommands))];
        bench.rows = p.Rows(bench.list.row_count());
        std::sort(bench.rows.begin(), bench.rows.end());
        CommandContext c{bench.doc,   bench.list, bench.dialogs, bench.tree_state,
                         bench.frame, bench.node, bench.rows,    p.Pick(bench.list.row_count() + 1),
                         {}};
        RunCommand(id, c);
        return "channel command " + std::to_string(id);
    }
    if (what < 70) {
        static constexpr std::pair<int, TreeNodeKind> kCommands[] = {
            {kCmdAddAntenna, TreeNodeKind::Antenna},
            {kCmdEditAntenna, TreeNodeKind::Satellite},
            {kCmdMoveAntenna, TreeNodeKind::Satellite},
            {kCmdSwapAntenna, TreeNodeKind::Satellite},
            {kCmdDeleteAntenna, TreeNodeKind::Satellite},
            {kCmdAddTransponder, TreeNodeKind::Satellite},
            {kCmdEditTransponder, TreeNodeKind::Transponder},
            {kCmdDeleteTransponder, TreeNodeKind::Transponder},
            {kCmdModifyTransponders, TreeNodeKind::Satellite}};
        const auto [id, kind] = kCommands[p.Pick(std::size(kCommands))];
        bench.node = RandomNode(p, db, kind);
        bench.Run(id);
        return "tree command " + std::to_string(id) + " on " +
               std::to_string(bench.node.satellite) + "/" + std::to_string(bench.node.position);
    }
    if (what < 76) {
        const std::string path = page_dir + "/Gen" + std::to_string(step) +
                                 (p.Chance(90) ? " at " : "_") +
                                 std::to_string(p.Between(0, 1800)) + "." +
                                 std::to_string(p.Pick(10)) + (p.Chance(50) ? "E" : "W") + ".htm";
        testing::WriteBytes(path, [&] {
            const std::string page = ListingPage(p);
            return std::vector<uint8_t>(page.begin(), page.end());
        }());
        bench.chooser.answers.clear();
        bench.chooser.answers.push_back(path);
        bench.node = {TreeNodeKind::Antenna};
        bench.Run(kCmdLoadListing);
        std::remove(path.c_str());
        return "import";
    }
    if (what < 82) {
        switch (p.Pick(3)) {
            case 0:
                bench.node = RandomNode(p, db, TreeNodeKind::FavouriteGroup);
                bench.Run(kCmdRenameFavGroup);
                return "rename";
            case 1:
                bench.Run(kCmdParentalControl);
                return "parental control";
            default:
                bench.Run(kCmdOtherSetting);
                return "other settings";
        }
    }
    if (what < 88) {
        listed = true;
        bench.Run(p.Chance(50) ? kCmdTvChannel : kCmdRadioChannel);
        SelectNode(bench, RandomNode(p, db, TreeNodeKind::FavouriteGroup));
        return "listing of a favourite group";
    }
    if (what < 95) {
        bench.Run(kCmdEditUndo);
        return "undo";
    }
    bench.Run(kCmdEditRedo);
    return "redo";
}

// Runs one seed; the failure message or empty.
std::string RunSeed(unsigned seed, Checker& checker, const std::string& page_dir) {
    Player player(seed);
    testing::CommandBench bench;
    RandomUser user(player, bench);
    Database* db = &bench.db();
    // Every fifth seed starts at the tables' limits, the others small.
    const testing::SampleShape shape =
        seed % 5 == 0 ? testing::SampleShape{kMaxSatellites - player.Pick(2),
                                             kMaxTransponders - player.Pick(3),
                                             kMaxChannels - player.Pick(3), player.Between(0, 50)}
                      : testing::SampleShape{player.Between(1, 8), player.Between(0, 60),
                                             player.Between(0, 80), player.Between(0, 20)};
    testing::FillSampleDatabase(*db, shape);
    db->database_open = true;
    // Start from what an open gives, so that the round trip compares like with like.
    std::string why;
    if (Checker::RoundTrip(*db, *checker.first, why)) db->tables() = checker.first->tables();
    FixAllFindings(*db);  // a clean start, as the example database is
    // Groups that hold fewer keys than marks since they were full.
    unsigned been_full = testing::FullGroups(*db);
    const bool failed_before = ::testing::Test::HasFailure();
    const int steps = seed % 5 == 0 ? kStepsPerFullSeed : kStepsPerSeed;
    for (int step = 0; step < steps; ++step) {
        const auto before = std::make_unique<DatabaseTables>(db->tables());
        bool listed = false;
        const std::string what = RandomStep(bench, user, page_dir, step, listed);
        std::string broken = checker.Check(*db);
        been_full |= testing::FullGroups(*db);
        if (broken.empty()) broken = testing::FavouriteMismatch(*db, been_full);
        if (broken.empty() && listed &&
            std::memcmp(before.get(), &db->tables(), sizeof(DatabaseTables)) != 0)
            broken = "a listing changed the tables";
        if (!broken.empty())
            return "seed " + std::to_string(seed) + ", step " + std::to_string(step) + " (" + what +
                   "): " + broken;
        if (!failed_before && ::testing::Test::HasFailure())
            return "seed " + std::to_string(seed) + ", step " + std::to_string(step) + " (" + what +
                   ")";
    }
    return {};
}

TEST(RandomEditing, EveryStepKeepsTheDatabaseSound) {
    std::vector<unsigned> seeds;
    if (const char* replay = std::getenv("VELMORA_SEED")) {
        seeds.push_back(static_cast<unsigned>(std::strtoul(replay, nullptr, 10)));
    } else {
        const unsigned count = std::getenv("VELMORA_SEEDS")
                                   ? std::strtoul(std::getenv("VELMORA_SEEDS"), nullptr, 10)
                                   : kDefaultSeeds;
        for (unsigned s = 1; s <= count; ++s) seeds.push_back(s);
    }
    testing::TempDir dir;
    const std::string page_dir = dir / "";
    Checker checker;
    for (unsigned seed : seeds) {
        const std::string failure = RunSeed(seed, checker, page_dir);
        EXPECT_TRUE(failure.empty()) << failure << "\nreplay with VELMORA_SEED=" << seed;
    }
}

}  // namespace
}  // namespace velmora
