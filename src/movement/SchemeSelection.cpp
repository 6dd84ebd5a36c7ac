#include "SchemeSelection.h"

#include "SchemeLine.h"
#include "StepChoices.h"

namespace movement {

Outcome SelectScheme(MovementState& state, int k, int selectedStepItem) {
    if (k < 0 || k >= CatalogueCapacity)
        return Outcome::Refused("Niepoprawny schemat: nie ma takiej linii w pliku.");

    const SchemeLineReading reading = ReadSchemeLine(state.SchemeCatalogue[k]);
    if (!reading.accepted) return Outcome::Refused(reading.refusal);

    const SchemeMovement& movement = reading.movement;
    state.RoundCount = movement.RoundCount;
    state.TableCount = movement.TableCount;
    for (int32_t t = 1; t <= movement.TableCount; ++t)
        state.Seating[t] = movement.Tables[t - 1];

    state.PrintFrom = 1;
    state.PrintTo = state.TableCount;
    state.StepChoices = ComputeStepChoices(state.RoundCount);
    DeriveNumberingStep(state, selectedStepItem);
    return Outcome::Accepted();
}

}  // namespace movement
