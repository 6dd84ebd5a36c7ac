// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"

#include <cstdint>
#include <vector>

namespace movement {

// Round r as the table cards print it: the pairs and the board set at every table,
// seats[t - 1] for table t.
std::vector<TableSeat> SeatsInRound(const MovementState& state, int32_t r);

// One round of one pair: where it sits, whom it meets and which set it plays.
struct PairSeat {
    int32_t Round = 0;
    int32_t Table = 0;
    bool NorthSouth = false;
    int32_t Opponent = 0;  // as numbered in the scheme
    int32_t BoardSet = 0;

    friend bool operator==(const PairSeat&, const PairSeat&) = default;
};

// The whole tournament of one pair, as numbered in the scheme.
struct PairSchedule {
    int32_t Pair = 0;
    // In order of rounds, then of tables: a movement that fails the checks may seat a pair
    // twice in a round or not at all, and the table cards then say so too.
    std::vector<PairSeat> Seats;
    // At one table in one direction in every round of a movement of two rounds or more.
    bool Stationary = false;
};

// The schedules of pairs 1..2T, pair p at index p - 1.
std::vector<PairSchedule> PairSchedules(const MovementState& state);

}  // namespace movement
