// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"
#include "Result.h"

namespace movement {

// Makes catalogue entry k (0 for the first listed line) the current movement: the counts and
// round 1 of its tables, the caption of its file for the cards, the print range 1..TableCount, fresh StepChoices and
// NumberingStep re-derived from the selected numbering item. A line the program cannot use, or k past the lines of the
// file loaded last, is refused with its reason and leaves the state as it was.
Outcome SelectScheme(MovementState& state, int k, int selectedStepItem);

}  // namespace movement
