// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"
#include "Result.h"
#include "SchemeLine.h"

#include <cstdint>
#include <string_view>
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

// Both, in that order, on the sets as the cards play them (RoundOneBoardSet): a scheme line's
// set beyond the rounds is set 1. A typed scheme is checked as typed (CheckRounds).
Outcome CheckMovement(int32_t rounds, const std::vector<TableSeat>& tables);

// The first fault of a movement, said so that the director can find it: which pair is seated
// twice or not at all, which two pairs meet twice and in which rounds, which pair plays a set
// twice or never. Accepted when CheckMovement accepts; otherwise refused with CheckMovement's
// message followed by the detail.
Outcome DiagnoseMovement(int32_t rounds, const std::vector<TableSeat>& tables);

// A scheme line read as a chosen line is, then played through both checks: its movement, or
// the first reason it cannot be used or is no sound movement.
Result<SchemeMovement> CheckSchemeLine(std::string_view line);

}  // namespace movement
