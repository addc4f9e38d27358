#include "compare/NameList.h"

#include <algorithm>
#include <cctype>

#include "database/Latin1.h"

namespace velmora {
namespace {

constexpr std::string_view kSections[2] = {"[TV]", "[Radio]"};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::optional<bool> NameListSection(std::string_view line) {
    for (bool radio : {false, true}) {
        if (EqualsIgnoringCase(line, kSections[radio])) return radio;
    }
    return std::nullopt;
}

std::string ChannelNameList(const Database& db) {
    std::string text;
    for (bool radio : {false, true}) {
        text.append(kSections[radio]).push_back('\n');
        for (int i = 0; i < db.channel_count(radio); ++i)
            text.append(Latin1ToUtf8(db.channels(radio)[i].name())).push_back('\n');
    }
    return text;
}

}  // namespace velmora
