#include "exchange/SpreadsheetNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace velmora {
namespace {

// Month names as spreadsheets write them in dates, English and German, lower case.
constexpr std::array<std::string_view, 17> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                      "jul", "aug", "sep", "oct", "nov", "dec",
                                                      "mär", "mrz", "mai", "okt", "dez"};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of a number as a spreadsheet writes or reads one: sign, digits, one decimal
// point or comma, an exponent. Nothing else may be in the text.
std::optional<double> NumberValue(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || !(IsDigit(text.front()) || text.front() == '-' || text.front() == '.' ||
                          text.front() == ','))
        return std::nullopt;
    std::string plain(text);
    if (plain.find('.') == std::string::npos) {
        for (char& c : plain) {
            if (c == ',') c = '.';
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return value;
}

// Digits in two or three groups joined by '/', '-' or '.' (a trailing '.' allowed):
// what a spreadsheet takes for a day and a month.
bool LooksLikeDateInput(std::string_view text) {
    text = Trimmed(text);
    if (!text.empty() && text.back() == '.') text.remove_suffix(1);
    int groups = 0;
    char separator = 0;
    size_t i = 0;
    while (i < text.size()) {
        const size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (i == start || i - start > 4) return false;
        ++groups;
        if (i == text.size()) break;
        const char c = text[i];
        if (c != '/' && c != '-' && c != '.') return false;
        if (separator != 0 && c != separator) return false;
        separator = c;
        ++i;
        if (i == text.size()) return false;
    }
    return groups == 2 || groups == 3;
}

// Digits, date separators and blanks, with at most a month name among them.
bool LooksLikeDate(std::string_view text) {
    text = Trimmed(text);
    bool digit = false;
    bool month = false;
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (IsDigit(text[i])) {
            digit = true;
            ++i;
        } else if (c == '/' || c == '-' || c == '.' || c == ' ' || c == ',') {
            ++i;
        } else {
            size_t end = i;
            while (end < text.size() && (std::isalpha(static_cast<unsigned char>(text[end])) ||
                                         static_cast<unsigned char>(text[end]) >= 0x80))
                ++end;
            if (month || end == i) return false;
            std::string word(text.substr(i, end - i));
            for (char& w : word) w = static_cast<char>(std::tolower(static_cast<unsigned char>(w)));
            bool known = false;
            for (std::string_view m : kMonths) known = known || word.rfind(m, 0) == 0;
            if (!known) return false;
            month = true;
            i = end;
        }
    }
    return digit;
}

}  // namespace

bool LooksConvertedBySpreadsheet(std::string_view old_name, std::string_view new_name) {
    if (old_name == new_name) return false;
    // A formula is replaced by what it computes.
    if (Trimmed(old_name).starts_with('=') && !Trimmed(new_name).starts_with('=')) return true;
    const std::optional<double> old_number = NumberValue(old_name);
    const std::optional<double> new_number = NumberValue(new_name);
    if (old_number && new_number) {
        const double scale = std::max(std::fabs(*old_number), 1.0);
        if (std::fabs(*old_number - *new_number) <= scale * 1e-5) return true;
    }
    // A date is written back in the locale's form, or as the day's serial number.
    // Between two numbers only the value tells ("3.4" may be a date in one locale and a
    // number in another).
    if (old_number && new_number) return false;
    return LooksLikeDateInput(old_name) && (LooksLikeDate(new_name) || new_number.has_value());
}

}  // namespace velmora
