// SPDX-License-Identifier: GPL-3.0-or-later
#include "Balance.h"
#include "CyclicSearch.h"
#include "PatternShortlist.h"
#include "movement/SchemeLine.h"

#include <gtest/gtest.h>

namespace schemelibrary {
namespace {

movement::SchemeMovement Read(const std::string& line) { return movement::ReadSchemeLine(line).value(); }

TEST(BalanceOfMovement, CountsSetsPlayedInTheSameDirection) {
    // One table, one round: the two pairs sit on opposite lines.
    const BalanceFigures alone = BalanceOfMovement(Read("1 1 1 2"));
    EXPECT_EQ(alone.pairsByCount, (std::map<int32_t, int64_t>{{0, 1}}));

    // Two tables sharing set 1: pairs 1 and 2 both NS, 3 and 4 both WE.
    const BalanceFigures shared = BalanceOfMovement(Read("1 2 1 3 2 4"));
    EXPECT_EQ(shared.pairsByCount, (std::map<int32_t, int64_t>{{0, 4}, {1, 2}}));
    EXPECT_EQ(shared.lowest, 0);
    EXPECT_EQ(shared.highest, 1);
    EXPECT_EQ(shared.sumOfSquares, 2);
    EXPECT_EQ(DescribeBalance(shared), "0-1 (0: 4, 1: 2)");
}

TEST(BalanceOfPattern, AgreesWithPlayingTheRoundsThrough) {
    // One rotation with one or many stationary pairs, two rotations, and a shared set.
    for (const auto& [rounds, tables] :
         std::vector<std::pair<int32_t, int32_t>>{{9, 5}, {8, 6}, {12, 7}, {6, 6}, {7, 7}, {5, 6}, {8, 9}}) {
        const MovementShape shape = *ShapeOf(rounds, tables);
        const PatternShortlist shortlist = ShortlistPatterns(shape);
        int seated = 0;
        for (const RankedPattern& ranked : shortlist.patterns) {
            const SearchResult result = FindCyclicMovement(shape, &ranked.pattern, 100'000);
            if (result.status != SearchStatus::Found) continue;
            const BalanceFigures played = BalanceOfMovement(Read(SchemeLineOf(shape, result.tables)));
            EXPECT_EQ(played, BalanceOfPattern(shape, ranked.pattern)) << rounds << " " << tables;
            EXPECT_EQ(KeyOf(played), ranked.key);
            if (++seated == 3) break;
        }
        EXPECT_GT(seated, 0) << rounds << " " << tables;
    }
}

TEST(BalanceOfPattern, EveryTwoPairsAreCountedAndEverySetHasAsManyNsAsWePlays) {
    for (const auto& [rounds, tables] : std::vector<std::pair<int32_t, int32_t>>{{11, 6}, {10, 7}, {9, 9}, {8, 9}}) {
        const MovementShape shape = *ShapeOf(rounds, tables);
        const DirectionPattern pattern = ShortlistPatterns(shape).patterns.front().pattern;
        int64_t combinations = 0;
        int64_t total = 0;
        for (const auto& [count, pairs] : BalanceOfPattern(shape, pattern).pairsByCount) {
            combinations += pairs;
            total += count * pairs;
        }
        EXPECT_EQ(combinations, tables * (2 * tables - 1));
        // Each set is played at T tables: T pairs NS, T pairs WE.
        EXPECT_EQ(total, int64_t{rounds} * tables * (tables - 1));
    }
}

TEST(ShortlistPatterns, CompleteHowellsAreEvenForAnEvenNumberOfTablesOnly) {
    for (int32_t tables = 4; tables <= 9; ++tables) {
        const MovementShape shape = *ShapeOf(2 * tables - 1, tables);
        const PatternShortlist shortlist = ShortlistPatterns(shape);
        ASSERT_TRUE(shortlist.everyPatternWeighed);
        EXPECT_EQ(SpreadLowerBound(shape), 0);
        EXPECT_EQ(shortlist.patterns.front().key.spread, tables % 2 == 0 ? 0 : 2) << tables;
    }
}

TEST(ShortlistPatterns, SymmetricImagesOfAPatternShareOneClass) {
    const MovementShape shape = *ShapeOf(7, 8);
    // Offsets 0, 1, 3 and 2, 4, 5 face NS, and so do both stationary pairs: 8 NS seats.
    const DirectionPattern pattern{{0b0001011, 0b0110100}, 2};
    const DirectionPattern canonical = CanonicalPattern(shape, pattern);
    const std::vector<DirectionPattern> images = {
        {{0b0010110, 0b1101000}, 2},  // both rotations turned by one
        {{0b0010110, 0b0110100}, 2},  // only the first turned
        {{0b0110100, 0b0001011}, 2},  // rotations exchanged
        {{0b1110100, 0b1001011}, 0},  // NS and WE swapped everywhere
        {{0b1000101, 0b0011010}, 2},  // offsets doubled: 0, 2, 6 and 4, 1, 3
    };
    for (const DirectionPattern& image : images) EXPECT_EQ(CanonicalPattern(shape, image), canonical);
    // 0, 1, 2 is an arithmetic progression, which no turning or unit makes of 0, 1, 3.
    EXPECT_NE(CanonicalPattern(shape, {{0b0000111, 0b0110100}, 2}), canonical);
}

TEST(SpreadPossible, AgreesWithWeighingEveryPattern) {
    for (const auto& [rounds, tables] : std::vector<std::pair<int32_t, int32_t>>{{8, 8}, {7, 8}, {9, 9}, {10, 11}}) {
        const MovementShape shape = *ShapeOf(rounds, tables);
        const PatternShortlist shortlist = ShortlistPatterns(shape);
        ASSERT_TRUE(shortlist.everyPatternWeighed);
        const int32_t best = shortlist.patterns.front().key.spread;
        EXPECT_LE(SpreadLowerBound(shape), best);
        EXPECT_EQ(SpreadPossible(shape, best - 1, 1'000'000'000), false) << rounds << " " << tables;
        EXPECT_EQ(SpreadPossible(shape, best, 1'000'000'000), true) << rounds << " " << tables;
    }
    EXPECT_EQ(SpreadPossible(*ShapeOf(8, 8), 4, 1), std::nullopt);
}

}  // namespace
}  // namespace schemelibrary
