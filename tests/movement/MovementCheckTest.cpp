// SPDX-License-Identifier: GPL-3.0-or-later
#include "movement/MovementCheck.h"
#include "movement/RoundProgression.h"
#include "movement/SchemeLine.h"

#include <gtest/gtest.h>

namespace movement {
namespace {

std::vector<TableSeat> TablesOf(std::string_view line) {
    const auto reading = ReadSchemeLine(line);
    EXPECT_TRUE(reading.accepted()) << reading.message();
    return reading.value().Tables;
}

TEST(MovementCheck, AFourTableHowellWrittenAsASchemeLinePasses) {
    EXPECT_TRUE(CheckMovement(7, TablesOf("7 4 8 1 5 6 2 4 0 3 7")).accepted());
}

TEST(MovementCheck, MovingATableToAnotherSetOrExchangingPairsFails) {
    // Table 4 on set 4 instead of 5: the same meetings, but pairs play some sets twice.
    EXPECT_EQ(CheckMovement(7, TablesOf("7 4 8 1 5 6 2 4 3 7")).message(), "Błąd zbiornic, popraw!");
    EXPECT_EQ(CheckMovement(7, TablesOf("7 4 8 1 2 6 0 3 5 0 4 7")).message(), "Błąd rozbicia, popraw!");
}

TEST(MovementCheck, ASchemeLineIsReadThenPlayedThroughAndTheFirstFaultIsNamed) {
    const auto sound = CheckSchemeLine("7 4 8 1 5 6 2 4 0 3 7");
    ASSERT_TRUE(sound.accepted()) << sound.message();
    EXPECT_EQ(sound.value().Tables.back(), (TableSeat{3, 7, 5}));
    EXPECT_EQ(CheckSchemeLine("7 4 8 1 5 6").message(), "Niepoprawny schemat: linia kończy się przed parami stołu 3.");
    EXPECT_EQ(CheckSchemeLine("7 4 8 1 2 6 0 3 5 0 4 7").message(), "Błąd rozbicia, popraw!");
}

// Table 4's slot is set 4 of three: the cards play it as set 1, beside tables 1 and 5, and the
// check of the line plays it so too. Typed into the grid, the same number is no set and fails.
TEST(MovementCheck, ASetBeyondTheRoundsIsSetOneForTheCardsAndTheCheckAlike) {
    const std::string_view line = "3 5 6 3 9 5 4 7 2 8 10 1";
    const std::vector<TableSeat> tables = TablesOf(line);
    ASSERT_EQ(tables[3], (TableSeat{2, 8, 4}));
    EXPECT_EQ(RoundOneBoardSet(3, 4), 1);
    EXPECT_EQ(RoundOneBoardSet(3, 3), 3);
    EXPECT_TRUE(CheckSchemeLine(line).accepted());
    EXPECT_TRUE(DiagnoseMovement(3, tables).accepted());
    EXPECT_EQ(CheckRounds(3, tables).message(), "Błąd zbiornic, popraw!");
    // The detail of a fault counts it as set 1 too: table 2 moved onto set 1 gives pair 5 set 1
    // in round 1 there, and in round 2 at table 3, where set 4 has become set 1.
    std::vector<TableSeat> twice = tables;
    twice[1].BoardSet = 1;
    EXPECT_EQ(DiagnoseMovement(3, twice).message(),
              "Błąd zbiornic, popraw! para 5 gra komplet 1 dwa razy, w rundach 1 i 2.");
}

TEST(MovementCheck, PairNumbersMustBeOneToTwiceTheTables) {
    EXPECT_EQ(CheckMovement(7, TablesOf("7 4 9 1 5 6 2 4 0 3 7")).message(), "Nieciągła numeracja par, popraw !");
    EXPECT_EQ(CheckPairNumbering({{1, 2, 1}, {2, 3, 2}}).message(), "Nieciągła numeracja par, popraw !");
    EXPECT_TRUE(CheckPairNumbering({{4, 1, 1}, {2, 3, 2}}).accepted());
}

TEST(MovementCheck, SizesBeyondWhatTheProgramHoldsAreRefusedWithoutPlaying) {
    EXPECT_FALSE(CheckRounds(100, {{1, 2, 1}}).accepted());
    EXPECT_FALSE(CheckRounds(0, {{1, 2, 1}}).accepted());
    EXPECT_FALSE(CheckRounds(3, {}).accepted());
    EXPECT_FALSE(CheckRounds(3, std::vector<TableSeat>(49, TableSeat{1, 2, 1})).accepted());
}

}  // namespace
}  // namespace movement
