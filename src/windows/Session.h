// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintChoice.h"

#include "movement/MovementState.h"

#include <QObject>

class PrintSettings;
class TDrog;
class TUstWydr;
class TZPL;
class Tndw;

namespace printing {
class PrintSurface;
}

// What stands between the windows: each says what happened, and the session decides what the
// others show. It hands control from window to window, and runs the prints and previews the
// main window asks for, telling it what became of them.
class Session : public QObject {
    Q_OBJECT

public:
    // `testSurface`: a surface a test passes in to draw the cards on instead of the printer.
    Session(movement::MovementState& state, PrintSettings& settings, printing::PrintSurface* testSurface, TDrog& drog,
            TUstWydr& ustWydr, TZPL& zpl, Tndw& ndw);

private:
    void ConnectWindows();

    // Another movement became current: what the last print did no longer concerns it.
    void MovementBecameCurrent();
    void OpenTyping();
    void OpenArbitraryNumbers();
    void OpenPrintSettings();
    void BackFromPrintSettings();
    void TakeTypedMovement();
    void TakeArbitraryNumbers();
    // A secondary window left through its title bar: the movement and the numbering as they were
    // when the director opened it.
    void GiveBackOpening();
    void Print(const PrintChoice& asked);
    void Preview(const PrintChoice& asked);

    movement::MovementState& state_;
    PrintSettings& settings_;
    printing::PrintSurface* testSurface_;
    TDrog& drog_;
    TUstWydr& ustWydr_;
    TZPL& zpl_;
    Tndw& ndw_;
};
