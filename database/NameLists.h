#pragma once
// Fixed name tables shared by labels, dialogs and printouts. Records store indexes
// into these lists, never the texts. The marked names are English: whoever shows one
// translates it (context "database"); the others read the same in every language
// (receivers print them so).

#include <array>
#include <string_view>

#include "text/Translate.h"

namespace velmora {

inline constexpr std::array<std::string_view, 2> kPolarisationNames = {"HOR", "VER"};
inline constexpr std::array<std::string_view, 6> kFecNames = {"Auto", "1/2", "2/3",
                                                              "3/4",  "5/6", "7/8"};
inline constexpr std::array<std::string_view, 8> kDiseqcNames = {
    VT_TR_NOOP("database", "None"),    VT_TR_NOOP("database", "LNB1"),
    VT_TR_NOOP("database", "LNB2"),    VT_TR_NOOP("database", "LNB3"),
    VT_TR_NOOP("database", "LNB4"),    VT_TR_NOOP("database", "Burst A"),
    VT_TR_NOOP("database", "Burst B"), VT_TR_NOOP("database", "Auto")};
inline constexpr std::array<std::string_view, 8> kDefaultFavouriteNames = {
    "Movie", "Music", "News", "Kids", "Sport", "FAV6", "FAV7", "FAV8"};

inline constexpr std::array<std::string_view, 62> AudioLanguageNames = {
    VT_TR_NOOP("database", "Undefined"),    VT_TR_NOOP("database", "Afrikaans"),
    VT_TR_NOOP("database", "Albanian"),     VT_TR_NOOP("database", "Arabic"),
    VT_TR_NOOP("database", "Basque"),       VT_TR_NOOP("database", "Belarusian"),
    VT_TR_NOOP("database", "Bengali"),      VT_TR_NOOP("database", "Bosnian"),
    VT_TR_NOOP("database", "Bislama"),      VT_TR_NOOP("database", "Bulgarian"),
    VT_TR_NOOP("database", "Catalan"),      VT_TR_NOOP("database", "Chechen"),
    VT_TR_NOOP("database", "Chinese"),      VT_TR_NOOP("database", "Creoles"),
    VT_TR_NOOP("database", "Croatian"),     VT_TR_NOOP("database", "Czech"),
    VT_TR_NOOP("database", "Danish"),       VT_TR_NOOP("database", "Dutch"),
    VT_TR_NOOP("database", "English"),      VT_TR_NOOP("database", "Estonian"),
    VT_TR_NOOP("database", "Finnish"),      VT_TR_NOOP("database", "French"),
    VT_TR_NOOP("database", "Georgian"),     VT_TR_NOOP("database", "German"),
    VT_TR_NOOP("database", "Greek"),        VT_TR_NOOP("database", "Hebrew"),
    VT_TR_NOOP("database", "Hungarian"),    VT_TR_NOOP("database", "Icelandic"),
    VT_TR_NOOP("database", "Indonesian"),   VT_TR_NOOP("database", "Irish"),
    VT_TR_NOOP("database", "Italian"),      VT_TR_NOOP("database", "Japanese"),
    VT_TR_NOOP("database", "Kabyle"),       VT_TR_NOOP("database", "Kazakh"),
    VT_TR_NOOP("database", "Korean"),       VT_TR_NOOP("database", "Kurdish"),
    VT_TR_NOOP("database", "Latvian"),      VT_TR_NOOP("database", "Lithuanian"),
    VT_TR_NOOP("database", "Ltzeburgesch"), VT_TR_NOOP("database", "Macedonian"),
    VT_TR_NOOP("database", "Mongolian"),    VT_TR_NOOP("database", "Norwegian"),
    VT_TR_NOOP("database", "Persian"),      VT_TR_NOOP("database", "Polish"),
    VT_TR_NOOP("database", "Portuguese"),   VT_TR_NOOP("database", "Romanian"),
    VT_TR_NOOP("database", "Russian"),      VT_TR_NOOP("database", "Serbian"),
    VT_TR_NOOP("database", "Spanish"),      VT_TR_NOOP("database", "Slovenia"),
    VT_TR_NOOP("database", "Swahili"),      VT_TR_NOOP("database", "Swedish"),
    VT_TR_NOOP("database", "Tatar"),        VT_TR_NOOP("database", "Thai"),
    VT_TR_NOOP("database", "Tibetan"),      VT_TR_NOOP("database", "Turkish"),
    VT_TR_NOOP("database", "Ukrainian"),    VT_TR_NOOP("database", "Urdu"),
    VT_TR_NOOP("database", "Uzbek"),        VT_TR_NOOP("database", "Vietnamese"),
    VT_TR_NOOP("database", "Philippine"),   VT_TR_NOOP("database", "Kongo")};

// Name of index v in a list, or `fallback` when v has no entry.
template <size_t N>
std::string_view NameOr(const std::array<std::string_view, N>& list, unsigned v,
                        std::string_view fallback = "?") {
    return v < N ? list[v] : fallback;
}

}  // namespace velmora
