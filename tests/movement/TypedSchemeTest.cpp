// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"

#include "movement/TypedInteger.h"
#include "movement/TypedScheme.h"

#include <gtest/gtest.h>

namespace movement {
namespace {

using Rows = std::vector<TypedRow>;

TEST(TypedInteger, AcceptsLeadingBlanksASignAndDigitsToTheEnd) {
    EXPECT_EQ(ParseTypedInteger("7"), 7);
    EXPECT_EQ(ParseTypedInteger(" 7"), 7);
    EXPECT_EQ(ParseTypedInteger("   +7"), 7);
    EXPECT_EQ(ParseTypedInteger("-12"), -12);
    EXPECT_EQ(ParseTypedInteger("007"), 7);
    EXPECT_EQ(ParseTypedInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseTypedInteger("-2147483648"), -2147483647 - 1);
}

TEST(TypedInteger, RefusesEverythingElse) {
    for (const char* text : {"", " ", "+", "-", "7 ", "7x", "x7", "+-7", "- 7", "7.0", "\t7", "2147483648",
                             "-2147483649", "99999999999999999999", "$A", "x1A", "X1A", "0x1A", "0X1A"})
        EXPECT_EQ(ParseTypedInteger(text), std::nullopt) << '"' << text << '"';
}

const Rows ThreeRoundsOnTwoTables = testing::ThreeRoundsOnTwoTablesTyped;

class TypingAScheme : public ::testing::Test {
protected:
    TypingAScheme() {
        // A movement current before the director started typing.
        state = testing::MovementOf(7, {{8, 1, 1}, {2, 6, 2}, {3, 5, 4}, {4, 7, 6}});
    }

    Outcome Finish(int32_t tables, int32_t rounds, const Rows& rows) {
        return FinishTypedScheme(state, tables, rounds, rows);
    }

    MovementState state;
};

TEST_F(TypingAScheme, ThreeRoundsOnTwoTablesIsAcceptedAndBecomesTheMovement) {
    const Outcome outcome = Finish(2, 3, ThreeRoundsOnTwoTables);
    ASSERT_TRUE(outcome.accepted()) << outcome.message();
    EXPECT_EQ(state.RoundCount, 3);
    EXPECT_EQ(state.TableCount, 2);
    EXPECT_EQ(state.Seating[1], (TableSeat{4, 1, 1}));
    EXPECT_EQ(state.Seating[2], (TableSeat{2, 3, 1}));
}

TEST_F(TypingAScheme, ABoardSetPlayedTwiceByAPairIsABoardSetError) {
    const Outcome outcome = Finish(2, 3, {{"4", "1", "1"}, {"2", "3", "2"}});
    EXPECT_EQ(outcome.message(), "Błąd zbiornic, popraw!");
    // Counts and seats are already stored when the board sets are checked.
    EXPECT_EQ(state.RoundCount, 0);
    EXPECT_EQ(state.TableCount, 2);
    EXPECT_EQ(state.Seating[2], (TableSeat{2, 3, 2}));
    EXPECT_EQ(state.Seating[3], (TableSeat{3, 5, 4}));  // beyond the typed tables: untouched
}

TEST_F(TypingAScheme, ThreeRoundsOnTwoTablesPlayedInTwoRoundsMeetsTwice) {
    const Outcome outcome = Finish(2, 2, ThreeRoundsOnTwoTables);
    EXPECT_EQ(outcome.message(), "Błąd rozbicia, popraw!");
    EXPECT_EQ(state.RoundCount, 0);
    EXPECT_EQ(state.TableCount, 2);
    EXPECT_EQ(state.Seating[1], (TableSeat{4, 1, 1}));
}

TEST_F(TypingAScheme, RotationsMovingInStepMeetEveryRound) {
    EXPECT_EQ(Finish(3, 3, {{"1", "4", "1"}, {"2", "5", "2"}, {"3", "6", "3"}}).message(), "Błąd rozbicia, popraw!");
}

TEST_F(TypingAScheme, OneTableOneRound) {
    EXPECT_TRUE(Finish(1, 1, {{"1", "2", "1"}}).accepted());
    EXPECT_TRUE(Finish(1, 1, {{"2", "1", "1"}}).accepted());
    EXPECT_EQ(Finish(1, 1, {{"1", "2", "2"}}).message(), "Błąd zbiornic, popraw!");
}

TEST_F(TypingAScheme, ABoardSetOutsideTheRoundsFailsTheBoardSetCheck) {
    EXPECT_EQ(Finish(2, 3, {{"4", "1", "1"}, {"2", "3", "0"}}).message(), "Błąd zbiornic, popraw!");
    EXPECT_EQ(Finish(2, 3, {{"4", "1", "1"}, {"2", "3", "-5"}}).message(), "Błąd zbiornic, popraw!");
    EXPECT_EQ(Finish(2, 3, {{"4", "1", "1"}, {"2", "3", "2000000000"}}).message(), "Błąd zbiornic, popraw!");
}

TEST_F(TypingAScheme, PairNumbersMustBeExactlyOneToTwiceTheTables) {
    const MovementState before = state;
    for (const Rows& rows : {Rows{{"1", "2", "1"}, {"3", "5", "2"}}, Rows{{"0", "2", "1"}, {"3", "4", "2"}},
                             Rows{{"1", "2", "1"}, {"2", "4", "2"}}, Rows{{"-1", "2", "1"}, {"3", "4", "2"}},
                             Rows{{"1", "2", "1"}, {"3", "2147483647", "2"}}}) {
        EXPECT_EQ(Finish(2, 3, rows).message(), "Nieciągła numeracja par, popraw !");
        EXPECT_EQ(state.RoundCount, 0);
        EXPECT_EQ(state.TableCount, 2);
        EXPECT_EQ(state.Seating, before.Seating);  // nothing stored before the numbering passed
    }
}

TEST_F(TypingAScheme, TheFirstCellThatIsNoNumberIsNamedWithItsTableAndColumn) {
    const MovementState before = state;
    const Rows rows = {{"1", "6", "1"}, {"2", "5", "2"}, {"3", "x", "3"}, {"", "", ""}};
    const Outcome outcome = Finish(3, 5, rows);
    EXPECT_EQ(outcome.message(), "Błąd liczby:x popraw!\nStół:3; WE");
    EXPECT_EQ(state.RoundCount, 0);
    EXPECT_EQ(state.TableCount, 3);
    EXPECT_EQ(state.Seating, before.Seating);

    EXPECT_EQ(Finish(1, 1, {{"", "2", "1"}}).message(), "Błąd liczby: popraw!\nStół:1; NS");
    EXPECT_EQ(Finish(2, 3, {{"4", "1", "1"}, {"2", "3", "1 "}}).message(), "Błąd liczby:1  popraw!\nStół:2; Komplet");
    EXPECT_EQ(Finish(2, 3, {{"4", "1", "x"}, {"y", "3", "1"}}).message(), "Błąd liczby:x popraw!\nStół:1; Komplet");
    EXPECT_EQ(Finish(2, 3, {{"4", "$1", "1"}}).message(), "Błąd liczby:$1 popraw!\nStół:1; WE");
    EXPECT_EQ(Finish(1, 1, {{"ąę", "2", "1"}}).message(), "Błąd liczby:ąę popraw!\nStół:1; NS");
}

TEST_F(TypingAScheme, TypedNumbersWithABlankOrASignInFrontAreRead) {
    EXPECT_TRUE(Finish(2, 3, {{" 4", "+1", "1"}, {"  2", "3", "+1"}}).accepted());
    EXPECT_EQ(state.Seating[2], (TableSeat{2, 3, 1}));
}

TEST_F(TypingAScheme, RowsBeyondTheChosenTablesAreNeitherCheckedNorStored) {
    Rows rows = ThreeRoundsOnTwoTables;
    rows.push_back({"garbage", "", "?"});
    rows.push_back({"9", "9", "9"});
    ASSERT_TRUE(Finish(2, 3, rows).accepted());
    EXPECT_EQ(state.Seating[3], (TableSeat{3, 5, 4}));
}

TEST_F(TypingAScheme, MissingRowsReadAsEmptyCells) {
    EXPECT_EQ(Finish(3, 3, ThreeRoundsOnTwoTables).message(), "Błąd liczby: popraw!\nStół:3; NS");
}

TEST_F(TypingAScheme, ARejectedSchemeCanBeCorrectedAndAccepted) {
    EXPECT_FALSE(Finish(2, 2, ThreeRoundsOnTwoTables).accepted());
    EXPECT_EQ(state.RoundCount, 0);
    EXPECT_TRUE(Finish(2, 3, ThreeRoundsOnTwoTables).accepted());
    EXPECT_EQ(state.RoundCount, 3);
}

TEST_F(TypingAScheme, NothingHappensUntilBothCountsAreChosen) {
    const MovementState before = state;
    EXPECT_EQ(Finish(0, 3, ThreeRoundsOnTwoTables).message(), "Niekompletne dane");
    EXPECT_EQ(Finish(2, 0, ThreeRoundsOnTwoTables).message(), "Niekompletne dane");
    EXPECT_EQ(state, before);
}

TEST_F(TypingAScheme, CountsBeyondTheWindowsLimitsAreRefusedWithoutChanges) {
    const MovementState before = state;
    EXPECT_FALSE(Finish(25, 3, ThreeRoundsOnTwoTables).accepted());
    EXPECT_FALSE(Finish(2, 24, ThreeRoundsOnTwoTables).accepted());
    EXPECT_FALSE(ValidateScheme(state, -1, 3, ThreeRoundsOnTwoTables).accepted());
    EXPECT_EQ(state, before);
}

TEST_F(TypingAScheme, ACompleteHowellForFourTablesIsAcceptedButTheSevenRoundsOfTheCardTestsAreNoHowell) {
    const Rows howell = {{"8", "1", "1"}, {"2", "4", "3"}, {"3", "7", "5"}, {"5", "6", "2"}};
    EXPECT_TRUE(Finish(4, 7, howell).accepted());
    EXPECT_EQ(state.RoundCount, 7);

    // The seven rounds on four tables of the card tests are no Howell: pairs 2 and 6 meet in rounds 1 and 3.
    EXPECT_EQ(Finish(4, 7, {{"8", "1", "1"}, {"2", "6", "2"}, {"3", "5", "4"}, {"4", "7", "6"}}).message(),
              "Błąd rozbicia, popraw!");
}

TEST_F(TypingAScheme, TheLargestGridIsPlayedThroughWithoutLeavingTheCounts) {
    // 24 tables, 23 rounds: pairs 1..23 and 24..46 rotate, 47 and 48 stay. No two pairs meet
    // twice, but table 24 starts on set 24, which no round can count.
    Rows rows;
    for (int t = 1; t <= 24; ++t) rows.push_back({std::to_string(t), std::to_string(49 - t), std::to_string(t)});
    EXPECT_EQ(Finish(24, 23, rows).message(), "Błąd zbiornic, popraw!");
    EXPECT_EQ(state.TableCount, 24);
    EXPECT_EQ(state.RoundCount, 0);
}

}  // namespace
}  // namespace movement
