// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AbsentPair.h"
#include "MovementState.h"

#include <cstdint>
#include <map>
#include <vector>

namespace movement {

// For every two pairs: on how many board sets they sat in the same direction (both NS or both
// WE). The fewer distinct values, the fairer a single score table across the field.
struct BalanceFigures {
    int32_t lowest = 0;
    int32_t highest = 0;
    std::map<int32_t, int64_t> pairsByCount;  // count -> how many two-pair combinations have it
    int64_t sumOfSquares = 0;                 // the counts' total is fixed by the size

    int32_t spread() const { return highest - lowest; }

    friend bool operator==(const BalanceFigures&, const BalanceFigures&) = default;
};

// The figures of a count of combinations by agreement; counts of no combination are left out.
BalanceFigures BalanceFromCounts(const std::map<int32_t, int64_t>& pairsByCount);

// Which two-pair combinations the figures count. Two stationary pairs sit in the same direction
// on every set or on none, as the movement's shape fixes it; in a shortened Howell, with many
// stationary pairs, they alone make the lowest and the highest count and hide the others.
enum class BalanceOf { AllPairs, NotBothStationary };

// The pairs 1..2T that keep one table and one direction in every round of two rounds or more.
std::vector<int32_t> StationaryPairs(int32_t rounds, const std::vector<TableSeat>& tables);

// Plays every round from round 1 (tables[t - 1] is table t) and counts for pairs 1..2T. Sets a
// pair never plays do not count; nor does the set a pair sits out against the absent pair, who
// is left out of the combinations. No figures for rounds outside 1..99 or tables outside 1..48.
BalanceFigures DirectionBalance(int32_t rounds, const std::vector<TableSeat>& tables, int32_t absentPair = NoAbsentPair,
                                BalanceOf combinations = BalanceOf::AllPairs);

}  // namespace movement
