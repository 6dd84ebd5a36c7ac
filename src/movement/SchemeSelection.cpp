// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchemeSelection.h"

#include "MainWindowState.h"
#include "SchemeLine.h"
#include "StepChoices.h"

#include <algorithm>

namespace movement {

Outcome SelectScheme(MovementState& state, int k, int selectedStepItem) {
    // Entries past the lines of the file now loaded hold an earlier file's lines.
    if (k < 0 || k >= std::min<int32_t>(state.CatalogueLineCount, CatalogueCapacity))
        return Outcome::Refused(RZ_TEXT("refusals", "Niepoprawny schemat: nie ma takiej linii w pliku."));

    const Result<SchemeMovement> reading = ReadSchemeLine(state.SchemeCatalogue[k]);
    if (!reading.accepted()) return reading;

    const SchemeMovement& movement = reading.value();
    state.RoundCount = movement.RoundCount;
    state.TableCount = movement.TableCount;
    for (int32_t t = 1; t <= movement.TableCount; ++t) state.Seating[t] = movement.Tables[t - 1];
    state.PrintedSource = state.SchemeSource;

    PrepareMovementForPrinting(state, selectedStepItem);
    return Outcome::Accepted();
}

}  // namespace movement
