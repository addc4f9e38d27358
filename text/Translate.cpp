#include "text/Translate.h"

#include <atomic>
#include <vector>

namespace velmora {
namespace {
std::atomic<Translator> installed{nullptr};
}

void SetTranslator(Translator translator) {
    installed.store(translator);
}

std::string Translate(const char* context, const char* text) {
    const Translator t = installed.load();
    return t ? t(context, text) : std::string(text);
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(pattern.size() + 16 * values.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const char next = pattern[i + 1];
            if (next == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (next >= '1' && next <= '9' && std::size_t(next - '1') < values.size()) {
                out += values[next - '1'];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace velmora
