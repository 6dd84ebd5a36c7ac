// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintSettings.h"

#include "movement/MovementState.h"

#include <memory>

class QApplication;
class Session;
class TDrog;
class TUstWydr;
class TZPL;
class Tndw;

namespace printing {
class PrintSurface;
}

// The program's four windows, created once in their order and alive until the program ends,
// the print settings they share, and the session that stands between them. Each window gets
// the movement state, or the print settings, by reference.
class ProgramWindows {
public:
    // `testSurface`: a surface a test passes in to draw the cards on instead of the printer.
    explicit ProgramWindows(movement::MovementState& state, printing::PrintSurface* testSurface = nullptr);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Shows the main window; its first activation follows.
    void Start();

    // The windows, each with its controls: a secondary window makes them when first asked for.
    TDrog& Drog() { return *drog_; }
    TUstWydr& UstWydr();
    TZPL& ZPL();
    Tndw& ndw();

    PrintSettings& Settings() { return settings_; }

private:
    PrintSettings settings_;
    std::unique_ptr<TDrog> drog_;
    std::unique_ptr<TUstWydr> ustWydr_;
    std::unique_ptr<TZPL> zpl_;
    std::unique_ptr<Tndw> ndw_;
    std::unique_ptr<Session> session_;
};

// The program's start between the toolkit's and its event loop: the application set up, the
// pending output removed on signals, the data folders found, the windows made and the main
// window shown. main() starts so, and so does the start-up timing (tools/startup).
std::unique_ptr<ProgramWindows> StartProgram(QApplication& application, movement::MovementState& state);
