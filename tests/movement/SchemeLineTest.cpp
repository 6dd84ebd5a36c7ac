// SPDX-License-Identifier: GPL-3.0-or-later
#include "movement/SchemeLine.h"
#include "movement/SchemeNumbers.h"

#include <gtest/gtest.h>

namespace movement {
namespace {

SchemeMovement Read(std::string_view line) {
    const auto reading = ReadSchemeLine(line);
    EXPECT_TRUE(reading.accepted()) << line << ": " << reading.message();
    return reading.value();
}

std::string RefusalOf(std::string_view line) {
    const auto reading = ReadSchemeLine(line);
    EXPECT_FALSE(reading.accepted()) << line;
    return reading.message();
}

TEST(SchemeNumberValue, IsTheValueOfTheLeadingDigits) {
    EXPECT_EQ(SchemeNumberValue("12"), 12);
    EXPECT_EQ(SchemeNumberValue("12abc"), 12);
    EXPECT_EQ(SchemeNumberValue("abc"), 0);
    EXPECT_EQ(SchemeNumberValue(""), 0);
    EXPECT_EQ(SchemeNumberValue("-5"), 0);
    EXPECT_EQ(SchemeNumberValue("+5"), 0);
    EXPECT_EQ(SchemeNumberValue("0000000000000000000042"), 42);
    EXPECT_EQ(SchemeNumberValue("2147483647"), 2147483647);
    EXPECT_EQ(SchemeNumberValue("2147483648"), std::nullopt);
    EXPECT_EQ(SchemeNumberValue("99999999999999999999999"), std::nullopt);
}

TEST(SchemeLineReading, ExampleFileLinesGiveTheirTablesAndBoardSets) {
    EXPECT_EQ(Read("5 3 6 1 0 2 5 0 3 4"), (SchemeMovement{5, 3, {{6, 1, 1}, {2, 5, 3}, {3, 4, 5}}}));
    EXPECT_EQ(Read("11 6 12 1 0 2 11 0 3 10 4 9 0 5 8 0 0 6 7"),
              (SchemeMovement{11, 6, {{12, 1, 1}, {2, 11, 3}, {3, 10, 5}, {4, 9, 6}, {5, 8, 8}, {6, 7, 11}}}));
}

TEST(SchemeLineReading, EmptySlotsMoveTheBoardSetsOfLaterTables) {
    const SchemeMovement expected{7, 4, {{8, 1, 1}, {3, 6, 4}, {5, 2, 6}, {7, 4, 7}}};
    EXPECT_EQ(Read("7 4 8 1 0 0 3 6 0 5 2 7 4"), expected);
    // Two spaces hold an empty number, which is an empty slot like a 0.
    EXPECT_EQ(Read("7 4 8 1  0 3 6 0 5 2 7 4"), expected);
    EXPECT_EQ(Read("7 4 8 1   3 6 0 5 2 7 4"), expected);
}

TEST(SchemeLineReading, AnEmptyNumberInPlaceOfAWePairIsPairZeroAndShiftsTheRest) {
    EXPECT_EQ(Read("3 2 1  2 3"), (SchemeMovement{3, 2, {{1, 0, 1}, {2, 3, 2}}}));
}

TEST(SchemeLineReading, TheLastWePairRunsToTheEndOfTheLine) {
    EXPECT_EQ(Read("1 1 1 2"), (SchemeMovement{1, 1, {{1, 2, 1}}}));
    EXPECT_EQ(Read("1 1 1 2x"), (SchemeMovement{1, 1, {{1, 2, 1}}}));
    EXPECT_EQ(Read("5 1 1 2\r"), (SchemeMovement{5, 1, {{1, 2, 1}}}));
}

TEST(SchemeLineReading, WhateverFollowsTheLastTableIsNotRead) {
    EXPECT_EQ(Read("3 1 0 1 2 x 99999999999 -"), (SchemeMovement{3, 1, {{1, 2, 2}}}));
}

TEST(SchemeLineReading, TextInPlaceOfANumberReadsAsItsLeadingDigits) {
    EXPECT_EQ(Read("7r 1s 0 4a 5b"), (SchemeMovement{7, 1, {{4, 5, 2}}}));
    EXPECT_EQ(Read("3 1 x 1 2"), (SchemeMovement{3, 1, {{1, 2, 2}}}));
}

TEST(SchemeLineReading, WithMoreTablesThanRoundsTheLastTableSharesSetOne) {
    EXPECT_EQ(Read("3 4 1 2 3 4 5 6 7 8"), (SchemeMovement{3, 4, {{1, 2, 1}, {3, 4, 2}, {5, 6, 3}, {7, 8, 1}}}));
    // T = R + 2: only the last table changes; the others keep sets above R.
    EXPECT_EQ(Read("2 4 1 2 3 4 5 6 7 8"), (SchemeMovement{2, 4, {{1, 2, 1}, {3, 4, 2}, {5, 6, 3}, {7, 8, 1}}}));
    // 8 tables and 7 rounds: table 8's slot said 8.
    EXPECT_EQ(Read("7 8 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16").Tables.back(), (TableSeat{15, 16, 1}));
    // 4 tables and 7 rounds: nothing changes.
    EXPECT_EQ(Read("7 4 8 1 0 0 3 6 0 5 2 7 4").Tables.back(), (TableSeat{7, 4, 7}));
}

TEST(SchemeLineReading, CountsOutsideWhatTheProgramHoldsAreRefused) {
    EXPECT_EQ(RefusalOf("0 1 1 2"), "Niepoprawny schemat: liczba rund musi wynosić od 1 do 99.");
    EXPECT_EQ(RefusalOf("100 1 1 2"), "Niepoprawny schemat: liczba rund musi wynosić od 1 do 99.");
    EXPECT_EQ(RefusalOf("x 1 1 2"), "Niepoprawny schemat: liczba rund musi wynosić od 1 do 99.");
    EXPECT_EQ(RefusalOf("99999999999 1 1 2"), "Niepoprawny schemat: liczba rund musi wynosić od 1 do 99.");
    EXPECT_EQ(RefusalOf("5 0 1 2"), "Niepoprawny schemat: liczba stołów musi wynosić od 1 do 48.");
    EXPECT_EQ(RefusalOf("5 49 1 2"), "Niepoprawny schemat: liczba stołów musi wynosić od 1 do 48.");
    EXPECT_EQ(RefusalOf("5 4294967297 1 2"), "Niepoprawny schemat: liczba stołów musi wynosić od 1 do 48.");
}

TEST(SchemeLineReading, TheLargestCountsAreAccepted) {
    std::string line = "99 48";
    for (int pair = 1; pair <= 96; ++pair) line += " " + std::to_string(pair);
    const SchemeMovement movement = Read(line);
    EXPECT_EQ(movement.TableCount, 48);
    EXPECT_EQ(movement.Tables[47], (TableSeat{95, 96, 48}));
}

TEST(SchemeLineReading, PairNumbersAbove99AreRefused) {
    EXPECT_EQ(RefusalOf("5 2 1 2 100 4"), "Niepoprawny schemat: numer pary przy stole 2 przekracza 99.");
    EXPECT_EQ(RefusalOf("5 2 1 2 3 100"), "Niepoprawny schemat: numer pary przy stole 2 przekracza 99.");
    EXPECT_EQ(RefusalOf("5 1 99999999999 2"), "Niepoprawny schemat: numer pary przy stole 1 przekracza 99.");
    EXPECT_EQ(RefusalOf("5 1 1 2147483648"), "Niepoprawny schemat: numer pary przy stole 1 przekracza 99.");
    EXPECT_EQ(Read("5 1 99 98").Tables[0], (TableSeat{99, 98, 1}));
}

TEST(SchemeLineReading, ALineThatEndsBeforeTheLastWePairIsRefused) {
    EXPECT_EQ(RefusalOf(""), "Niepoprawny schemat: linia kończy się przed parami stołu 1.");
    EXPECT_EQ(RefusalOf("7"), "Niepoprawny schemat: linia kończy się przed parami stołu 1.");
    EXPECT_EQ(RefusalOf("7 4"), "Niepoprawny schemat: linia kończy się przed parami stołu 1.");
    // Table 3's NS pair has no WE pair after it.
    EXPECT_EQ(RefusalOf("5 3 6 1 0 2 5 0 3"), "Niepoprawny schemat: linia kończy się przed parami stołu 3.");
    // Only empty slots where table 2 should stand.
    EXPECT_EQ(RefusalOf("5 2 1 2 0 0 0"), "Niepoprawny schemat: linia kończy się przed parami stołu 2.");
    EXPECT_EQ(RefusalOf("5 2 1 2  "), "Niepoprawny schemat: linia kończy się przed parami stołu 2.");
}

TEST(SchemeLineReading, AHugeRunOfEmptySlotsEndsWithoutLooping) {
    const std::string line = "5 2 1 2" + std::string(1'000'000, ' ');
    EXPECT_EQ(RefusalOf(line), "Niepoprawny schemat: linia kończy się przed parami stołu 2.");
}

}  // namespace
}  // namespace movement
