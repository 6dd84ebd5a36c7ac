// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/PagedProduct.h"
#include "printing/PrintRun.h"
#include "printing/surfaces/PrintSurface.h"

#include "movement/MovementState.h"
#include "movement/Result.h"

#include <cstdint>

namespace printing {

// The fixed attribution line of every card.
extern const char* const AttributionText;

// The table cards of a run, laid out: refused without a movement.
PagedProductResult LayOutTableCards(const movement::MovementState& state, const PageMetrics& page,
                                    const RunRequest& request, PrintSurface& surface);

// One card per table from `first` to `last` (in either order, kept within the movement's
// tables), each on a page of its own, as many copies as asked (1..MaxCopies); one job for the
// run, or one job per card when `separateJobs` is set and the surface does not write to a file
// (a second job would overwrite it). Stops at the first failing printer operation, abandons the
// job and returns the printer's reason.
movement::Outcome PrintTableCards(const movement::MovementState& state, const PageMetrics& page, int32_t first,
                                  int32_t last, bool separateJobs, PrintSurface& surface, Copies copies = {});

}  // namespace printing
