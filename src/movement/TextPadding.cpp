// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextPadding.h"

namespace movement {

std::string PadLeft(const std::string& text, std::size_t width) {
    if (text.size() >= width) return text;
    return std::string(width - text.size(), ' ') + text;
}

std::string RightAligned(int64_t n, std::size_t width) { return PadLeft(std::to_string(n), width); }

}  // namespace movement
