#pragma once

#include "PrintSurface.h"

#include <string>
#include <vector>

namespace printing {

// The card face's heights in proportion to its size; Arial and Liberation Sans share them. A
// line of text is FaceAscent + FaceDescent high.
constexpr double FaceAscent = 0.905;
constexpr double FaceDescent = 0.212;

// A size in points shrunk by `scale`, a point at least.
int Scaled(int size, double scale);

// A point of `size` points in device pixels.
double Em(PrintSurface& surface, int size);

double WidestOf(PrintSurface& surface, const std::vector<std::string>& texts, int size);

// The largest size up to `size` at which `text` advances no further than `room`.
int SizeToFit(PrintSurface& surface, const std::string& text, int size, double room);

// `text` in lines that advance no further than `room` at `size`, broken at spaces; a word wider
// than the room stands on a line of its own.
std::vector<std::string> WrapText(PrintSurface& surface, const std::string& text, int size, double room);

}  // namespace printing
