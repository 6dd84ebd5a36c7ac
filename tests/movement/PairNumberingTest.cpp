// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"

#include "movement/AbsentPair.h"
#include "movement/PairNumbering.h"
#include "movement/SharedNumbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace movement {
namespace {

using testing::MovementOf;
using testing::Numbered;
using Rounds = std::vector<int32_t>;

const MovementState SevenRounds = testing::SevenRoundsOnFourTables();
const MovementState ThreeRounds = testing::ThreeRoundsOnFourTables();

Rounds RowNumbers(const MovementState& state, int32_t p) {
    Rounds rounds;
    for (int32_t r = 1; r <= state.RoundCount; ++r) rounds.push_back(RowNumber(state, p, r));
    return rounds;
}

TEST(PrintedNumber, StepEqualToTheRoundsLeavesEveryNumber) {
    const MovementState state = Numbered(SevenRounds, 7);
    for (int32_t p = 1; p <= 8; ++p) EXPECT_EQ(PrintedNumber(state, p), p);
    EXPECT_EQ(RowNumbers(state, 2), (Rounds{2, 3, 4, 5, 6, 7, 1}));
}

TEST(PrintedNumber, SevenRoundsWithStepTenRenumbersOnlyTheStationaryPair) {
    const MovementState state = Numbered(SevenRounds, 10);
    EXPECT_EQ(PrintedNumber(state, 8), 11);
    for (int32_t p = 1; p <= 7; ++p) EXPECT_EQ(PrintedNumber(state, p), p);
    EXPECT_EQ(BoxNumber(state, 8), 11);
    EXPECT_EQ(RowNumbers(state, 8), (Rounds{11, 11, 11, 11, 11, 11, 11}));
}

TEST(PrintedNumber, SevenRoundsInMitchellNumberingGoesByRoundOneSeats) {
    const MovementState state = Numbered(SevenRounds, MitchellNumbering);
    const std::vector<std::pair<int32_t, int32_t>> printedAs = {{8, 1},  {2, 2},  {3, 3},  {4, 4},
                                                                {1, 11}, {6, 12}, {5, 13}, {7, 14}};
    for (const auto& [pair, number] : printedAs) EXPECT_EQ(PrintedNumber(state, pair), number) << pair;
    EXPECT_EQ(RowNumbers(state, 2), (Rounds{2, 3, 4, 13, 12, 14, 11}));
    EXPECT_EQ(RowNumbers(state, 6), (Rounds{12, 14, 11, 2, 3, 4, 13}));
}

TEST(PrintedNumber, ThreeRoundsOnFourTablesWithStepTenNumbersTheSecondRotationAndTheStationaryPairs) {
    const MovementState state = Numbered(ThreeRounds, 10);
    EXPECT_EQ(RowNumbers(state, 4), (Rounds{11, 12, 13}));
    EXPECT_EQ(PrintedNumber(state, 7), 21);
    EXPECT_EQ(PrintedNumber(state, 8), 22);
    EXPECT_EQ(RowNumbers(state, 1), (Rounds{1, 2, 3}));
}

TEST(PrintedNumber, ThreeRoundsOnFourTablesInMitchellNumbering) {
    const MovementState state = Numbered(ThreeRounds, MitchellNumbering);
    EXPECT_EQ(PrintedNumber(state, 7), 4);
    EXPECT_EQ(PrintedNumber(state, 8), 14);
    EXPECT_EQ(PrintedNumber(state, 5), 12);
}

TEST(PrintedNumber, PairsAbove2RKeepTheirNumbersWhenTheStepIsNotAboveR) {
    MovementState state = Numbered(ThreeRounds, 2);
    EXPECT_EQ(PrintedNumber(state, 7), 7);
    EXPECT_EQ(PrintedNumber(state, 5), 4);  // 5 - 3 + 2
    state.NumberingStep = 3;
    EXPECT_EQ(PrintedNumber(state, 8), 8);
}

TEST(PrintedNumber, WithMoreRoundsThanTablesEveryPairAboveRIsRenumberedFromS) {
    const MovementState state = Numbered(MovementOf(5, {{6, 1, 1}, {2, 5, 3}, {3, 4, 5}}), 20);
    EXPECT_EQ(PrintedNumber(state, 6), 21);
    EXPECT_EQ(PrintedNumber(state, 5), 5);
}

TEST(PrintedNumber, MitchellOfAPairSeatedNowhereIsZero) {
    EXPECT_EQ(PrintedNumber(Numbered(SevenRounds, MitchellNumbering), 9), 0);
}

TEST(PrintedNumber, MitchellFindsTheFirstNsBeforeAnyWe) {
    const MovementState state = Numbered(MovementOf(5, {{3, 1, 1}, {1, 4, 2}, {2, 1, 3}}), MitchellNumbering);
    EXPECT_EQ(PrintedNumber(state, 1), 2);
    const MovementState weOnly = Numbered(MovementOf(5, {{3, 1, 1}, {4, 5, 2}, {2, 1, 3}}), MitchellNumbering);
    EXPECT_EQ(PrintedNumber(weOnly, 1), 13);
}

TEST(PrintedNumber, MitchellWeNumberCanCollideWithALaterNsTable) {
    MovementState state;
    state.RoundCount = 10;
    state.TableCount = 11;
    for (int32_t t = 1; t <= 11; ++t) state.Seating[t] = {t, 11 + t, t};
    state = Numbered(state, MitchellNumbering);
    EXPECT_EQ(PrintedNumber(state, 12), 11);  // WE at table 1
    EXPECT_EQ(PrintedNumber(state, 11), 11);  // NS at table 11
}

TEST(AbsentPairFromPrinted, TheNumberOnTheCardsLeadsBackToThePairOfTheScheme) {
    const MovementState stepTen = Numbered(SevenRounds, 10);
    EXPECT_EQ(PrintedPairNumbers(stepTen), (Rounds{1, 2, 3, 4, 5, 6, 7, 11}));
    EXPECT_EQ(AbsentPairFromPrinted(stepTen, 11).value(), 8);
    EXPECT_EQ(AbsentPairFromPrinted(stepTen, 3).value(), 3);
    EXPECT_EQ(AbsentPairFromPrinted(stepTen, NoAbsentPair).value(), NoAbsentPair);
    EXPECT_EQ(AbsentPairFromPrinted(stepTen, 8).message(),
              "Para nieobecna: żadna para nie gra pod numerem 8 w tej numeracji; podaj numer z kart albo 0, gdy "
              "grają wszystkie pary.");

    MovementState mitchell = Numbered(SevenRounds, MitchellNumbering);
    EXPECT_EQ(AbsentPairFromPrinted(mitchell, 1).value(), 8);  // NS at table 1
    mitchell.PairNumberMap[8] = 40;                            // the map is not read under Mitchell numbering
    EXPECT_EQ(AbsentPairFromPrinted(mitchell, 1).value(), 8);

    MovementState arbitrary = Numbered(SevenRounds, 7);
    arbitrary.PairNumberMap[5] = 55;
    EXPECT_EQ(AbsentPairFromPrinted(arbitrary, 55).value(), 5);
    EXPECT_FALSE(AbsentPairFromPrinted(arbitrary, 5).accepted());
}

TEST(SittingOutIn, ThePairThatMeetsTheAbsentOneInTheRound) {
    // Round 1: 8-1, 2-6, 3-5, 4-7; every rotating pair moves on by one a round.
    EXPECT_EQ(SittingOutIn(SevenRounds, 5, 1), 3);
    EXPECT_EQ(SittingOutIn(SevenRounds, 3, 1), 5);
    EXPECT_EQ(SittingOutIn(SevenRounds, 8, 1), 1);
    EXPECT_EQ(SittingOutIn(SevenRounds, 8, 2), 2);
    EXPECT_EQ(SittingOutIn(SevenRounds, 1, 7), 5);  // pairs 2 and 6 of table 2 are 1 and 5 by then
    EXPECT_EQ(SittingOutIn(SevenRounds, NoAbsentPair, 1), NoAbsentPair);
    EXPECT_EQ(SittingOutIn(SevenRounds, 5, 8), NoAbsentPair);  // no such round
    EXPECT_EQ(SittingOutIn(SevenRounds, 5, 0), NoAbsentPair);
}

TEST(AbsentPairFromPrinted, ANumberTwoPairsCarryIsRefused) {
    MovementState state;
    state.RoundCount = 10;
    state.TableCount = 11;
    for (int32_t t = 1; t <= 11; ++t) state.Seating[t] = {t, 11 + t, t};
    state = Numbered(state, MitchellNumbering);
    EXPECT_EQ(AbsentPairFromPrinted(state, 11).message(),
              "Para nieobecna: pod numerem 11 gra więcej niż jedna para; popraw numerację, zanim wskażesz nieobecną.");
    const Rounds printed = PrintedPairNumbers(state);
    EXPECT_EQ(std::count(printed.begin(), printed.end(), 11), 1);
}

TEST(CheckNumbersDistinct, TwoPairsUnderOneNumberAreRefusedNamingBoth) {
    MovementState state;
    state.RoundCount = 10;
    state.TableCount = 11;
    for (int32_t t = 1; t <= 11; ++t) state.Seating[t] = {t, 11 + t, t};
    for (const int32_t step : {10, 20, 30}) EXPECT_TRUE(CheckNumbersDistinct(Numbered(state, step)).accepted()) << step;
    state = Numbered(state, MitchellNumbering);
    EXPECT_EQ(CheckNumbersDistinct(state).message(),
              "Dwie pary miałyby na kartach ten sam numer 11: para 11 schematu (w rundzie 1 NS przy stole 11) i para "
              "12 schematu (w rundzie 1 WE przy stole 1).\nWybierz inną numerację.");
    state.Seating[11] = {22, 11, 11};  // a swap moves the pairs, not the seats that share the number
    EXPECT_EQ(FindSharedNumber(state)->number, 11);

    // Arbitrary numbers are read as the rows print them; a pair seated nowhere does not play.
    MovementState arbitrary = Numbered(SevenRounds, 7);
    arbitrary.PairNumberMap[9] = 5;
    EXPECT_FALSE(FindSharedNumber(arbitrary).has_value());
    arbitrary.PairNumberMap[8] = 5;
    const auto shared = FindSharedNumber(arbitrary);
    ASSERT_TRUE(shared.has_value());
    EXPECT_EQ(std::tuple(shared->number, shared->firstPair, shared->secondPair), std::tuple(5, 5, 8));
    EXPECT_TRUE(CheckNumbersDistinct(Numbered(MovementOf(1, {{5, 7, 1}}), MitchellNumbering)).accepted());
}

TEST(MitchellOffset, IsTenTwentyOrThirtyByRoundsOnly) {
    EXPECT_EQ(MitchellOffset(1), 10);
    EXPECT_EQ(MitchellOffset(10), 10);
    EXPECT_EQ(MitchellOffset(11), 20);
    EXPECT_EQ(MitchellOffset(20), 20);
    EXPECT_EQ(MitchellOffset(21), 30);
    EXPECT_EQ(MitchellOffset(99), 30);
}

TEST(CardNumbers, TheMapAndTheNumberingCombineInTheirOwnOrderForEachPlace) {
    // Pair 8 of the seven-round movement, stationary at table 1, renumbered to 20 in the map.
    MovementState state = Numbered(SevenRounds, 10);
    state.PairNumberMap[8] = 20;
    state.PairNumberMap[11] = 40;
    EXPECT_EQ(BoxNumber(state, 8), 23);     // map 8 -> 20, then 20 - 7 + 10
    EXPECT_EQ(RowNumber(state, 8, 1), 40);  // numbering 8 -> 11, then map 11 -> 40
    EXPECT_EQ(SummaryNumber(state, 8), 40);

    state.NumberingStep = MitchellNumbering;
    EXPECT_EQ(RowNumber(state, 8, 1), 1);  // Mitchell rows never consult the map
    EXPECT_EQ(SummaryNumber(state, 8), 1);
    state.PairNumberMap[1] = 61;
    EXPECT_EQ(SummaryNumber(state, 8), 61);
}

TEST(CardNumbers, AgreeWhenTheNumberingIsTheIdentityAndTheMapIsArbitrary) {
    MovementState state = Numbered(SevenRounds, 7);
    for (int32_t p = 1; p <= 8; ++p) state.PairNumberMap[p] = 10 + p;
    for (int32_t p = 1; p <= 8; ++p) {
        EXPECT_EQ(BoxNumber(state, p), 10 + p);
        EXPECT_EQ(SummaryNumber(state, p), 10 + p);
        EXPECT_EQ(RowNumber(state, p, 1), 10 + p);
    }
    EXPECT_EQ(RowNumbers(state, 2), (Rounds{12, 13, 14, 15, 16, 17, 11}));
}

TEST(CardNumbers, ANumberOutsideTheMapIsPrintedUnmapped) {
    // Pair 99 of a 49-round movement: step 120 puts it at 99 - 49 + 120 = 170.
    MovementState state = Numbered(MovementOf(49, {{99, 1, 1}}), 120);
    state.PairNumberMap[99] = 5;
    EXPECT_EQ(SummaryNumber(state, 99), 170);
    EXPECT_EQ(RowNumber(state, 99, 3), 170);
    EXPECT_EQ(BoxNumber(state, 99), 5);
    EXPECT_EQ(MappedNumber(state, -1), -1);
    EXPECT_EQ(MappedNumber(state, 100), 100);
}

TEST(FormatCardNumber, PadsBelowTenToFourAndOtherwiseToThree) {
    EXPECT_EQ(FormatCardNumber(7), "   7");
    EXPECT_EQ(FormatCardNumber(9), "   9");
    EXPECT_EQ(FormatCardNumber(0), "   0");
    EXPECT_EQ(FormatCardNumber(-1), "  -1");
    EXPECT_EQ(FormatCardNumber(10), " 10");
    EXPECT_EQ(FormatCardNumber(12), " 12");
    EXPECT_EQ(FormatCardNumber(100), "100");
    EXPECT_EQ(FormatCardNumber(105), "105");
    EXPECT_EQ(FormatCardNumber(12345), "12345");
}

TEST(ArbitraryNumbersInUse, LooksAtEntriesOneTo99Only) {
    MovementState state = Numbered(SevenRounds, 7);
    EXPECT_FALSE(ArbitraryNumbersInUse(state));
    state.PairNumberMap[0] = 42;
    EXPECT_FALSE(ArbitraryNumbersInUse(state));
    state.PairNumberMap[99] = 98;
    EXPECT_TRUE(ArbitraryNumbersInUse(state));
}

}  // namespace
}  // namespace movement
