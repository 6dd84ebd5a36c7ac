// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Balance.h"
#include "CyclicMovement.h"
#include "CyclicSearch.h"

#include <optional>
#include <vector>

namespace schemelibrary {

struct RankedPattern {
    DirectionPattern pattern;
    BalanceKey key;
};

// The most balanced direction patterns of a shape, best first, each standing for all patterns
// the symmetries of a cyclic round 1 map onto it (turning the offsets of a rotation, multiplying
// all numbers by a unit modulo R, exchanging the rotations, swapping NS and WE everywhere).
struct PatternShortlist {
    std::vector<RankedPattern> patterns;
    // Every pattern of the shape was weighed, so no round 1 of the shape is better balanced
    // than the first pattern.
    bool everyPatternWeighed = false;
    // No round 1 of the shape has a smaller spread than this (proved by weighing or refuting).
    int32_t smallestPossibleSpread = 0;
};

// Weighs every pattern when there are few enough (one rotation, or two of up to
// ExhaustivePairRounds rounds). Otherwise climbs from deterministic starting points, then sweeps
// every window of counts up to the climb's spread: the narrowest that fits holds every pattern
// of the smallest spread, unless a sweep runs out of work first.
PatternShortlist ShortlistPatterns(const MovementShape& shape);

constexpr int32_t ExhaustivePairRounds = 14;

// Whether some pattern of a two-rotation shape has every count within a window `spread` wide.
// Only masks whose own counts fit the window are paired, which keeps this fast for spreads below
// the best a climb finds. nullopt when more than workLimit pairs would have to be compared.
std::optional<bool> SpreadPossible(const MovementShape& shape, int32_t spread, int64_t workLimit);

// The pattern every symmetry class is known by: the smallest of its images.
DirectionPattern CanonicalPattern(const MovementShape& shape, const DirectionPattern& pattern);

}  // namespace schemelibrary
