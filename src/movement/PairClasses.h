// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace movement {

// How a pair number travels through a movement of R rounds and T tables: pairs 1..R rotate,
// pairs R+1..2R form a second rotation when T >= R, and every other pair keeps its seat.
enum class PairClass { FirstRotation, SecondRotation, Stationary };

PairClass ClassifyPair(int32_t roundCount, int32_t tableCount, int32_t pair);

// The running value of a rotation in round `round` (from 1): it starts at `start`, steps to
// `low` when it is above `high`, and grows by one per round. With low <= start <= high this
// is low + (start - low + round - 1) mod (high - low + 1).
int32_t RotationValue(int32_t start, int32_t round, int64_t low, int64_t high);

}  // namespace movement
