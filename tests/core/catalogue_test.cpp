// The catalogues keep up with the sources: lupdate run over today's sources finds no text
// without a finished translation, and each translation keeps what the program fills in or
// the user presses (numbered arguments, the mnemonic, a menu entry's shortcut).

#include <gtest/gtest.h>

#include <filesystem>
#include <pugixml.hpp>
#include <regex>
#include <set>

#include "core/TestDatabases.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::multiset<std::string> Arguments(const std::string& text) {
    static const std::regex argument("%[1-9]");
    std::multiset<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), argument);
         it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

int Mnemonics(const std::string& text) {
    int n = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;  // "&&" is an ampersand
        } else if (text[i + 1] != ' ') {
            ++n;
        }
    }
    return n;
}

std::string Shortcut(const std::string& text) {
    const std::size_t tab = text.find('\t');
    return tab == std::string::npos ? std::string() : text.substr(tab);
}

// What is wrong with one message, or "".
std::string Fault(const std::string& source, const pugi::xml_node& translation) {
    const std::string text = translation.child_value();
    const std::string type = translation.attribute("type").value();
    if (type == "unfinished" || text.empty()) return "has no finished translation";
    if (Arguments(source) != Arguments(text)) return "changes the numbered arguments";
    if (Mnemonics(source) != Mnemonics(text)) return "adds or drops the mnemonic (&)";
    if (Shortcut(source) != Shortcut(text)) return "changes the shortcut after the tab";
    return {};
}

TEST(Catalogues, EveryTextOfTheSourcesIsTranslatedKeepingArgumentsMnemonicAndShortcut) {
#ifndef VELMORA_LUPDATE
    GTEST_SKIP() << "built without the editor";
#else
    const fs::path source_dir = VELMORA_SOURCE_DIR;
    testing::TempDir dir;
    std::string catalogues;
    std::vector<fs::path> copies;
    for (const auto& entry : fs::directory_iterator(source_dir / "translations")) {
        if (entry.path().extension() != ".ts") continue;
        copies.emplace_back(dir / entry.path().filename().string());
        fs::copy_file(entry.path(), copies.back());
        catalogues += " '" + copies.back().string() + "'";
    }
    ASSERT_FALSE(catalogues.empty());
    const std::string update = "LUPDATE='" VELMORA_LUPDATE "' bash '" +
                               (source_dir / "tools/update-translations.sh").string() + "'" +
                               catalogues;
    ASSERT_EQ(std::system(update.c_str()), 0) << update;

    for (const fs::path& copy : copies) {
        const std::string name = copy.filename().string();
        pugi::xml_document ts;
        ASSERT_TRUE(ts.load_file(copy.c_str())) << name;
        int faults = 0;
        for (const pugi::xml_node context : ts.child("TS").children("context")) {
            for (const pugi::xml_node message : context.children("message")) {
                const std::string source = message.child_value("source");
                const std::string fault = Fault(source, message.child("translation"));
                if (fault.empty()) continue;
                if (++faults <= 10)
                    ADD_FAILURE() << name << ": \"" << source << "\" ("
                                  << context.child_value("name") << ") " << fault;
            }
        }
        EXPECT_EQ(faults, 0) << name
                             << ": run tools/update-translations.sh and translate what it adds";
    }
#endif
}

}  // namespace
}  // namespace velmora
