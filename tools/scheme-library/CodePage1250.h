// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace schemelibrary {

// UTF-8 text as code page 1250 bytes, for ASCII and the Polish letters; nullopt for any other
// character, so that a heading can never carry bytes the program would show wrongly.
std::optional<std::string> ToCodePage1250(std::string_view utf8);

}  // namespace schemelibrary
