// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"

#include <array>
#include <cstdint>
#include <string>

namespace movement {

// The movement and its numbering as they were when the director opened a secondary window,
// to give them back exactly when the window is left through its title bar.
struct OpeningSnapshot {
    int32_t RoundCount = 0;
    int32_t TableCount = 0;
    std::array<TableSeat, MaxTables + 1> Seating{};
    std::string SchemeSource;
    std::string PrintedSource;
    int32_t NumberingStep = 0;
    std::array<int32_t, PairMapSize> PairNumberMap{};
    int SelectedStepItem = -1;  // the main window's numbering item
};

OpeningSnapshot TakeOpeningSnapshot(const MovementState& state, int selectedStepItem);

// Puts the movement and the numbering back; the print range and the step choices follow from
// them when the main window becomes active again. Returns the numbering item to select.
int RestoreOpeningSnapshot(MovementState& state, const OpeningSnapshot& snapshot);

}  // namespace movement
