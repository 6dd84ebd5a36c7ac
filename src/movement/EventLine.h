// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace movement {

// The line every page carries when the director names the event: the club, the event, the date,
// whatever was typed. Nothing for none.
constexpr std::size_t MaxEventCharacters = 300;  // more never fits one line of any paper

// The event as one printed line: every control character (a tab, a line break) a space, the
// spaces around it dropped, at most MaxEventCharacters characters, and an ellipsis after them
// where it was longer. Empty for a text of spaces only, which then prints no line.
std::string EventLine(std::string_view typed);

}  // namespace movement
