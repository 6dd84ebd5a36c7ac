#pragma once

#include "movement/MovementState.h"

namespace printing::testing {

// Example A of the round progression: 7 rounds, 4 tables, pair 8 stays at table 1; numbered
// with the given step, no arbitrary numbers, all tables to print.
inline movement::MovementState ExampleA(int32_t step) {
    movement::MovementState state;
    state.RoundCount = 7;
    state.TableCount = 4;
    state.Seating[1] = {8, 1, 1};
    state.Seating[2] = {2, 6, 2};
    state.Seating[3] = {3, 5, 4};
    state.Seating[4] = {4, 7, 6};
    state.NumberingStep = step;
    for (int32_t n = 0; n < movement::PairMapSize; ++n) state.PairNumberMap[n] = n;
    state.PrintFrom = 1;
    state.PrintTo = 4;
    return state;
}

}  // namespace printing::testing
