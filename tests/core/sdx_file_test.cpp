// The .sdx reader and writer: every malformed file is refused with nothing changed, and a
// saved database opens again as it was.

#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>

#include "database/SdxFile.h"
#include "tests/core/TestDatabases.h"

namespace velmora {
namespace {

using testing::MakeSmallDatabase;
using testing::Snapshot;

std::vector<uint8_t> ValidImage() {
    auto db = MakeSmallDatabase();
    return *WriteDatabase(*db);
}

void SetI16(std::vector<uint8_t>& f, size_t offset, int v) {
    f[offset] = static_cast<uint8_t>(v);
    f[offset + 1] = static_cast<uint8_t>(v >> 8);
}

void SetPackedLength(std::vector<uint8_t>& f, uint32_t v) {
    for (int i = 0; i < 4; ++i) f[56 + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A file whose stream is the payload stored without compression, so longer than it.
std::vector<uint8_t> StoredStreamImage() {
    auto db = MakeSmallDatabase();
    const size_t length = PackSections(*db);
    std::vector<uint8_t> file(64 + compressBound(length));
    uLongf stream = compressBound(length);
    compress2(file.data() + 64, &stream, db->payload(), length, 0);
    std::copy(db->header.bytes.begin(), db->header.bytes.end(), file.begin());
    file.resize(64 + stream);
    SetPackedLength(file, static_cast<uint32_t>(stream));
    return file;
}

struct BrokenFile {
    const char* fault;
    std::function<void(std::vector<uint8_t>&)> damage;
};

const BrokenFile kBrokenFiles[] = {
    {"63-byte file", [](auto& f) { f.resize(63); }},
    {"empty file", [](auto& f) { f.clear(); }},
    {"signature without SDX",
     [](auto& f) { std::fill(f.begin() + 4, f.begin() + 32, uint8_t('A')); }},
    {"SDX after the signature's NUL",
     [](auto& f) {
         std::fill(f.begin() + 4, f.begin() + 32, 0);
         f[10] = 'S', f[11] = 'D', f[12] = 'X';
     }},
    {"one byte appended", [](auto& f) { f.push_back(0); }},
    {"one byte missing", [](auto& f) { f.pop_back(); }},
    {"truncated stream",
     [](auto& f) {
         f.resize(f.size() - 10);
         SetPackedLength(f, static_cast<uint32_t>(f.size() - 64));
     }},
    {"stream is not zlib", [](auto& f) { std::fill(f.begin() + 64, f.end(), 0x55); }},
    {"short inflate: one TV channel more than the stream holds", [](auto& f) { SetI16(f, 36, 5); }},
    {"long inflate: one TV channel fewer than the stream holds", [](auto& f) { SetI16(f, 36, 3); }},
    {"sat_count above 63", [](auto& f) { SetI16(f, 32, 64); }},
    {"tp_count above 2000", [](auto& f) { SetI16(f, 34, 2001); }},
    {"tv_count above 4000", [](auto& f) { SetI16(f, 36, 4001); }},
    {"radio_count above 4000", [](auto& f) { SetI16(f, 38, 4001); }},
    {"negative sat_count", [](auto& f) { SetI16(f, 32, -1); }},
    {"negative radio_count", [](auto& f) { SetI16(f, 38, -3); }},
    {"satellite size 30", [](auto& f) { SetI16(f, 40, 30); }},
    {"transponder size 11", [](auto& f) { SetI16(f, 42, 11); }},
    {"channel size 0", [](auto& f) { SetI16(f, 44, 0); }},
    {"settings_size 201", [](auto& f) { SetI16(f, 46, 201); }},
    {"negative settings_size", [](auto& f) { SetI16(f, 46, -200); }},
    {"extra_size 5", [](auto& f) { SetI16(f, 48, 5); }},
    {"fav_a x fav_b 6465", [](auto& f) { SetI16(f, 50, 5), SetI16(f, 52, 1293); }},
    {"negative fav_a and fav_b", [](auto& f) { SetI16(f, 50, -8), SetI16(f, 52, -808); }},
    {"stored stream longer than its payload", [](auto& f) { f = StoredStreamImage(); }},
};

TEST(ReadDatabase, RefusesEveryBrokenFileAndChangesNothing) {
    for (const BrokenFile& broken : kBrokenFiles) {
        std::vector<uint8_t> file = ValidImage();
        broken.damage(file);
        auto db = MakeSmallDatabase();
        const auto before = Snapshot(*db);
        EXPECT_FALSE(ReadDatabase(*db, file)) << broken.fault;
        EXPECT_TRUE(Snapshot(*db) == before) << broken.fault;
    }
}

TEST(ReadDatabase, CatchesAnyOneCorruptedByteOfTheStream) {
    const std::vector<uint8_t> valid = ValidImage();
    for (size_t i = 64; i < valid.size(); ++i) {
        std::vector<uint8_t> file = valid;
        file[i] ^= 0xFF;
        auto db = std::make_unique<Database>();
        EXPECT_FALSE(ReadDatabase(*db, file)) << "byte " << i;
    }
}

TEST(ReadDatabase, SignatureTestIgnoresCaseAndPosition) {
    std::vector<uint8_t> file = ValidImage();
    std::fill(file.begin() + 4, file.begin() + 32, 0);
    const std::string text = "channels.sdx";
    std::copy(text.begin(), text.end(), file.begin() + 4);
    auto db = std::make_unique<Database>();
    EXPECT_TRUE(ReadDatabase(*db, file));
    EXPECT_EQ(db->header.signature(), "channels.sdx");
}

TEST(ReadDatabase, AcceptsAnyStoredChecksumAndHoldsTheRecomputedOne) {
    std::vector<uint8_t> file = ValidImage();
    file[60] = 0xDE, file[61] = 0xAD, file[62] = 0xBE, file[63] = 0xEF;
    auto db = std::make_unique<Database>();
    ASSERT_TRUE(ReadDatabase(*db, file));
    EXPECT_EQ(db->header.checksum(), 0u);
}

TEST(PayloadChecksum, IsZeroFromTheFourthByteOnAndNoCrc) {
    const uint8_t bytes[] = {1, 2, 3, 4, 5};
    EXPECT_EQ(PayloadChecksum(bytes, 0), 0xFFFFFFFFu);
    EXPECT_EQ(PayloadChecksum(bytes, 1), 0xFFFFFF00u);
    EXPECT_EQ(PayloadChecksum(bytes, 4), 0u);
    EXPECT_EQ(PayloadChecksum(bytes, 5), 0u);
}

TEST(UnpackSections, FillsSlotsBeyondTheCountsWithFFAndIgnoresStoredGroups) {
    auto source = MakeSmallDatabase();
    // A stale group entry in the file must not survive the open.
    source->favourites.set_slot(3, 0, 0x12345678);
    source->favourites.set_tv_key_count(3, 1);
    const auto file = *WriteDatabase(*source);
    auto db = std::make_unique<Database>();
    ASSERT_TRUE(ReadDatabase(*db, file));
    UnpackSections(*db);
    EXPECT_EQ(db->transponders[3].satellite(), 255);
    EXPECT_EQ(db->tv[4].tp_id(), 65535);
    EXPECT_EQ(db->satellites[62].bytes[0], 0xFF);
    EXPECT_EQ(db->favourites.tv_key_count(3), 0);
    EXPECT_EQ(db->favourites.slot(3, 0), 0u);
}

TEST(WriteDatabase, SaveAndReopenGivesTheSameTablesAndHeaderBytes) {
    auto db = MakeSmallDatabase();
    db->header.bytes[3] = 0x77;
    db->header.bytes[54] = 0x55;
    db->header.bytes[55] = 0x66;
    const auto file = WriteDatabase(*db);
    ASSERT_TRUE(file);
    EXPECT_EQ(std::string(file->begin(), file->begin() + 3), "CDX");

    auto other = std::make_unique<Database>();
    ASSERT_TRUE(ReadDatabase(*other, *file));
    UnpackSections(*other);
    RunAfterOpenSteps(*other);
    EXPECT_EQ(other->header.bytes, db->header.bytes);
    EXPECT_EQ(other->header.checksum(), 0u);
    EXPECT_TRUE(std::equal(db->satellites.begin(), db->satellites.begin() + 2,
                           other->satellites.begin(),
                           [](auto& a, auto& b) { return a.bytes == b.bytes; }));
    EXPECT_TRUE(std::equal(db->transponders.begin(), db->transponders.begin() + 3,
                           other->transponders.begin(),
                           [](auto& a, auto& b) { return a.bytes == b.bytes; }));
    EXPECT_TRUE(std::equal(db->tv.begin(), db->tv.begin() + 4, other->tv.begin(),
                           [](auto& a, auto& b) { return a.bytes == b.bytes; }));
    EXPECT_EQ(db->radio[0].bytes, other->radio[0].bytes);
    EXPECT_EQ(db->settings.bytes, other->settings.bytes);
    EXPECT_EQ(db->extra.bytes, other->extra.bytes);
    EXPECT_EQ(db->favourites.bytes, other->favourites.bytes);
}

TEST(WriteDatabase, EmptyPayloadWritesNothingAndKeepsTheHeader) {
    auto db = std::make_unique<Database>();  // every count and size zero
    db->header.bytes[0] = 'x';
    EXPECT_FALSE(WriteDatabase(*db));
    EXPECT_EQ(db->header.bytes[0], 'x');
}

TEST(WriteDatabase, RefusesAHeaderTheReaderWouldRefuse) {
    auto db = MakeSmallDatabase();
    db->header.set_sat_size(30);
    EXPECT_FALSE(WriteDatabase(*db));
    db->header.set_sat_size(28);
    db->header.set_tv_count(-1);
    EXPECT_FALSE(WriteDatabase(*db));
}

TEST(WriteDatabase, FullCapacityDatabaseRoundTrips) {
    auto db = std::make_unique<Database>();
    ResetToNewDatabase(*db);
    db->set_sat_count(kMaxSatellites);
    for (int i = 0; i < kMaxTransponders; ++i)
        testing::AppendTransponder(*db, testing::MakeTransponder(10000 + i, i % 63, i));
    for (int i = 0; i < kMaxChannels; ++i)
        testing::AppendChannel(
            *db, i % 2, testing::MakeChannel({.name = "Ch", .tp_id = i % 2000, .service = i}));
    const auto file = WriteDatabase(*db);
    ASSERT_TRUE(file);
    auto other = std::make_unique<Database>();
    ASSERT_TRUE(ReadDatabase(*other, *file));
    UnpackSections(*other);
    EXPECT_EQ(other->radio_count(), 2000);
    EXPECT_EQ(other->radio[1999].bytes, db->radio[1999].bytes);
}

}  // namespace
}  // namespace velmora
