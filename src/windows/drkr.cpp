#include "drkr.h"

#include "toolkit/Controls.h"

TUstWydr::TUstWydr(movement::MovementState& state, ProgramWindows& windows) : state_(state), windows_(windows) {
    setObjectName(QStringLiteral("UstWydr"));
    setWindowTitle(QStringLiteral("Ustawienie parametrów drukowania"));
    SetFormGeometry(79, 103, 479, 437);
    setFont(toolkit::SansFont(11, false));
}
