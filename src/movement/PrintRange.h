// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"
#include "Text.h"

#include <cstdint>
#include <string>

namespace movement {

// The tables a print covers: first..last, none when last < first.
struct PrintRange {
    int32_t first = 1;
    int32_t last = 0;

    int32_t Count() const { return last < first ? 0 : last - first + 1; }
};

// The director's range in either order, kept within the movement's tables; none without a movement.
PrintRange ClampPrintRange(const MovementState& state, int32_t first, int32_t last);

// "4 stoły", "7 rund": a count and its noun in the form the number asks for.
std::string TablesCounted(const Catalogue& words, int64_t tables);
std::string RoundsCounted(const Catalogue& words, int64_t rounds);

// What every print job's name starts with: "Rozstawiki 7 rund 4 stoły"; "Rozstawiki" alone
// without a movement.
std::string MovementTitle(const Catalogue& words, const MovementState& state);

// The name of a print job, the same wherever the cards are printed, so that a print queue or a PDF
// reader shows what it holds: "Rozstawiki 7 rund 4 stoły, stoły 1-4", or "…, stół 3" for one card.
std::string PrintJobTitle(const Catalogue& words, const MovementState& state, int32_t first, int32_t last);

}  // namespace movement
