// SPDX-License-Identifier: GPL-3.0-or-later
#include "SurfaceDrawing.h"

#include <algorithm>
#include <cmath>

namespace printing {

void DrawLine(PrintSurface& surface, int fromX, int fromY, int toX, int toY) {
    surface.MoveTo(fromX, fromY);
    surface.LineTo(toX, toY);
}

void DrawDashedLine(PrintSurface& surface, int fromX, int fromY, int toX, int toY, int dash) {
    const bool across = fromY == toY;
    const int length = across ? toX - fromX : toY - fromY;
    for (int at = 0; at < length; at += 2 * dash) {
        const int end = std::min(length, at + dash);
        DrawLine(surface, across ? fromX + at : fromX, across ? fromY : fromY + at, across ? fromX + end : fromX,
                 across ? fromY : fromY + end);
    }
}

void CentredText::Draw(const std::string& text, int x, int width, int y, int size) {
    auto advance = advances_.find({size, text});
    if (advance == advances_.end())
        advance = advances_.emplace(std::make_pair(size, text), surface_.TextWidth(text, size)).first;
    surface_.TextOut(x + static_cast<int>(std::lround((width - advance->second) / 2)), y, text);
}

}  // namespace printing
