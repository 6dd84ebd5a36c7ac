// SPDX-License-Identifier: GPL-3.0-or-later
#include "movement/StepChoices.h"

#include <gtest/gtest.h>

namespace movement {
namespace {

using Choices = std::array<int32_t, 3>;

TEST(StepChoices, AreTheRoundsThenTheNextMultipleOfTenAboveThemThenTenMore) {
    EXPECT_EQ(ComputeStepChoices(7), (Choices{7, 10, 20}));
    EXPECT_EQ(ComputeStepChoices(9), (Choices{9, 10, 20}));
    EXPECT_EQ(ComputeStepChoices(10), (Choices{10, 20, 30}));
    EXPECT_EQ(ComputeStepChoices(11), (Choices{11, 20, 30}));
    EXPECT_EQ(ComputeStepChoices(13), (Choices{13, 20, 30}));
    EXPECT_EQ(ComputeStepChoices(20), (Choices{20, 30, 40}));
    EXPECT_EQ(ComputeStepChoices(99), (Choices{99, 100, 110}));
    EXPECT_EQ(ComputeStepChoices(0), (Choices{0, 10, 20}));
}

TEST(NumberingStepFromTheSelectedItem, StepItemsGiveTheirChoiceAndMitchellMinusOne) {
    MovementState state;
    state.StepChoices = ComputeStepChoices(7);
    state.NumberingStep = 5;

    DeriveNumberingStep(state, NoItemSelected);
    EXPECT_EQ(state.NumberingStep, 5);
    DeriveNumberingStep(state, 0);
    EXPECT_EQ(state.NumberingStep, 7);
    DeriveNumberingStep(state, 1);
    EXPECT_EQ(state.NumberingStep, 10);
    DeriveNumberingStep(state, 2);
    EXPECT_EQ(state.NumberingStep, 20);
    DeriveNumberingStep(state, MitchellItem);
    EXPECT_EQ(state.NumberingStep, -1);
    DeriveNumberingStep(state, 4);
    EXPECT_EQ(state.NumberingStep, -1);
}

}  // namespace
}  // namespace movement
