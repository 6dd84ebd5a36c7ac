// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodePage1250.h"

#include <array>
#include <cstdint>

namespace schemelibrary {

namespace {

struct Letter {
    char32_t codePoint;
    unsigned char byte;
};

// clang-format off: capitals in one line pair, small letters in the next
constexpr std::array<Letter, 18> PolishLetters = {{
    {U'Ą', 0xA5},
    {U'Ć', 0xC6},
    {U'Ę', 0xCA},
    {U'Ł', 0xA3},
    {U'Ń', 0xD1},
    {U'Ó', 0xD3},
    {U'Ś', 0x8C},
    {U'Ź', 0x8F},
    {U'Ż', 0xAF},
    {U'ą', 0xB9},
    {U'ć', 0xE6},
    {U'ę', 0xEA},
    {U'ł', 0xB3},
    {U'ń', 0xF1},
    {U'ó', 0xF3},
    {U'ś', 0x9C},
    {U'ź', 0x9F},
    {U'ż', 0xBF},
}};
// clang-format on

}  // namespace

std::optional<std::string> ToCodePage1250(std::string_view utf8) {
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            bytes.push_back(static_cast<char>(lead));
            ++i;
            continue;
        }
        // Every Polish letter takes two bytes in UTF-8.
        if ((lead & 0xE0) != 0xC0 || i + 1 >= utf8.size()) return std::nullopt;
        const auto next = static_cast<unsigned char>(utf8[i + 1]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        const char32_t codePoint = (char32_t{lead & 0x1Fu} << 6) | (next & 0x3Fu);
        bool known = false;
        for (const Letter& letter : PolishLetters) {
            if (letter.codePoint != codePoint) continue;
            bytes.push_back(static_cast<char>(letter.byte));
            known = true;
        }
        if (!known) return std::nullopt;
        i += 2;
    }
    return bytes;
}

}  // namespace schemelibrary
