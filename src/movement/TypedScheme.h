// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"
#include "Result.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace movement {

// Limits of a movement typed by hand.
constexpr int32_t MaxTypedTables = 24;
constexpr int32_t MaxTypedRounds = 23;

// One typed table as the cells hold it: NS pair, WE pair, board set.
using TypedRow = std::array<std::string, 3>;

// Checks a typed movement by playing all its rounds. Sets TableCount and RoundCount to the
// chosen counts and keeps them whatever the outcome; every refusal then sets RoundCount to 0.
// Seating 1..chosenTables receives the typed rows once the numbers and the pair numbering have
// passed, before the meeting and board-set checks. Row t - 1 is table t; a missing row reads as
// empty cells. Counts outside 1..24 tables and 1..23 rounds are refused with nothing changed.
Outcome ValidateScheme(MovementState& state, int32_t chosenTables, int32_t chosenRounds,
                       const std::vector<TypedRow>& rows);

// The end of typing: refused as "Niekompletne dane" with nothing changed until both counts are
// chosen, otherwise ValidateScheme.
Outcome FinishTypedScheme(MovementState& state, int32_t chosenTables, int32_t chosenRounds,
                          const std::vector<TypedRow>& rows);

}  // namespace movement
