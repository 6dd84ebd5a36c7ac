// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"

#include "movement/ArbitraryNumbers.h"

#include <gtest/gtest.h>

namespace movement {
namespace {

using Captions = std::array<std::string, 4>;
using Ends = std::array<int32_t, 4>;
using Numbers = std::vector<std::string>;

TEST(RenumberingGroups, MoreTablesThanRoundsHaveAThirdGroup) {
    const RenumberingGroups groups = MakeRenumberingGroups(3, 5);
    EXPECT_EQ(groups.GroupEnd, (Ends{10, 3, 6, 10}));
    EXPECT_EQ(groups.GroupCaption, (Captions{"1 do 10", "1 do 3", "4 do 6", "7 do 10"}));
}

TEST(RenumberingGroups, AsManyTablesAsRoundsHaveNoThirdGroup) {
    const RenumberingGroups groups = MakeRenumberingGroups(7, 7);
    EXPECT_EQ(groups.GroupEnd, (Ends{14, 7, 14, 0}));
    EXPECT_EQ(groups.GroupCaption, (Captions{"1 do 14", "1 do 7", "8 do 14", ""}));
}

TEST(RenumberingGroups, FewerTablesThanRoundsPutTheStationaryPairsInGroupTwo) {
    const RenumberingGroups groups = MakeRenumberingGroups(7, 4);
    EXPECT_EQ(groups.GroupCaption, (Captions{"1 do 8", "1 do 7", "8 do 8", ""}));
}

TEST(RenumberingGroups, RoundsOfTwiceTheTablesLeaveGroupTwoEmpty) {
    const RenumberingGroups groups = MakeRenumberingGroups(5, 2);
    EXPECT_EQ(groups.GroupCaption, (Captions{"1 do 4", "1 do 5", "6 do 4", ""}));

    Numbers numbers = InitialNewNumbers(2);
    EXPECT_TRUE(ShiftGroup(groups, 2, 10, 5, numbers).accepted());
    EXPECT_EQ(numbers, (Numbers{"1", "2", "3", "4"}));
    // Group 1 runs to pair 5, but only the grid's four rows exist.
    ASSERT_TRUE(ShiftGroup(groups, 1, 20, 5, numbers).accepted());
    EXPECT_EQ(numbers, (Numbers{"21", "22", "23", "24"}));
}

TEST(GroupShift, ThreeRoundsOnFiveTablesGiveEachGroupItsOwnRunOfNumbers) {
    MovementState state = testing::MovementOf(3, {{}, {}, {}, {}, {}});
    const RenumberingGroups groups = MakeRenumberingGroups(3, 5);
    Numbers numbers = InitialNewNumbers(5);
    EXPECT_EQ(numbers, (Numbers{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));

    ASSERT_TRUE(ShiftGroup(groups, 1, 10, 3, numbers).accepted());
    ASSERT_TRUE(ShiftGroup(groups, 2, 20, 3, numbers).accepted());
    ASSERT_TRUE(ShiftGroup(groups, 3, 30, 3, numbers).accepted());
    EXPECT_EQ(numbers, (Numbers{"11", "12", "13", "21", "22", "23", "31", "32", "33", "34"}));

    ASSERT_TRUE(ValidateNumbers(state, numbers).accepted());
    const std::array<int32_t, 11> expected = {0, 11, 12, 13, 21, 22, 23, 31, 32, 33, 34};
    for (int32_t x = 1; x <= 10; ++x) EXPECT_EQ(state.PairNumberMap[x], expected[x]);
}

TEST(GroupShift, AShiftOverwritesOnlyItsOwnRowsAndAnyTypedNumberInThem) {
    const RenumberingGroups groups = MakeRenumberingGroups(3, 5);
    Numbers numbers = InitialNewNumbers(5);
    numbers[4] = "abc";
    numbers[8] = "77";
    ASSERT_TRUE(ShiftGroup(groups, 2, 40, 3, numbers).accepted());
    EXPECT_EQ(numbers, (Numbers{"1", "2", "3", "41", "42", "43", "7", "8", "77", "10"}));
    ASSERT_TRUE(ShiftGroup(groups, 0, 50, 3, numbers).accepted());
    EXPECT_EQ(numbers, (Numbers{"51", "52", "53", "54", "55", "56", "57", "58", "59", "60"}));
}

TEST(GroupShift, GroupThreeOfAMovementWithoutItDoesNothing) {
    const RenumberingGroups groups = MakeRenumberingGroups(7, 7);
    Numbers numbers = InitialNewNumbers(7);
    const Numbers before = numbers;
    EXPECT_FALSE(ShiftGroup(groups, 3, 30, 7, numbers).accepted());
    EXPECT_FALSE(ShiftGroup(groups, 4, 30, 7, numbers).accepted());
    EXPECT_EQ(numbers, before);
}

TEST(GroupShift, OnlyMultiplesOfTenUpTo90ShiftAGroup) {
    const RenumberingGroups groups = MakeRenumberingGroups(3, 5);
    Numbers numbers = InitialNewNumbers(5);
    const Numbers before = numbers;
    EXPECT_FALSE(ShiftGroup(groups, 0, 100, 3, numbers).accepted());
    EXPECT_FALSE(ShiftGroup(groups, 1, -10, 3, numbers).accepted());
    EXPECT_FALSE(ShiftGroup(groups, 2, 15, 3, numbers).accepted());
    EXPECT_EQ(numbers, before);
    EXPECT_TRUE(ShiftGroup(groups, 0, 90, 3, numbers).accepted());
}

TEST(GroupShift, ShiftingGroupTwoUpAndBackGivesRepeatedNumbers) {
    MovementState state = testing::MovementOf(7, {{}, {}, {}, {}, {}, {}, {}});
    const RenumberingGroups groups = MakeRenumberingGroups(7, 7);
    Numbers numbers = InitialNewNumbers(7);
    ASSERT_TRUE(ShiftGroup(groups, 2, 10, 7, numbers).accepted());
    EXPECT_EQ(numbers[7], "11");
    ASSERT_TRUE(ShiftGroup(groups, 2, 0, 7, numbers).accepted());
    EXPECT_EQ(numbers[7], "1");
    EXPECT_EQ(ValidateNumbers(state, numbers).message(), "Powtórzony numer 1 popraw!");
}

TEST(TypedNumbers, NameSomePairsTheRestKeepTheirOwnAndAPairOutsideIsRefused) {
    MovementState state = testing::MovementOf(3, {{}, {}});
    ASSERT_TRUE(ApplyArbitraryNumbers(state, {{2, "12"}, {4, " 14"}}).accepted());
    EXPECT_EQ(state.PairNumberMap[1], 1);
    EXPECT_EQ(state.PairNumberMap[2], 12);
    EXPECT_EQ(state.PairNumberMap[4], 14);

    const MovementState before = state;
    EXPECT_EQ(ApplyArbitraryNumbers(state, {{5, "15"}}).message(), "Nie ma pary o numerze 5.");
    EXPECT_EQ(ApplyArbitraryNumbers(state, {{1, "3"}, {3, "3"}}).message(), "Powtórzony numer 3 popraw!");
    EXPECT_EQ(state, before);
}

class CheckingNewNumbers : public ::testing::Test {
protected:
    CheckingNewNumbers() {
        state = testing::MovementOf(7, {{}, {}, {}, {}, {}, {}, {}});
        for (int32_t n = 0; n < PairMapSize; ++n) state.PairNumberMap[n] = n;
        numbers = InitialNewNumbers(7);
    }

    void ExpectRefused(const std::string& message) {
        const MovementState before = state;
        const Outcome outcome = ValidateNumbers(state, numbers);
        EXPECT_FALSE(outcome.accepted());
        EXPECT_EQ(outcome.message(), message);
        EXPECT_EQ(state, before);
    }

    MovementState state;
    Numbers numbers;
};

TEST_F(CheckingNewNumbers, GroupZeroAtNinetyGoesPast99) {
    ASSERT_TRUE(ShiftGroup(MakeRenumberingGroups(7, 7), 0, 90, 7, numbers).accepted());
    EXPECT_EQ(numbers.back(), "104");
    ExpectRefused("Dopuszczalne są numery z przedziału (1,99) popraw!\nNumer:10");
}

TEST_F(CheckingNewNumbers, ACellThatIsNoNumberIsNamed) {
    numbers[2] = "abc";
    ExpectRefused("Błąd liczby:abc popraw!\nNumer:3");
    numbers[2] = "";
    ExpectRefused("Błąd liczby: popraw!\nNumer:3");
    numbers[2] = "$3";
    ExpectRefused("Błąd liczby:$3 popraw!\nNumer:3");
}

TEST_F(CheckingNewNumbers, TheFirstBadRowIsNamedWhateverFollows) {
    numbers[1] = "0";
    numbers[2] = "abc";
    ExpectRefused("Dopuszczalne są numery z przedziału (1,99) popraw!\nNumer:2");
    numbers[1] = "2";
    numbers[5] = "100";
    ExpectRefused("Błąd liczby:abc popraw!\nNumer:3");
}

TEST_F(CheckingNewNumbers, TheSmallestRepeatedNumberIsNamed) {
    numbers[0] = "40";
    numbers[1] = "40";
    numbers[5] = "7";
    ExpectRefused("Powtórzony numer 7 popraw!");
}

TEST_F(CheckingNewNumbers, DistinctNumbersWithGapsInAnyOrderAreAccepted) {
    numbers = {"99", "1", " 50", "+13", "12", "70", "2", "3", "4", "5", "6", "7", "8", "9"};
    ASSERT_TRUE(ValidateNumbers(state, numbers).accepted());
    EXPECT_EQ(state.PairNumberMap[1], 99);
    EXPECT_EQ(state.PairNumberMap[3], 50);
    EXPECT_EQ(state.PairNumberMap[4], 13);
    EXPECT_EQ(state.PairNumberMap[14], 9);
    EXPECT_EQ(state.PairNumberMap[15], 15);  // beyond the pairs: untouched
    EXPECT_EQ(state.PairNumberMap[0], 0);
}

TEST_F(CheckingNewNumbers, RowsBeyondThePairsAreNotRead) {
    numbers.push_back("abc");
    numbers.push_back("1");
    EXPECT_TRUE(ValidateNumbers(state, numbers).accepted());
}

TEST(ValidateNumbers, ThirtyTablesCheckAllSixtyRows) {
    MovementState state;
    state.TableCount = 30;
    state.RoundCount = 30;
    Numbers numbers = InitialNewNumbers(30);
    ASSERT_EQ(numbers.size(), 60u);
    numbers[59] = "x";
    EXPECT_EQ(ValidateNumbers(state, numbers).message(), "Błąd liczby:x popraw!\nNumer:60");
    numbers[59] = "60";
    EXPECT_TRUE(ValidateNumbers(state, numbers).accepted());
    // Fewer rows than pairs: the missing ones read as empty cells.
    numbers.pop_back();
    EXPECT_EQ(ValidateNumbers(state, numbers).message(), "Błąd liczby: popraw!\nNumer:60");
}

}  // namespace
}  // namespace movement
