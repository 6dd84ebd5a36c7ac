// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowState.h"

#include "StepChoices.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace movement {

void ResetSchemeState(MovementState& state) {
    state.CatalogueLoaded = false;
    state.PrintFrom = 0;
    state.PrintTo = 0;
    state.StepChoices = {0, 0, 0};
    const int64_t lastPair = std::min<int64_t>(2 * int64_t{state.TableCount}, PairMapSize - 1);
    for (int32_t n = 1; n <= lastPair; ++n) state.PairNumberMap[n] = n;
}

void PrepareMovementForPrinting(MovementState& state, int selectedStepItem) {
    state.PrintFrom = 1;
    state.PrintTo = state.TableCount;
    state.StepChoices = ComputeStepChoices(state.RoundCount);
    DeriveNumberingStep(state, selectedStepItem);
}

void ResetRangeAndStepChoices(MovementState& state) {
    state.PrintFrom = 1;
    state.PrintTo = state.TableCount;
    state.StepChoices = ComputeStepChoices(state.RoundCount);
}

Outcome SwapNsWe(MovementState& state, int32_t table) {
    if (table < 1 || table > std::min(state.TableCount, MaxTables))
        return Outcome::Refused(Text{RZ_TEXT("refusals", "Nie ma stołu numer %1."), {std::to_string(table)}});
    TableSeat& seat = state.Seating[table];
    std::swap(seat.NsPair, seat.WePair);
    return Outcome::Accepted();
}

Outcome RequireMovement(const MovementState& state) {
    if (state.StepChoices[0] == 0) return Outcome::Refused(RZ_TEXT("refusals", "Nieznany schemat Howell'a"));
    return Outcome::Accepted();
}

Outcome ChooseNumberingStep(MovementState& state, int item) {
    if (Outcome chosen = RequireMovement(state); !chosen.accepted()) return chosen;
    DeriveNumberingStep(state, item);
    std::iota(state.PairNumberMap.begin(), state.PairNumberMap.end(), 0);
    return Outcome::Accepted();
}

void UseFirstStepChoice(MovementState& state) { state.NumberingStep = state.StepChoices[0]; }

void BeginTypedScheme(MovementState& state) {
    state.SchemeSource.clear();
    state.PrintedSource.clear();
    // A numbering chosen for the movement before is none of the typed one's: printing waits
    // until the director chooses one among the new movement's steps.
    state.NumberingStep = 0;
    ResetSchemeState(state);
}

Outcome BeginArbitraryNumbers(MovementState& state, int selectedStepItem) {
    if (Outcome chosen = RequireMovement(state); !chosen.accepted()) {
        UseFirstStepChoice(state);
        return chosen;
    }
    if (selectedStepItem != 0) {
        if (Outcome first = ChooseNumberingStep(state, 0); !first.accepted()) return first;
    }
    UseFirstStepChoice(state);
    ResetSchemeState(state);
    return Outcome::Accepted();
}

}  // namespace movement
