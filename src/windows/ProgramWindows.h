#pragma once

#include "movement/MovementState.h"

#include <memory>

class TDrog;
class TUstWydr;
class TZPL;
class Tndw;

// The program's four windows, created once in their order and alive until the program ends.
// Each gets the movement state and this set by reference, to hand control to the others.
class ProgramWindows {
public:
    explicit ProgramWindows(movement::MovementState& state);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Shows the main window; its first activation follows.
    void Start();

    TDrog& Drog() { return *drog_; }
    TUstWydr& UstWydr() { return *ustWydr_; }
    TZPL& ZPL() { return *zpl_; }
    Tndw& ndw() { return *ndw_; }

private:
    std::unique_ptr<TDrog> drog_;
    std::unique_ptr<TUstWydr> ustWydr_;
    std::unique_ptr<TZPL> zpl_;
    std::unique_ptr<Tndw> ndw_;
};
