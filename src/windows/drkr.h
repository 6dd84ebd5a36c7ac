#pragma once

#include "toolkit/ProgramWindow.h"

#include "movement/MovementState.h"

class ProgramWindows;

// The print parameters window: the printer, its paper and the page metrics.
class TUstWydr : public toolkit::ProgramWindow {
    Q_OBJECT

public:
    TUstWydr(movement::MovementState& state, ProgramWindows& windows);

private:
    movement::MovementState& state_;
    ProgramWindows& windows_;
};
