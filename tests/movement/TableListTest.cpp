// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"

#include "movement/TableList.h"

#include <gtest/gtest.h>

namespace movement {
namespace {

TEST(TableListLine, OneDigitValuesGetOneMoreLeadingSpace) {
    EXPECT_EQ(TableListLine(1, {1, 2, 1}), "  1      1      2      1");
    EXPECT_EQ(TableListLine(1, {1, 2, 1}).size(), 24u);
    EXPECT_EQ(TableListLine(3, {5, 12, 3}), "  3      5    12      3");
    EXPECT_EQ(TableListLine(3, {5, 12, 3}).size(), 23u);
    EXPECT_EQ(TableListLine(10, {19, 20, 10}), "10    19    20    10");
}

TEST(TableListLine, WideNumbersAreWrittenWhole) {
    EXPECT_EQ(TableListLine(48, {0, 1234567, 99}), "48      01234567    99");
    EXPECT_EQ(TableListLine(2, {-1, 3, 2}), "  2     -1      3      2");
}

TEST(TableListLines, ListTablesOneToTableCountOnly) {
    MovementState state = testing::MovementOf(3, {{1, 4, 1}, {2, 5, 2}});
    state.Seating[3] = {9, 9, 9};
    EXPECT_EQ(TableListLines(state),
              (std::vector<std::string>{"  1      1      4      1", "  2      2      5      2"}));
    EXPECT_TRUE(TableListLines(MovementState{}).empty());
}

}  // namespace
}  // namespace movement
