// Database <-> JSON: what load accepts, what it refuses and how it names the field.

#include <gtest/gtest.h>

#include "cli/JsonSchema.h"
#include "database/Latin1.h"
#include "tests/core/TestDatabases.h"

namespace velmora::cli {
namespace {

std::optional<std::string> LoadText(const std::string& text, Database& db) {
    return JsonToDatabase(Json::parse(text), db);
}

TEST(Latin1, BytesAboveAsciiBecomeTwoByteUtf8AndBack) {
    const std::string bytes =
        "Kanal S\xFC"
        "d \xB0";
    EXPECT_EQ(Latin1ToUtf8(bytes),
              "Kanal S\xC3\xBC"
              "d \xC2\xB0");
    EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(bytes)), bytes);
    EXPECT_FALSE(Utf8ToLatin1("\xC4\x9F"));      // U+011F
    EXPECT_FALSE(Utf8ToLatin1("\xE2\x82\xAC"));  // U+20AC
    EXPECT_FALSE(Utf8ToLatin1("\xC3"));
}

TEST(JsonToDatabase, EmptyObjectIsANewDatabase) {
    auto expected = std::make_unique<Database>();
    ResetToNewDatabase(*expected);
    auto db = testing::MakeSmallDatabase();
    EXPECT_FALSE(LoadText("{}", *db));
    EXPECT_TRUE(testing::Snapshot(*db) == testing::Snapshot(*expected));
}

TEST(JsonToDatabase, DumpLoadsBackToTheSameJson) {
    auto db = testing::MakeSmallDatabase();
    db->tv[0].set_audio_count(0);
    const Json dumped = DatabaseToJson(*db);
    auto other = std::make_unique<Database>();
    ASSERT_FALSE(JsonToDatabase(dumped, *other));
    Json again = DatabaseToJson(*other);
    EXPECT_EQ(again, dumped);
}

TEST(JsonToDatabase, GivenGroupsAreStoredAndMissingOnesRebuilt) {
    auto db = std::make_unique<Database>();
    const std::string channels = R"("tv": [{"service_number": 1, "tp_id": 2, "ch_flags": 4}])";
    ASSERT_FALSE(LoadText("{" + channels + "}", *db));
    EXPECT_EQ(db->favourites.tv_key_count(2), 1);
    EXPECT_EQ(db->favourites.slot(2, 0), 0x00020001u);

    std::string groups = R"("favourite_groups": [{"radio": [7, 8]})";
    for (int g = 1; g < 8; ++g) groups += ", {}";
    ASSERT_FALSE(LoadText("{" + channels + ", " + groups + "]}", *db));
    EXPECT_EQ(db->favourites.tv_key_count(2), 0);
    EXPECT_EQ(db->favourites.radio_key_count(0), 2);
    EXPECT_EQ(db->favourites.slot(0, 198), 8u);
}

TEST(JsonToDatabase, AudioListSetsTheCountWhateverChFlagsSay) {
    auto db = std::make_unique<Database>();
    ASSERT_FALSE(
        LoadText(R"({"radio": [{"ch_flags": 1015808, "audio": [[600, 18], [601, 23]]}]})", *db));
    EXPECT_EQ(db->radio[0].audio_count(), 2u);
    EXPECT_EQ(db->radio[0].audio_entry(1), (AudioEntry{601, 23}));
}

struct BadJson {
    const char* json;
    const char* message;
};

const BadJson kBadJson[] = {
    {R"([])", "the JSON text is not an object"},
    {R"({"satelites": []})", R"(bad field "satelites": unknown field)"},
    {R"({"satellites": [{"lnb_lo": 1}]})", R"(bad field "satellites[0].lnb_lo": unknown field)"},
    {R"({"satellites": [{}, {"lnb_low": 65536}]})",
     R"(bad field "satellites[1].lnb_low": expected an integer from 0 to 65535)"},
    {R"({"satellites": [{"angle": -1}]})",
     R"(bad field "satellites[0].angle": expected an integer from 0 to 65535)"},
    {R"({"transponders": [{"tp_flags": 1.5}]})",
     R"(bad field "transponders[0].tp_flags": expected an integer from 0 to 255)"},
    {R"({"tv": [{"name": "ABCDEFGHIJKLMNOP"}]})",
     R"(bad field "tv[0].name": at most 15 characters, not 16)"},
    {R"({"tv": [{"name": "Kanal \u011f"}]})",
     R"(bad field "tv[0].name": only characters up to U+00FF (ISO-8859-1) fit the field)"},
    {R"({"radio": [{"name": 5}]})", R"(bad field "radio[0].name": expected a string)"},
    {R"({"tv": [{"audio": [[1, 2, 3]]}]})",
     R"(bad field "tv[0].audio[0]": expected [PID, LANGUAGE])"},
    {R"({"tv": [{"audio": [[1, 256]]}]})",
     R"(bad field "tv[0].audio[0][1]": expected an integer from 0 to 255)"},
    {R"({"tv": [{"audio": [[100,0],[1,0],[2,0],[3,0],[4,0],[105,0],[106,0],[107,0],[108,0],[109,0],[110,0]]}]})",
     R"(bad field "tv[0].audio": With more than 10 audio entries, every audio PID must be the first PID plus the entry's position, except for at most 3 entries. Please change or delete audio entries.)"},
    {R"({"settings": {"password": "12345"}})",
     R"(bad field "settings.password": at most 4 characters, not 5)"},
    {R"({"settings": {"time_offset": 128}})",
     R"(bad field "settings.time_offset": expected an integer from -128 to 127)"},
    {R"({"settings": {"fav_names": ["a"]}})",
     R"(bad field "settings.fav_names": expected an array of 8 names)"},
    {R"({"header": {"signature": "MY CHANNELS"}})",
     R"(bad field "header.signature": must contain "SDX", or the file will not open)"},
    {R"({"header": {"ch_size": 60}})", R"(bad field "header.ch_size": must be 64)"},
    {R"({"header": {"settings_size": 201}})",
     R"(bad field "header.settings_size": expected an integer from 0 to 200)"},
    {R"({"header": {"fav_a": 9, "fav_b": 808}})",
     R"(bad field "header.fav_b": fav_a * fav_b must not exceed 6464)"},
    {R"({"favourite_groups": [{}]})",
     R"(bad field "favourite_groups": expected an array of 8 groups)"},
};

TEST(JsonToDatabase, RefusalNamesTheBadField) {
    for (const BadJson& bad : kBadJson) {
        auto db = std::make_unique<Database>();
        EXPECT_EQ(LoadText(bad.json, *db).value_or("accepted"), bad.message) << bad.json;
    }
}

TEST(JsonToDatabase, TablesBeyondCapacityAreRefused) {
    Json doc = Json::object();
    doc["satellites"] = Json::array();
    for (int i = 0; i < 64; ++i) doc["satellites"].push_back(Json::object());
    auto db = std::make_unique<Database>();
    EXPECT_EQ(JsonToDatabase(doc, *db).value_or(""),
              R"(bad field "satellites": at most 63 elements, not 64)");
}

}  // namespace
}  // namespace velmora::cli
