// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"

#include <cstdint>

namespace movement {

// Where a pair sits in round 1: the first table with it as NS pair, or else the last table with
// it as WE pair. table is 0 when it is seated nowhere.
struct SeatFound {
    int32_t table = 0;
    bool northSouth = false;
};

SeatFound FindRoundOneSeat(const MovementState& state, int64_t pair);

}  // namespace movement
