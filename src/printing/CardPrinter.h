// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrintSurface.h"

#include "movement/MovementState.h"
#include "movement/Result.h"

#include <cstdint>

namespace printing {

// The printable area captured from the printer, in device pixels; 0 until captured.
struct PageMetrics {
    int32_t PageWidth = 0;
    int32_t PageHeight = 0;
};

// The fixed attribution line of every card.
extern const char* const AttributionText;

// Whether the print command may start: refused without a numbering, then without page metrics.
movement::Outcome CanPrint(const movement::MovementState& state, const PageMetrics& page);

// How many copies of the cards a run prints: the whole range again and again (collated), or each
// card's copies one after another.
struct Copies {
    int32_t count = 1;
    bool collated = true;
};
constexpr int32_t MaxCopies = 999;

// One card per table from `first` to `last` (in either order, kept within the movement's
// tables), each on a page of its own, as many copies as asked (1..MaxCopies); one job for the
// run, or one job per card when `separateJobs` is set and the surface does not write to a file
// (a second job would overwrite it). Stops at the first failing printer operation, abandons the
// job and returns the printer's reason.
movement::Outcome PrintCards(const movement::MovementState& state, const PageMetrics& page, int32_t first, int32_t last,
                             bool separateJobs, PrintSurface& surface, Copies copies = {});

}  // namespace printing
