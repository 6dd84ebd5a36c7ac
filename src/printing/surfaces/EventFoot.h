// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/surfaces/PrintSurface.h"

#include <string>

namespace printing {

// The event's line at the foot of every page, or of every pair card: the line the director
// typed (movement::EventLine), centred, in the card face at the size given where it fits the
// width, else smaller down to two thirds of it, then cut with an ellipsis. Nothing without an event.
struct EventFoot {
    std::string text;
    int size = 0;
    int room = 0;  // the height it takes at the foot, with a gap above it; 0 without an event
};

EventFoot FitEventFoot(PrintSurface& surface, const std::string& event, int size, double width);

// Centred across `width` from `left`, the line's cell ending at `bottom`.
void DrawEventFoot(PrintSurface& surface, const EventFoot& foot, int left, int width, int bottom);

}  // namespace printing
