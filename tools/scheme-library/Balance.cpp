// SPDX-License-Identifier: GPL-3.0-or-later
#include "Balance.h"

#include "Residues.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <map>

namespace schemelibrary {

namespace {

// pairs of pairs by count, counts 0..R
using PatternHistogram = std::array<int64_t, MaxSearchRounds + 1>;

PatternHistogram HistogramOf(const MovementShape& shape, const DirectionPattern& pattern) {
    const Residues z(shape.rounds);
    const int32_t r = shape.rounds;
    PatternHistogram pairsByCount{};

    // Two pairs of one rotation, d apart, agree wherever the pattern agrees with itself shifted by d.
    for (int c = 0; c < shape.rotations; ++c) {
        const uint32_t north = pattern.north[c];
        for (int32_t d = 1; 2 * d <= r; ++d) {
            const int32_t same = r - std::popcount(north ^ z.Shift(north, d));
            pairsByCount[same] += 2 * d == r ? r / 2 : r;
        }
    }
    if (shape.rotations == 2) {
        for (int32_t d = 0; d < r; ++d)
            pairsByCount[r - std::popcount(pattern.north[0] ^ z.Shift(pattern.north[1], d))] += r;
    }

    // A stationary pair always faces one way, so it agrees with a rotating pair on as many sets
    // as that rotation has seats facing the same way, and with another stationary pair on all
    // sets or none.
    const int64_t facingNorth = pattern.stationaryNorth;
    const int64_t facingWest = shape.stationary - pattern.stationaryNorth;
    for (int c = 0; c < shape.rotations; ++c) {
        const int32_t northSeats = std::popcount(pattern.north[c]);
        pairsByCount[northSeats] += facingNorth * r;
        pairsByCount[r - northSeats] += facingWest * r;
    }
    pairsByCount[r] += facingNorth * (facingNorth - 1) / 2 + facingWest * (facingWest - 1) / 2;
    pairsByCount[0] += facingNorth * facingWest;
    return pairsByCount;
}

}  // namespace

BalanceKey KeyOf(const BalanceFigures& figures) { return {figures.spread(), figures.sumOfSquares}; }

BalanceFigures BalanceOfMovement(const movement::SchemeMovement& played) {
    return movement::DirectionBalance(played.RoundCount, played.Tables);
}

BalanceFigures BalanceOfPattern(const MovementShape& shape, const DirectionPattern& pattern) {
    const PatternHistogram histogram = HistogramOf(shape, pattern);
    std::map<int32_t, int64_t> pairsByCount;
    for (int32_t count = 0; count <= shape.rounds; ++count) pairsByCount[count] = histogram[count];
    return movement::BalanceFromCounts(pairsByCount);
}

BalanceKey KeyOfPattern(const MovementShape& shape, const DirectionPattern& pattern) {
    const PatternHistogram histogram = HistogramOf(shape, pattern);
    BalanceKey key;
    int32_t lowest = -1;
    int32_t highest = 0;
    for (int32_t count = 0; count <= shape.rounds; ++count) {
        if (histogram[count] == 0) continue;
        if (lowest < 0) lowest = count;
        highest = count;
        key.sumOfSquares += histogram[count] * count * count;
    }
    key.spread = highest - lowest;
    return key;
}

std::string DescribeBalance(const BalanceFigures& figures) {
    std::string text = std::to_string(figures.lowest);
    if (figures.highest != figures.lowest) {
        text += '-';
        text += std::to_string(figures.highest);
    }
    text += " (";
    bool first = true;
    for (const auto& [count, pairs] : figures.pairsByCount) {
        if (!first) text += ", ";
        first = false;
        text += std::to_string(count) + ": " + std::to_string(pairs);
    }
    return text + ")";
}

int32_t SpreadLowerBound(const MovementShape& shape) {
    // Pair p as a vector of R signs (+1 NS, -1 WE per set). Every set is played as often NS as
    // WE, so the vectors sum to zero; their Gram matrix then has rank at most min(R, 2T - 1) and
    // trace 2T R, which bounds the sum of squared inner products from below.
    const double r = shape.rounds;
    const double n = 2.0 * shape.tables;
    const double combinations = n * (n - 1) / 2;
    const double rank = std::min(r, n - 1);
    const double innerSum = -shape.tables * r;
    const double innerSquares = ((n * r) * (n * r) / rank - n * r * r) / 2;
    // A count is (R + inner product) / 2.
    const double mean = (combinations * r + innerSum) / 2 / combinations;
    const double meanSquare = (combinations * r * r + 2 * r * innerSum + innerSquares) / 4 / combinations;
    const double variance = meanSquare - mean * mean;
    const double tolerance = 1e-9;

    // Values within [low, low + w] around a given mean have a variance of at most
    // (low + w - mean)(mean - low).
    for (int32_t spread = 0;; ++spread) {
        for (int32_t low = static_cast<int32_t>(std::floor(mean)) - spread; low <= std::floor(mean); ++low) {
            const double high = low + spread;
            if (high + tolerance < mean) continue;
            if ((high - mean) * (mean - low) + tolerance >= variance) return spread;
        }
    }
}

}  // namespace schemelibrary
