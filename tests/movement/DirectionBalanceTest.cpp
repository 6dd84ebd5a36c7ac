// SPDX-License-Identifier: GPL-3.0-or-later
#include "movement/DirectionBalance.h"
#include "movement/SchemeLine.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace movement {
namespace {

TEST(DirectionBalance, ThePairThatMeetsTheAbsentOneSitsThatSetOut) {
    // One round on two tables sharing set 1: pairs 1 and 2 NS, 3 and 4 WE.
    const std::vector<TableSeat> tables = {{1, 3, 1}, {2, 4, 1}};
    EXPECT_EQ(DirectionBalance(1, tables).pairsByCount, (std::map<int32_t, int64_t>{{0, 4}, {1, 2}}));
    // Pair 4 absent: pair 2 sits out, so no two of pairs 1..3 share a direction.
    const BalanceFigures absent = DirectionBalance(1, tables, 4);
    EXPECT_EQ(absent.pairsByCount, (std::map<int32_t, int64_t>{{0, 3}}));
    EXPECT_EQ(absent.highest, 0);
}

TEST(DirectionBalance, TwoStationaryPairsCanBeLeftOutOfAShortenedHowell) {
    // Six rounds on five tables as HowellPV.txt has it: pairs 7..10 keep their seats.
    const auto read = ReadSchemeLine("6 5 1 2 7 4 8 6 0 9 3 10 5");
    ASSERT_TRUE(read.accepted()) << read.message();
    const std::vector<TableSeat>& tables = read.value().Tables;
    EXPECT_EQ(StationaryPairs(6, tables), (std::vector<int32_t>{7, 8, 9, 10}));
    const BalanceFigures all = DirectionBalance(6, tables);
    const BalanceFigures moving = DirectionBalance(6, tables, NoAbsentPair, BalanceOf::NotBothStationary);
    // The four stationary pairs all sit NS: six combinations on all six sets make the highest.
    EXPECT_EQ(all.pairsByCount, (std::map<int32_t, int64_t>{{1, 24}, {4, 15}, {6, 6}}));
    EXPECT_EQ(moving.pairsByCount, (std::map<int32_t, int64_t>{{1, 24}, {4, 15}}));
    EXPECT_EQ(moving.highest, 4);
    // With a stationary pair absent, the three others are still left out among themselves; every
    // moving pair sits one set out against it.
    EXPECT_EQ(DirectionBalance(6, tables, 10).highest, 6);
    EXPECT_EQ(DirectionBalance(6, tables, 10, BalanceOf::NotBothStationary).highest, 3);
}

TEST(DirectionBalance, NoPairIsStationaryInOneRoundOrWhenItMoves) {
    const std::vector<TableSeat> tables = {{1, 3, 1}, {2, 4, 1}};
    EXPECT_TRUE(StationaryPairs(1, tables).empty());
    // Three rounds on four tables: pairs 7 and 8 stay at table 4, the others rotate.
    const std::vector<TableSeat> three = {{1, 4, 1}, {2, 5, 2}, {3, 6, 3}, {7, 8, 1}};
    EXPECT_EQ(StationaryPairs(3, three), (std::vector<int32_t>{7, 8}));
    // Pair 7 NS and pair 8 WE never share a direction: that combination of none is left out.
    EXPECT_EQ(DirectionBalance(3, three).pairsByCount.at(0) -
                  DirectionBalance(3, three, NoAbsentPair, BalanceOf::NotBothStationary).pairsByCount.at(0),
              1);
    EXPECT_TRUE(StationaryPairs(0, three).empty());
}

}  // namespace
}  // namespace movement
