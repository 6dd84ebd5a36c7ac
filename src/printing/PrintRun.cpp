// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintRun.h"

#include "movement/SharedNumbers.h"

namespace printing {

movement::Outcome CanPrint(const movement::MovementState& state, const PageMetrics& page) {
    if (state.NumberingStep == 0) return movement::Outcome::Refused(RZ_TEXT("refusals", "Nieznany skok Numeracji !"));
    if (movement::Outcome distinct = movement::CheckNumbersDistinct(state); !distinct.accepted()) return distinct;
    if (page.PageHeight == 0 || page.PageWidth == 0)
        return movement::Outcome::Refused(RZ_TEXT("refusals",
                                                  "     Ustaw parametry strony !\nNaciskając kl. Ustawienia Druku"));
    return movement::Outcome::Accepted();
}

}  // namespace printing
