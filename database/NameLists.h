#pragma once
// Fixed name tables shared by labels, dialogs and printouts. Records store indexes
// into these lists, never the texts.

#include <array>
#include <string_view>

namespace velmora {

inline constexpr std::array<std::string_view, 2> kPolarisationNames = {"HOR", "VER"};
inline constexpr std::array<std::string_view, 6> kFecNames = {"Auto", "1/2", "2/3",
                                                              "3/4",  "5/6", "7/8"};
inline constexpr std::array<std::string_view, 8> kDiseqcNames = {
    "None", "LNB1", "LNB2", "LNB3", "LNB4", "Burst A", "Burst B", "Auto"};
inline constexpr std::array<std::string_view, 8> kDefaultFavouriteNames = {
    "Movie", "Music", "News", "Kids", "Sport", "FAV6", "FAV7", "FAV8"};

inline constexpr std::array<std::string_view, 62> AudioLanguageNames = {
    "Undefined",  "Afrikaans",  "Albanian",     "Arabic",     "Basque",     "Belarusian",
    "Bengali",    "Bosnian",    "Bislama",      "Bulgarian",  "Catalan",    "Chechen",
    "Chinese",    "Creoles",    "Croatian",     "Czech",      "Danish",     "Dutch",
    "English",    "Estonian",   "Finnish",      "French",     "Georgian",   "German",
    "Greek",      "Hebrew",     "Hungarian",    "Icelandic",  "Indonesian", "Irish",
    "Italian",    "Japanese",   "Kabyle",       "Kazakh",     "Korean",     "Kurdish",
    "Latvian",    "Lithuanian", "Ltzeburgesch", "Macedonian", "Mongolian",  "Norwegian",
    "Persian",    "Polish",     "Portuguese",   "Romanian",   "Russian",    "Serbian",
    "Spanish",    "Slovenia",   "Swahili",      "Swedish",    "Tatar",      "Thai",
    "Tibetan",    "Turkish",    "Ukrainian",    "Urdu",       "Uzbek",      "Vietnamese",
    "Philippine", "Kongo"};

// Name of index v in a list, or `fallback` when v has no entry.
template <size_t N>
std::string_view NameOr(const std::array<std::string_view, N>& list, unsigned v,
                        std::string_view fallback = "?") {
    return v < N ? list[v] : fallback;
}

}  // namespace velmora
