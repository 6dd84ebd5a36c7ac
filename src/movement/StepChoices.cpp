// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepChoices.h"

namespace movement {

std::array<int32_t, StepChoiceCount> ComputeStepChoices(int32_t roundCount) {
    const int64_t rounds = roundCount;
    int64_t nextTen = (rounds + 9) / 10 * 10;
    if (nextTen <= rounds) nextTen = (rounds + 19) / 10 * 10;
    return {roundCount, static_cast<int32_t>(nextTen), static_cast<int32_t>(nextTen + 10)};
}

void DeriveNumberingStep(MovementState& state, int selectedItem) {
    if (selectedItem == MitchellItem)
        state.NumberingStep = MitchellNumbering;
    else if (selectedItem >= 0 && selectedItem < StepChoiceCount)
        state.NumberingStep = state.StepChoices[static_cast<std::size_t>(selectedItem)];
}

}  // namespace movement
