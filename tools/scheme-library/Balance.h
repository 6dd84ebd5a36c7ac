// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CyclicMovement.h"
#include "CyclicSearch.h"
#include "movement/DirectionBalance.h"
#include "movement/SchemeLine.h"

#include <cstdint>
#include <string>

namespace schemelibrary {

// For every two pairs: on how many board sets they sat in the same direction, as the movement
// sheet prints it.
using movement::BalanceFigures;

// What ranks two movements of one size: their spread, then their sum of squares.
struct BalanceKey {
    int32_t spread = 0;
    int64_t sumOfSquares = 0;

    friend auto operator<=>(const BalanceKey&, const BalanceKey&) = default;
};
// Ordered by balance: smaller spread first, then the smaller sum of squares (the counts closer
// to their mean).
BalanceKey KeyOf(const BalanceFigures& figures);

// Plays every round of a movement as the program does and counts. Sets a pair never plays do
// not count.
BalanceFigures BalanceOfMovement(const movement::SchemeMovement& movement);

// The same figures straight from the directions of a round 1 of the given shape.
BalanceFigures BalanceOfPattern(const MovementShape& shape, const DirectionPattern& pattern);

// The key alone, cheaply enough to weigh millions of patterns.
BalanceKey KeyOfPattern(const MovementShape& shape, const DirectionPattern& pattern);

// "6-8 (6: 13, 7: 52, 8: 26)": lowest to highest, and how many combinations have each count.
std::string DescribeBalance(const BalanceFigures& figures);

// The smallest spread any movement of the shape can have by a counting argument: the counts'
// mean is fixed, and so is a floor under their variance, since 2T sign vectors of R entries
// that cancel on every set cannot all be nearly orthogonal.
int32_t SpreadLowerBound(const MovementShape& shape);

}  // namespace schemelibrary
