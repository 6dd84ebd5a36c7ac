// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/surfaces/PrintSurface.h"

#include <map>
#include <string>
#include <utility>

namespace printing {

// The face every product prints in, and the symbol face of the table cards' arrows.
inline constexpr const char* CardFace = "Arial";
inline constexpr const char* SymbolFace = "WingDings";

// A straight line from one point to another.
void DrawLine(PrintSurface& surface, int fromX, int fromY, int toX, int toY);

// A line drawn in dashes of `dash` pixels with gaps as long, across or down.
void DrawDashedLine(PrintSurface& surface, int fromX, int fromY, int toX, int toY, int dash);

// Texts centred in their columns. Tables repeat few texts in many cells, so each text is
// measured once at each size.
class CentredText {
public:
    explicit CentredText(PrintSurface& surface) : surface_(surface) {}

    // `text` at the current font, in the middle of the column from `x`, `width` wide, measured
    // at `size` points.
    void Draw(const std::string& text, int x, int width, int y, int size);

private:
    PrintSurface& surface_;
    std::map<std::pair<int, std::string>, double> advances_;
};

}  // namespace printing
