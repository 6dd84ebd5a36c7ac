// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/surfaces/PrintSurface.h"

#include "movement/MovementState.h"
#include "movement/Result.h"

#include <cstdint>
#include <functional>

namespace printing {

// The printable area captured from the printer, in device pixels; 0 until captured.
struct PageMetrics {
    int32_t PageWidth = 0;
    int32_t PageHeight = 0;
};

// Whether the print command may start: refused without a numbering, then under a numbering that
// gives two pairs one number, then without page metrics.
movement::Outcome CanPrint(const movement::MovementState& state, const PageMetrics& page);

// How many copies of the cards a run prints: the whole range again and again (collated), or each
// card's copies one after another.
struct Copies {
    int32_t count = 1;
    bool collated = true;
};
constexpr int32_t MaxCopies = 999;

// Draws one run of any product on a surface with the page's metrics; the roads out (a file, a
// queue, the preview) give it the surface.
using PrintRun = std::function<movement::Outcome(PrintSurface& surface, const PageMetrics& page)>;

}  // namespace printing
