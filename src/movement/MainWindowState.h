// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"
#include "Result.h"

namespace movement {

// What the main window's routines do to the movement state; the windows add what they show.

// Before a new scheme source: unlocks the scheme files, clears the print range and the step
// choices, and makes PairNumberMap entries 1..2 x TableCount the identity. The movement itself,
// NumberingStep and SchemeSource stay.
void ResetSchemeState(MovementState& state);

// The main window's Zakrp, after another window hands back a movement, and the end of choosing a
// line: print range 1..TableCount, StepChoices from
// RoundCount, NumberingStep re-derived from the selected numbering item.
void PrepareMovementForPrinting(MovementState& state, int selectedStepItem);

// The main window's FormActivate, at every return to it: print range 1..TableCount and
// StepChoices from RoundCount.
void ResetRangeAndStepChoices(MovementState& state);

// The director's double click on table t's list line: its NS and WE pairs change places.
// A table outside 1..TableCount is refused and changes nothing.
Outcome SwapNsWe(MovementState& state, int32_t table);

// Whether a movement has been chosen, which numbering needs: refused as "Nieznany schemat
// Howell'a" while the step choices are those of no movement.
Outcome RequireMovement(const MovementState& state);

// The director's choice of a numbering item: item 0..2 its numbering step, item 3 Mitchell
// numbering, and the pair numbers back to the identity. Refused without a movement.
Outcome ChooseNumberingStep(MovementState& state, int item);

// Before arbitrary numbers are typed: the numbering step becomes the rounds (StepChoices[0]),
// under which every pair prints exactly as its PairNumberMap entry.
void UseFirstStepChoice(MovementState& state);

// "Z palca": a typed movement has no scheme file, so the source is emptied, and no numbering
// until the director chooses one of its own; then ResetSchemeState.
void BeginTypedScheme(MovementState& state);

// "Numery dowolne": the first numbering item is chosen (as a click on it when another item or
// none was selected: the pair numbers back to the identity), the numbering step becomes the
// rounds, and ResetSchemeState. Refused without a movement, when only the numbering step
// changes (to 0, that of no movement).
Outcome BeginArbitraryNumbers(MovementState& state, int selectedStepItem);

}  // namespace movement
