#pragma once

#include "toolkit/ProgramWindow.h"

#include "movement/MovementState.h"

class ProgramWindows;

// The window for typing a movement by hand.
class TZPL : public toolkit::ProgramWindow {
    Q_OBJECT

public:
    TZPL(movement::MovementState& state, ProgramWindows& windows);

private:
    movement::MovementState& state_;
    ProgramWindows& windows_;
};
