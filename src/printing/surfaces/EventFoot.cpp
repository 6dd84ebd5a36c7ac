// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventFoot.h"

#include "printing/surfaces/SurfaceDrawing.h"
#include "printing/surfaces/TextFit.h"

#include "movement/EventLine.h"

#include <algorithm>
#include <cmath>

namespace printing {

EventFoot FitEventFoot(PrintSurface& surface, const std::string& event, int size, double width) {
    EventFoot foot;
    foot.text = movement::EventLine(event);
    if (foot.text.empty()) return foot;
    foot.size = std::max(SizeToFit(surface, foot.text, size, width), Scaled(size, 2.0 / 3));
    foot.text = CutToFit(surface, foot.text, foot.size, width);
    foot.room = Ceil((FaceAscent + FaceDescent + 0.5) * Em(surface, foot.size));
    return foot;
}

void DrawEventFoot(PrintSurface& surface, const EventFoot& foot, int left, int width, int bottom) {
    if (foot.text.empty()) return;
    surface.SetFontName(CardFace);
    surface.SetFontSize(foot.size);
    surface.SetFontStyle(FontStyle::Plain);
    const int top = bottom - Ceil((FaceAscent + FaceDescent) * Em(surface, foot.size));
    CentredText(surface).Draw(foot.text, left, width, top, foot.size);
}

}  // namespace printing
