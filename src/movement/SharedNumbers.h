// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"
#include "Result.h"

#include <cstdint>
#include <optional>

namespace movement {

// Two pairs of the movement (as numbered in the scheme) that the cards would print under one
// number: Mitchell numbering of a movement with more tables than its offset gives a WE pair the
// number of a higher table's NS pair.
struct SharedNumber {
    int32_t number = 0;
    int32_t firstPair = 0;
    int32_t secondPair = 0;
};

// The lowest number two pairs that play somewhere in the movement would share under the
// numbering chosen now (the cards' rows, PairRowNumber); none when every pair has its own.
std::optional<SharedNumber> FindSharedNumber(const MovementState& state);

// Refused, naming the number and the two pairs with their round-1 seats, when two pairs would
// share a number: no card may show two pairs as one.
Outcome CheckNumbersDistinct(const MovementState& state);

}  // namespace movement
