// SPDX-License-Identifier: GPL-3.0-or-later
#include "CyclicSearch.h"
#include "movement/MovementCheck.h"
#include "movement/SchemeLine.h"

#include <gtest/gtest.h>

namespace schemelibrary {
namespace {

constexpr CyclicSeat First(int32_t p) { return {SeatKind::FirstRotation, p}; }
constexpr CyclicSeat Second(int32_t p) { return {SeatKind::SecondRotation, p}; }
constexpr CyclicSeat Stationary() { return {}; }

movement::Result<movement::SchemeMovement> PlayedThrough(const std::string& line) {
    return movement::CheckSchemeLine(line);
}

TEST(SchemeLineOf, WritesOneSlotPerSetWithZerosForSetsNoTableStartsOn) {
    // 5 rounds, 3 tables: pair 6 stationary, tables on sets 1, 3 and 5.
    const std::vector<CyclicTable> tables = {{4, First(2), First(3)},
                                             {0, Stationary(), First(0)},
                                             {2, First(1), First(4)}};
    EXPECT_EQ(SchemeLineOf(*ShapeOf(5, 3), tables), "5 3 6 1 0 2 5 0 3 4");
}

TEST(SchemeLineOf, PutsTheTableSharingSetOneLastAndNumbersStationaryPairsInTableOrder) {
    const std::vector<CyclicTable> tables = {{0, Stationary(), Stationary(), true},
                                             {0, First(0), Second(0)},
                                             {1, First(1), Second(1)},
                                             {2, First(2), Second(2)}};
    const std::string line = SchemeLineOf(*ShapeOf(3, 4), tables);
    EXPECT_EQ(line, "3 4 1 4 2 5 3 6 7 8");
    EXPECT_EQ(movement::ReadSchemeLine(line).value().Tables.back(), (movement::TableSeat{7, 8, 1}));
}

TEST(ShapeOf, RefusesSizesNoSchemeLineCanHold) {
    EXPECT_FALSE(ShapeOf(3, 5));   // tables 1..4 would need four different sets
    EXPECT_FALSE(ShapeOf(10, 4));  // 8 pairs cannot fill a rotation of 10
    const MovementShape shared = *ShapeOf(5, 6);
    EXPECT_EQ(shared.rotations, 2);
    EXPECT_EQ(shared.stationary, 2);
    EXPECT_TRUE(shared.sharedSet);
}

TEST(FindCyclicMovement, FindsRoundOnesThatPlayThroughForEveryKindOfSize) {
    for (const auto& [rounds, tables] : std::vector<std::pair<int32_t, int32_t>>{
             {7, 4}, {13, 7}, {4, 3}, {10, 6}, {12, 7}, {1, 2}, {4, 4}, {3, 4}, {7, 7}, {6, 7}, {12, 13}}) {
        const MovementShape shape = *ShapeOf(rounds, tables);
        const SearchResult result = FindCyclicMovement(shape, nullptr, 1'000'000);
        ASSERT_EQ(result.status, SearchStatus::Found) << rounds << " " << tables;
        const std::string line = SchemeLineOf(shape, result.tables);
        EXPECT_TRUE(PlayedThrough(line).accepted()) << line;
    }
}

TEST(FindCyclicMovement, ExhaustsTheSizesThatHaveNoRoundOne) {
    // (5,4), (7,6), (9,8): R = T + 1 odd, refuted by the offset sum as well.
    for (const auto& [rounds, tables] :
         std::vector<std::pair<int32_t, int32_t>>{{2, 2}, {3, 3}, {2, 3}, {6, 4}, {8, 5}, {5, 4}, {7, 6}, {9, 8}}) {
        const SearchResult result = FindCyclicMovement(*ShapeOf(rounds, tables), nullptr, 1'000'000);
        EXPECT_EQ(result.status, SearchStatus::None) << rounds << " " << tables;
    }
}

TEST(FindCyclicMovement, GivesUpWhenTheNodeLimitRunsOut) {
    const SearchResult result = FindCyclicMovement(*ShapeOf(13, 12), nullptr, 1000);
    EXPECT_EQ(result.status, SearchStatus::GaveUp);
    EXPECT_TRUE(result.tables.empty());
}

TEST(FindCyclicMovement, SeatsPairsTheWayAPatternSays) {
    // 7 rounds, 4 tables. NS seats at offsets 1, 2 and 4 (the squares mod 7), the stationary
    // pair NS: every rotating pair then faces NS on three sets.
    const MovementShape shape = *ShapeOf(7, 4);
    const DirectionPattern squares{{0b0010110, 0}, 1};
    const SearchResult result = FindCyclicMovement(shape, &squares, 1'000'000);
    ASSERT_EQ(result.status, SearchStatus::Found);
    for (const CyclicTable& table : result.tables) {
        if (table.northSouth.kind == SeatKind::Stationary) continue;
        const int32_t offset = ((table.set - table.northSouth.pair) % 7 + 7) % 7;
        EXPECT_TRUE((squares.north[0] >> offset) & 1u) << "offset " << offset;
    }
    // Five NS seats cannot be spread over four tables.
    const DirectionPattern tooMany{{0b0001111, 0}, 1};
    EXPECT_EQ(FindCyclicMovement(shape, &tooMany, 1'000'000).status, SearchStatus::None);
}

}  // namespace
}  // namespace schemelibrary
