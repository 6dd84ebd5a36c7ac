// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace movement {

// The value of a number in a scheme line: its leading decimal digits, 0 when it has none
// (so "12abc" is 12 and "x" or "" is 0). No sign is read. nullopt when the digits exceed the
// signed 32-bit range.
std::optional<int32_t> SchemeNumberValue(std::string_view token);

}  // namespace movement
