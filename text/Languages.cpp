#include "text/Languages.h"

#include <array>

namespace velmora {
namespace {

constexpr std::array kLanguages{
    Language{"en", "English"},  Language{"de", "Deutsch"}, Language{"fr", "Français"},
    Language{"it", "Italiano"}, Language{"es", "Español"}, Language{"nl", "Nederlands"},
    Language{"pl", "Polski"},   Language{"tr", "Türkçe"},
};

// "de_AT.UTF-8@euro" -> "de"; a language the editor does not speak -> "".
std::string Spoken(std::string_view locale) {
    const std::string_view code = locale.substr(0, locale.find_first_of("_.@-"));
    for (const Language& l : kLanguages) {
        if (code == l.code) return l.code;
    }
    return {};
}

}  // namespace

std::span<const Language> Languages() {
    return kLanguages;
}

std::string ChooseLanguage(std::string_view chosen,
                           const std::function<std::string(const char*)>& env) {
    if (std::string code = Spoken(chosen); !code.empty()) return code;
    // gettext's order: LC_ALL or LC_MESSAGES or LANG name the locale; LANGUAGE, a list of
    // preferences, counts only when a locale other than "C" is set.
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = env(name);
        if (!locale.empty()) break;
    }
    if (locale.empty() || locale == "C" || locale == "POSIX") return "en";
    const std::string preferences = env("LANGUAGE");
    for (std::string_view rest = preferences; !rest.empty();) {
        const std::size_t colon = rest.find(':');
        if (std::string code = Spoken(rest.substr(0, colon)); !code.empty()) return code;
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
    }
    if (std::string code = Spoken(locale); !code.empty()) return code;
    return "en";
}

}  // namespace velmora
