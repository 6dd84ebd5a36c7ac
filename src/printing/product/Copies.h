// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace printing {

// How many copies a run prints itself: the whole run again and again (collated), or each page's
// copies one after another. A queue prints its copies itself; a file holds them all.
struct Copies {
    int32_t count = 1;
    bool collated = true;
};
constexpr int32_t MaxCopies = 999;

}  // namespace printing
