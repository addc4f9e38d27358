#pragma once

// The languages the editor speaks, and which one a user gets: the one chosen in the
// editor's settings, else the first the environment names (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG, in the order gettext reads them), else English.

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

struct Language {
    const char* code;      // ISO 639-1, as in the catalogue's file name: velmora_de.qm
    const char* own_name;  // the name its speakers use, shown in the Language menu
};

// English first: it is the language of the sources and needs no catalogue.
std::span<const Language> Languages();

// The code of a language the editor speaks ("en" when none fits). `chosen` is the setting
// ("" for the system's default); `env` reads an environment variable ("" when unset).
std::string ChooseLanguage(std::string_view chosen,
                           const std::function<std::string(const char*)>& env);

}  // namespace velmora
