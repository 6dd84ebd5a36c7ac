#include "Palce.h"

#include "toolkit/Controls.h"

TZPL::TZPL(movement::MovementState& state, ProgramWindows& windows) : state_(state), windows_(windows) {
    setObjectName(QStringLiteral("ZPL"));
    setWindowTitle(QStringLiteral("Wprowadzanie z palca"));
    SetFormGeometry(19, 103, 357, 473);
    setFont(toolkit::SansFont(13, false));
}
