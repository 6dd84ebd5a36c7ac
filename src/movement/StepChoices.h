// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"

#include <array>
#include <cstdint>

namespace movement {

// The three numbering steps offered for a movement of the given rounds: the rounds themselves,
// the smallest multiple of ten above them, and ten more (7 gives 7, 10, 20; 10 gives 10, 20, 30).
std::array<int32_t, StepChoiceCount> ComputeStepChoices(int32_t roundCount);

// Index of the "Mitchell" item of the numbering choice, after the three steps.
constexpr int MitchellItem = 3;
constexpr int NoItemSelected = -1;

// NumberingStep as the selected numbering item gives it with the current StepChoices: items
// 0..2 their step, the Mitchell item -1. With no item selected (or an index that is no item)
// NumberingStep stays as it was.
void DeriveNumberingStep(MovementState& state, int selectedItem);

}  // namespace movement
