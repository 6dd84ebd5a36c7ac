// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpeningSnapshot.h"

namespace movement {

OpeningSnapshot TakeOpeningSnapshot(const MovementState& state, int selectedStepItem) {
    return {state.RoundCount,    state.TableCount,    state.Seating,       state.SchemeSource,
            state.PrintedSource, state.NumberingStep, state.PairNumberMap, selectedStepItem};
}

int RestoreOpeningSnapshot(MovementState& state, const OpeningSnapshot& snapshot) {
    state.RoundCount = snapshot.RoundCount;
    state.TableCount = snapshot.TableCount;
    state.Seating = snapshot.Seating;
    state.SchemeSource = snapshot.SchemeSource;
    state.PrintedSource = snapshot.PrintedSource;
    state.NumberingStep = snapshot.NumberingStep;
    state.PairNumberMap = snapshot.PairNumberMap;
    return snapshot.SelectedStepItem;
}

}  // namespace movement
