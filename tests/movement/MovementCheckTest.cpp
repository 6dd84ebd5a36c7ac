// SPDX-License-Identifier: GPL-3.0-or-later
#include "movement/MovementCheck.h"
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
