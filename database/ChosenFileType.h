#pragma once
// The entry of a file dialog's type list that the user chose last, for each list of
// types: a save that writes the file differently by its type (a CSV with or without a
// byte-order mark) reads it once the dialog has closed, and the editor's dialog offers
// that type first the next time. Kept for the run.

#include <map>
#include <string>

namespace velmora {

inline std::map<std::string, int>& ChosenFileTypes() {
    static std::map<std::string, int> chosen;
    return chosen;
}

// `filter` is the list as FileChoice::filter gives it; `index` counts its entries from 0.
inline void RememberChosenFileType(const std::string& filter, int index) {
    ChosenFileTypes()[filter] = index;
}

// 0, the first entry, until one was chosen.
inline int ChosenFileType(const std::string& filter) {
    const auto it = ChosenFileTypes().find(filter);
    return it == ChosenFileTypes().end() ? 0 : it->second;
}

}  // namespace velmora
