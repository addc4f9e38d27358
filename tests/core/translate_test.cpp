#include "text/Translate.h"

#include <gtest/gtest.h>

#include <map>

#include "text/Languages.h"

namespace velmora {
namespace {

TEST(Fill, PutsEachArgumentWhereItsNumberStands) {
    struct Case {
        const char* pattern;
        std::initializer_list<std::string_view> args;
        const char* filled;
    };
    const Case cases[] = {
        {"%1 of %2", {"3", "10"}, "3 of 10"},
        {"%2 von %1", {"10", "3"}, "3 von 10"},              // a translation may reorder
        {"100%% of %1", {"x"}, "100% of x"},                 // a percent sign
        {"%1 and %3", {"a"}, "a and %3"},                    // a missing argument stays
        {"%1", {"%2 stays as given"}, "%2 stays as given"},  // arguments are not read again
        {"ends in %", {}, "ends in %"},
    };
    for (const Case& c : cases) EXPECT_EQ(Fill(c.pattern, c.args), c.filled) << c.pattern;
}

std::string Shout(const char* context, const char* text) {
    return std::string(context) + ":" + text;
}

TEST(Translate, UsesTheInstalledTranslatorAndEnglishWithoutOne) {
    EXPECT_EQ(VT_TR("health", "Fix"), "Fix");
    SetTranslator(&Shout);
    EXPECT_EQ(VT_TR("health", "Fix"), "health:Fix");
    SetTranslator(nullptr);
    EXPECT_EQ(VT_TR("health", "Fix"), "Fix");
}

TEST(ChooseLanguage, SettingThenGettextOrderThenEnglish) {
    struct Case {
        const char* chosen;
        std::map<std::string, std::string> env;
        const char* code;
    };
    const Case cases[] = {
        {"", {{"LANG", "de_DE.UTF-8"}}, "de"},
        {"", {{"LC_ALL", "tr_TR.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "tr"},
        {"", {{"LC_MESSAGES", "nl_BE@euro"}, {"LANG", "de_DE"}}, "nl"},
        {"", {{"LANGUAGE", "sv:pl:de"}, {"LANG", "de_DE.UTF-8"}}, "pl"},  // first it speaks
        {"", {{"LANGUAGE", "fr"}, {"LANG", "C"}}, "en"},                  // C turns it off
        {"", {{"LANG", "sv_SE.UTF-8"}}, "en"},                            // not spoken
        {"", {}, "en"},
        {"it", {{"LANG", "de_DE.UTF-8"}}, "it"},  // the setting wins
        {"xx", {{"LANG", "es_ES.UTF-8"}}, "es"},  // a stale setting
    };
    for (const Case& c : cases) {
        const auto env = [&](const char* name) {
            const auto it = c.env.find(name);
            return it == c.env.end() ? std::string() : it->second;
        };
        EXPECT_EQ(ChooseLanguage(c.chosen, env), c.code) << c.chosen << " " << c.env.size();
    }
}

}  // namespace
}  // namespace velmora
