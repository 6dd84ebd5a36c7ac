// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace movement {

// A number typed into a grid cell: optional leading spaces, an optional "+" or "-", then one or
// more decimal digits up to the end, within the signed 32-bit range. Anything else (an empty
// cell, a trailing space, hexadecimal forms) is no integer.
std::optional<int32_t> ParseTypedInteger(std::string_view text);

}  // namespace movement
