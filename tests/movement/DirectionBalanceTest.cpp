// SPDX-License-Identifier: GPL-3.0-or-later
#include "movement/DirectionBalance.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace movement
