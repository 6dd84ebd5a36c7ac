// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"

#include "movement/AbsentPair.h"
#include "movement/BoardRoutes.h"
#include "support/PolishWords.h"

#include <gtest/gtest.h>

namespace movement {
namespace {

using Tables = std::vector<int32_t>;

TEST(BoardRoutes, TablesAreNamedAsACardNamesThem) {
    const Catalogue& polish = support::PolishWords();
    EXPECT_EQ(TablesInWords(polish, {}), "");
    EXPECT_EQ(TablesInWords(polish, {4}), "4");
    EXPECT_EQ(TablesInWords(polish, {2, 5}), "2 i 5");
    EXPECT_EQ(TablesInWords(polish, {2, 3, 5}), "2, 3 i 5");
    EXPECT_EQ(SharedThroughoutNote(polish, {4}), "Komplet dzielony ze stołem 4");
    EXPECT_EQ(SharedThroughoutNote(polish, {2, 5}), "Komplet dzielony ze stołami 2 i 5");
    EXPECT_EQ(SharedNowAndThenNote(polish, "*", 1, {2, 3, 5}),
              "* – w tej rundzie komplet dzielony ze stołami 2, 3 i 5");

    const Catalogue& english = support::EnglishWords();
    EXPECT_EQ(TablesInWords(english, {2, 3, 5}), "2, 3 and 5");
    EXPECT_EQ(SharedThroughoutNote(english, {4}), "Boards shared with table 4");
    EXPECT_EQ(SharedNowAndThenNote(english, "*", 2, {2, 5}), "* – boards shared with tables 2 and 5 in these rounds");
    EXPECT_EQ(RouteText(english, {SpareTable}), "B");
}

// A set below 1 typed at table 4 becomes set 1 in round 2, which table 3 plays then: the two
// tables share a set in rounds 2 and 3 only, and table 1 plays its sets alone.
TEST(BoardRoutes, PartnersNowAndThenAreTheTablesOfTheSharedRoundsOnly) {
    const SetRoutes routes = RoutesOf(testing::MovementOf(3, {{1, 4, 1}, {2, 5, 2}, {3, 6, 3}, {7, 8, 0}}));
    EXPECT_EQ(RoundsSharedNowAndThen(routes, 4), (Tables{2, 3}));
    EXPECT_EQ(PartnersNowAndThen(routes, 4), Tables{3});
    EXPECT_EQ(PartnersNowAndThen(routes, 3), Tables{4});
    EXPECT_EQ(PartnersNowAndThen(routes, 1), Tables{});

    // Shared in every round, the partners are SharedThroughout's, not these.
    const SetRoutes throughout = RoutesOf(testing::ThreeRoundsOnFourTables());
    EXPECT_EQ(SharedThroughout(throughout, 1), Tables{4});
    EXPECT_EQ(PartnersNowAndThen(throughout, 1), Tables{});
}

TEST(AbsentPair, TheAbsentPairIsFoundOnTheSeatsItWouldTakeRoundByRound) {
    const MovementState state = testing::SevenRoundsOnFourTables();
    // Pair 5 starts WE at table 3 and moves on with the rotation; pair 8 stays NS at table 1.
    EXPECT_TRUE(AbsentInRound(state, 5, 1, 5));
    EXPECT_FALSE(AbsentInRound(state, 5, 2, 5));
    EXPECT_TRUE(AbsentInRound(state, 4, 2, 5));
    for (int32_t round = 1; round <= 7; ++round) EXPECT_TRUE(AbsentInRound(state, 8, round, 8));
    EXPECT_FALSE(AbsentInRound(state, 5, 1, NoAbsentPair));
}

}  // namespace
}  // namespace movement
