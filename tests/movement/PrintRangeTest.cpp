// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"

#include "movement/PolishPlural.h"
#include "movement/PrintRange.h"

#include <gtest/gtest.h>

namespace movement {
namespace {

TEST(PolishPlural, TheNounTakesTheFormItsNumberAsksFor) {
    const std::vector<std::pair<int64_t, std::string>> tables =
        {{0, "0 stołów"},   {1, "1 stół"},     {2, "2 stoły"},      {4, "4 stoły"},     {5, "5 stołów"},
         {11, "11 stołów"}, {12, "12 stołów"}, {14, "14 stołów"},   {21, "21 stołów"},  {22, "22 stoły"},
         {24, "24 stoły"},  {25, "25 stołów"}, {112, "112 stołów"}, {102, "102 stoły"}, {-3, "-3 stoły"}};
    for (const auto& [n, text] : tables) EXPECT_EQ(Counted(n, Tables), text);
    EXPECT_EQ(Counted(1, Rounds), "1 runda");
    EXPECT_EQ(Counted(23, Rounds), "23 rundy");
    EXPECT_EQ(Counted(13, Rounds), "13 rund");
}

TEST(PrintJobTitle, NamesTheMovementAndTheTablesOfTheRange) {
    const MovementState seven = testing::SevenRoundsOnFourTables();
    EXPECT_EQ(PrintJobTitle(seven, 1, 4), "Rozstawiki 7 rund 4 stoły, stoły 1-4");
    EXPECT_EQ(PrintJobTitle(seven, 4, 2), "Rozstawiki 7 rund 4 stoły, stoły 2-4");
    EXPECT_EQ(PrintJobTitle(seven, 0, 99), "Rozstawiki 7 rund 4 stoły, stoły 1-4");
    EXPECT_EQ(PrintJobTitle(testing::ThreeRoundsOnFourTables(), 4, 4), "Rozstawiki 3 rundy 4 stoły, stół 4");
    EXPECT_EQ(PrintJobTitle(MovementState{}, 1, 4), "Rozstawiki");
    EXPECT_EQ(ClampPrintRange(seven, 9, 3).Count(), 2);
    EXPECT_EQ(ClampPrintRange(MovementState{}, 1, 4).Count(), 0);
}

}  // namespace
}  // namespace movement
