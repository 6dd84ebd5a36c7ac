// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchemeNumbers.h"

#include <limits>

namespace movement {

std::optional<int32_t> SchemeNumberValue(std::string_view token) {
    int64_t value = 0;
    for (char c : token) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

}  // namespace movement
