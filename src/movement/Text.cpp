// SPDX-License-Identifier: GPL-3.0-or-later
#include "Text.h"

namespace movement {

std::string Filled(std::string_view pattern, const std::vector<std::string>& arguments, std::optional<int64_t> count) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char c = pattern[at];
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        if (c == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < arguments.size()) {
            text += arguments[static_cast<std::size_t>(next - '1')];
            ++at;
        } else if (c == '%' && next == 'n' && count) {
            text += std::to_string(*count);
            ++at;
        } else {
            text += c;
        }
    }
    return text;
}

std::string Catalogue::Say(const Text& text) const {
    const std::optional<std::string> pattern = Pattern(text.id, text.count);
    return Filled(pattern ? std::string_view(*pattern) : std::string_view(text.id.source), text.arguments, text.count);
}

}  // namespace movement
