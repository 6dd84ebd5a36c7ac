#include "NumDow.h"

#include "toolkit/Controls.h"

Tndw::Tndw(movement::MovementState& state, ProgramWindows& windows) : state_(state), windows_(windows) {
    setObjectName(QStringLiteral("ndw"));
    setWindowTitle(QStringLiteral("Numery dowolne <=99"));
    SetFormGeometry(414, 102, 231, 465);
    setFont(toolkit::SansFont(11, false));
}
