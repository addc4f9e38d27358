// The JSON text load reads: every problem the JSON library finds becomes a message naming
// where it is; and what dump prints is exactly what load takes.

#include <gtest/gtest.h>

#include "cli/JsonText.h"
#include "tests/core/TestDatabases.h"

namespace velmora::cli {
namespace {

std::string ProblemOf(const std::string& text) {
    Json doc;
    const auto problem = ParseJsonText(text, "in.json", doc);
    if (problem) return *problem;
    auto db = std::make_unique<Database>();
    return JsonToDatabase(doc, *db).value_or("accepted");
}

std::string Nested(int depth) {
    return std::string(depth, '[') + std::string(depth, ']');
}

TEST(JsonText, EveryProblemIsAMessageThatSaysWhere) {
    const std::pair<std::string, std::string> cases[] = {
        {R"({"header": {"checksum": 1e400}})",
         R"(bad field "header.checksum": number out of range)"},
        {R"({"satellites": [{}, {}, {"angle": 1E+999}]})",
         R"(bad field "satellites[2].angle": number out of range)"},
        {"1e400",
         "in.json is not valid JSON: [json.exception.out_of_range.406] number overflow "
         "parsing '1e400'"},
        {R"({"tv": )" + Nested(20) + "}",
         R"(bad field "tv[0][0][0][0][0][0][0][0][0][0][0][0][0][0][0]": nested more than 16 levels deep)"},
        {Nested(100000),
         "bad field \"[0][0][0][0][0][0][0][0][0][0][0][0][0][0][0][0]\": nested more "
         "than 16 levels deep"},
        // Ignored keys of the header still need their type.
        {R"({"header": {"packed_length": "long"}})",
         R"(bad field "header.packed_length": expected an integer from 0 to 4294967295)"},
        {R"({"header": {"sat_count": -1}})",
         R"(bad field "header.sat_count": expected an integer from 0 to 32767)"},
        {R"({"header": {"checksum": 0.5}})",
         R"(bad field "header.checksum": expected an integer from 0 to 4294967295)"},
    };
    for (const auto& [text, message] : cases)
        EXPECT_EQ(ProblemOf(text), message) << text.substr(0, 80);
    EXPECT_EQ(ProblemOf("{\"tv\": [").rfind("in.json is not valid JSON: ", 0), 0u);
}

TEST(JsonText, TooManyValuesAreRefusedBeforeTheyAreHeld) {
    std::string many = "[";
    for (size_t i = 0; i <= kMaxJsonValues; ++i) many += "0,";
    many += "0]";
    EXPECT_EQ(ProblemOf(many), "in.json is not valid JSON: more than 1048576 values");
}

TEST(JsonText, TextsAsLongAsTheirFieldLoadAndLongerOnesDoNot) {
    const std::string y16 = [] {
        std::string s;
        for (int i = 0; i < 16; ++i) s += "\xC3\xBF";
        return s;
    }();
    const std::string names = R"(, "", "", "", "", "", "", ""]}})";
    const std::pair<std::string, std::string> cases[] = {
        {R"({"satellites": [{"name": "Sixteen bytes!!!"}]})", "accepted"},
        {R"({"satellites": [{"name": "Seventeen bytes!!"}]})",
         R"(bad field "satellites[0].name": at most 16 characters, not 17)"},
        {R"({"settings": {"fav_names": [")" + y16 + "\"" + names, "accepted"},
        {R"({"settings": {"fav_names": ["Seventeen letters")" + names,
         R"(bad field "settings.fav_names[0]": at most 16 characters, not 17)"},
        {R"({"header": {"signature": "SDX signature of 28 bytes .."}})", "accepted"},
        {R"({"header": {"signature": "SDX signature of 29 bytes ..."}})",
         R"(bad field "header.signature": at most 28 characters, not 29)"},
        {R"({"tv": [{"name": "Fifteen bytes!!"}]})", "accepted"},
    };
    for (const auto& [text, message] : cases) EXPECT_EQ(ProblemOf(text), message) << text;
}

}  // namespace
}  // namespace velmora::cli
