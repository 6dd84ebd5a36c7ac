#pragma once

#include "MovementState.h"
#include "Outcome.h"

#include <cstdint>
#include <vector>

namespace movement {

// The checks that make a round 1 a sound movement when every later round follows by the fixed
// rotation. tables[t - 1] is table t.

// The pair numbers are exactly 1..2T, each once.
Outcome CheckPairNumbering(const std::vector<TableSeat>& tables);

// Plays all rounds: no two pairs may meet twice, and every pair 1..2T must play every board set
// 1..rounds exactly once. Numbers outside those ranges are never counted, so they fail here.
// Refused without playing when rounds lie outside 1..99 or tables outside 1..48.
Outcome CheckRounds(int32_t rounds, const std::vector<TableSeat>& tables);

// Both, in that order.
Outcome CheckMovement(int32_t rounds, const std::vector<TableSeat>& tables);

}  // namespace movement
