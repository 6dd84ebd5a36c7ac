// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"

#include "movement/MainWindowState.h"
#include "movement/OpeningSnapshot.h"
#include "movement/StepChoices.h"
#include "movement/TypedScheme.h"

#include <gtest/gtest.h>

namespace movement {
namespace {

using testing::MovementOf;

// A movement of 4 tables and 7 rounds after a file was loaded, a numbering chosen, the print
// range narrowed and pairs renumbered.
MovementState BusyMovement() {
    MovementState state = MovementOf(7, {{8, 1, 1}, {2, 6, 2}, {3, 5, 4}, {4, 7, 6}});
    state.CatalogueLoaded = true;
    state.SchemeCatalogue[0] = "7 4 8 1 2 6 0 3 5 0 4 7";
    state.StepChoices = ComputeStepChoices(7);
    state.NumberingStep = 10;
    state.PrintFrom = 2;
    state.PrintTo = 3;
    state.SchemeSource = "Wg P. Plovera";
    for (int32_t n = 0; n < PairMapSize; ++n) state.PairNumberMap[n] = 50 + n % 40;
    return state;
}

TEST(ResetSchemeState, UnlocksTheFilesAndClearsRangeAndChoicesButKeepsTheMovement) {
    MovementState state = BusyMovement();
    const MovementState before = state;

    ResetSchemeState(state);

    EXPECT_FALSE(state.CatalogueLoaded);
    EXPECT_EQ(state.PrintFrom, 0);
    EXPECT_EQ(state.PrintTo, 0);
    EXPECT_EQ(state.StepChoices, (std::array<int32_t, 3>{0, 0, 0}));
    for (int32_t n = 1; n <= 8; ++n) EXPECT_EQ(state.PairNumberMap[n], n);
    EXPECT_EQ(state.PairNumberMap[0], before.PairNumberMap[0]);
    EXPECT_EQ(state.PairNumberMap[9], before.PairNumberMap[9]);

    EXPECT_EQ(state.RoundCount, before.RoundCount);
    EXPECT_EQ(state.TableCount, before.TableCount);
    EXPECT_EQ(state.Seating, before.Seating);
    EXPECT_EQ(state.NumberingStep, before.NumberingStep);
    EXPECT_EQ(state.SchemeSource, before.SchemeSource);
    EXPECT_EQ(state.SchemeCatalogue, before.SchemeCatalogue);
}

TEST(ResetSchemeState, WithTheMostTablesResetsPairsUpTo96AndNoFurther) {
    MovementState state;
    state.TableCount = MaxTables;
    for (int32_t n = 0; n < PairMapSize; ++n) state.PairNumberMap[n] = 5;
    ResetSchemeState(state);
    EXPECT_EQ(state.PairNumberMap[96], 96);
    EXPECT_EQ(state.PairNumberMap[97], 5);
    EXPECT_EQ(state.PairNumberMap[99], 5);
    EXPECT_EQ(state.PairNumberMap[0], 5);
}

TEST(ResetSchemeState, AtProgramStartChangesNoPairNumber) {
    MovementState state;
    ResetSchemeState(state);
    EXPECT_EQ(state, MovementState{});
}

TEST(PrepareMovementForPrinting, ResetsTheRangeRefreshesTheChoicesAndRederivesTheNumbering) {
    MovementState state = BusyMovement();
    state.StepChoices = {0, 0, 0};
    PrepareMovementForPrinting(state, 2);
    EXPECT_EQ(state.PrintFrom, 1);
    EXPECT_EQ(state.PrintTo, 4);
    EXPECT_EQ(state.StepChoices, (std::array<int32_t, 3>{7, 10, 20}));
    EXPECT_EQ(state.NumberingStep, 20);

    // With nothing selected the numbering stays as the arbitrary-numbers window left it.
    state.NumberingStep = 7;
    PrepareMovementForPrinting(state, NoItemSelected);
    EXPECT_EQ(state.NumberingStep, 7);
}

TEST(ResetRangeAndStepChoices, PutsTheRangeBackToAllTablesAndRecomputesTheChoices) {
    MovementState state = BusyMovement();
    const int32_t step = state.NumberingStep;
    ResetRangeAndStepChoices(state);
    EXPECT_EQ(state.PrintFrom, 1);
    EXPECT_EQ(state.PrintTo, 4);
    EXPECT_EQ(state.StepChoices, (std::array<int32_t, 3>{7, 10, 20}));
    EXPECT_EQ(state.NumberingStep, step);

    MovementState atStart;
    ResetRangeAndStepChoices(atStart);
    EXPECT_EQ(atStart.PrintFrom, 1);
    EXPECT_EQ(atStart.PrintTo, 0);
    EXPECT_EQ(atStart.StepChoices, (std::array<int32_t, 3>{0, 10, 20}));
}

TEST(SwapNsWe, ExchangesTheTwoPairsOfOneTableAndASecondSwapRestoresThem) {
    MovementState state = MovementOf(3, {{1, 4, 1}, {2, 6, 2}, {5, 12, 3}});
    ASSERT_TRUE(SwapNsWe(state, 3).accepted());
    EXPECT_EQ(state.Seating[3], (TableSeat{12, 5, 3}));
    EXPECT_EQ(state.Seating[2], (TableSeat{2, 6, 2}));
    ASSERT_TRUE(SwapNsWe(state, 3).accepted());
    EXPECT_EQ(state.Seating[3], (TableSeat{5, 12, 3}));
}

TEST(SwapNsWe, ATableOutsideTheMovementChangesNothing) {
    MovementState state = MovementOf(3, {{1, 4, 1}});
    state.Seating[2] = {7, 8, 2};
    const MovementState before = state;
    EXPECT_EQ(SwapNsWe(state, 0).message(), "Nie ma stołu numer 0.");
    EXPECT_FALSE(SwapNsWe(state, 2).accepted());
    EXPECT_FALSE(SwapNsWe(state, 49).accepted());
    EXPECT_EQ(state, before);
}

TEST(ChooseNumberingStep, WithoutAMovementIsRefusedAndChangesNothing) {
    MovementState state;
    ResetRangeAndStepChoices(state);  // the first activation offers 0, 10, 20
    state.PrintFrom = 1;
    const MovementState before = state;
    const Outcome outcome = ChooseNumberingStep(state, 1);
    EXPECT_FALSE(outcome.accepted());
    EXPECT_EQ(outcome.message(), "Nieznany schemat Howell'a");
    EXPECT_EQ(state, before);
}

TEST(ChooseNumberingStep, SetsTheStepAndDiscardsArbitraryNumbers) {
    MovementState state = BusyMovement();
    ASSERT_TRUE(ChooseNumberingStep(state, 1).accepted());
    EXPECT_EQ(state.NumberingStep, 10);
    for (int32_t n = 0; n < PairMapSize; ++n) EXPECT_EQ(state.PairNumberMap[n], n);

    ASSERT_TRUE(ChooseNumberingStep(state, 0).accepted());
    EXPECT_EQ(state.NumberingStep, 7);
    ASSERT_TRUE(ChooseNumberingStep(state, 2).accepted());
    EXPECT_EQ(state.NumberingStep, 20);
    ASSERT_TRUE(ChooseNumberingStep(state, MitchellItem).accepted());
    EXPECT_EQ(state.NumberingStep, MitchellNumbering);
}

TEST(ArbitraryNumbersBegin, WithAMovementTheFirstStepIsChosenAndTheSchemeStateReset) {
    MovementState state = BusyMovement();
    ASSERT_TRUE(BeginArbitraryNumbers(state, MitchellItem).accepted());
    EXPECT_EQ(state.NumberingStep, 7);
    for (int32_t n = 0; n < PairMapSize; ++n) EXPECT_EQ(state.PairNumberMap[n], n);
    EXPECT_EQ(state.StepChoices, (std::array<int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(state.PrintTo, 0);
    EXPECT_FALSE(state.CatalogueLoaded);
}

TEST(ArbitraryNumbersBegin, WithoutAMovementIsRefusedAndOnlyTheStepFallsToNone) {
    MovementState state;
    state.NumberingStep = 7;  // chosen before a typed movement was refused
    ResetRangeAndStepChoices(state);
    MovementState expected = state;
    const Outcome begun = BeginArbitraryNumbers(state, NoItemSelected);
    EXPECT_EQ(begun.message(), "Nieznany schemat Howell'a");
    expected.NumberingStep = 0;
    EXPECT_EQ(state, expected);
}

TEST(OpeningSnapshotOfASecondaryWindow, GivesBackTheMovementAndItsNumberingExactly) {
    MovementState state = BusyMovement();
    const OpeningSnapshot opening = TakeOpeningSnapshot(state, 1);
    const MovementState before = state;

    BeginTypedScheme(state);
    EXPECT_EQ(state.SchemeSource, "");
    ASSERT_FALSE(ValidateScheme(state, 2, 2, {{"4", "1", "1"}, {"2", "3", "1"}}).accepted());
    EXPECT_EQ(RestoreOpeningSnapshot(state, opening), 1);
    ResetRangeAndStepChoices(state);

    EXPECT_EQ(state.RoundCount, before.RoundCount);
    EXPECT_EQ(state.TableCount, before.TableCount);
    EXPECT_EQ(state.Seating, before.Seating);
    EXPECT_EQ(state.SchemeSource, before.SchemeSource);
    EXPECT_EQ(state.NumberingStep, before.NumberingStep);
    EXPECT_EQ(state.PairNumberMap, before.PairNumberMap);
}

}  // namespace
}  // namespace movement
