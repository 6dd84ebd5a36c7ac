// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/product/PageMetrics.h"
#include "printing/surfaces/PrintSurface.h"

#include "movement/MovementState.h"
#include "movement/Result.h"

#include <functional>

namespace printing {

// Whether the print command may start: refused without a numbering, then under a numbering that
// gives two pairs one number, then without page metrics.
movement::Outcome CanPrint(const movement::MovementState& state, const PageMetrics& page);

// Draws one run of any product on a surface with the page's metrics; the roads out (a file, a
// queue, the preview) give it the surface.
using PrintRun = std::function<movement::Outcome(PrintSurface& surface, const PageMetrics& page)>;

}  // namespace printing
