// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventLine.h"

#include <array>

namespace movement {

namespace {

// Characters that break or control a line, in UTF-8: C1's next line, the line and paragraph
// separators. The C0 controls and DEL are single bytes.
constexpr std::array<std::string_view, 3> LineBreakers = {"\xC2\x85", "\xE2\x80\xA8", "\xE2\x80\xA9"};

std::size_t LineBreakerAt(std::string_view text, std::size_t at) {
    for (const std::string_view breaker : LineBreakers)
        if (text.substr(at, breaker.size()) == breaker) return breaker.size();
    const auto unit = static_cast<unsigned char>(text[at]);
    return unit < 0x20 || unit == 0x7F ? 1 : 0;
}

}  // namespace

std::string EventLine(std::string_view typed) {
    std::string line;
    std::size_t characters = 0;
    bool cut = false;
    for (std::size_t at = 0; at < typed.size();) {
        const bool starts = (static_cast<unsigned char>(typed[at]) & 0xC0) != 0x80;  // a character starts here
        if (starts && ++characters > MaxEventCharacters) {
            cut = true;
            break;
        }
        if (const std::size_t breaker = LineBreakerAt(typed, at); breaker > 0) {
            line += ' ';
            at += breaker;
            continue;
        }
        line += typed[at++];
    }
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(' ') - first + 1) + (cut ? "\u2026" : "");
}

}  // namespace movement
