#pragma once

#include "toolkit/ProgramWindow.h"

#include "movement/MovementState.h"

class ProgramWindows;

// The window for printing pairs under numbers of the director's choosing.
class Tndw : public toolkit::ProgramWindow {
    Q_OBJECT

public:
    Tndw(movement::MovementState& state, ProgramWindows& windows);

private:
    movement::MovementState& state_;
    ProgramWindows& windows_;
};
