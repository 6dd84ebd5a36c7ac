// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace movement {

// The decimal text of n right-aligned with spaces in a field of the given width; a longer
// text is written whole.
std::string PadLeft(const std::string& text, std::size_t width);
std::string RightAligned(int64_t n, std::size_t width);

// The field width that lists and cards use: one more leading space for a one-digit value, so
// that one- and two-digit values take the same room in a face whose digits are two spaces wide.
inline std::size_t FieldWidth(int64_t value, std::size_t narrowWidth) {
    return value < 10 ? narrowWidth + 1 : narrowWidth;
}

}  // namespace movement
