// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/surfaces/PrintSurface.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace printing {

// The card face's heights in proportion to its size; Arial and Liberation Sans share them. A
// line of text is FaceAscent + FaceDescent high.
constexpr double FaceAscent = 0.905;
constexpr double FaceDescent = 0.212;

// A length in pixels rounded down or up to a whole one, within what an int holds.
int Floor(double value);
int Ceil(double value);

// How many parts of `size` things `count` things fill: `count` / `size` rounded up, 0 where
// `size` is none.
int32_t PartsOf(int32_t count, int32_t size);

// `count` things (rows, tables, rounds) in parts of at most `most`: the fewest parts, one at
// least, and how many each part holds when the things are shared out evenly among them.
struct EvenShare {
    int32_t parts = 1;
    int32_t each = 1;
};
EvenShare ShareEvenly(int32_t count, int32_t most);

// A size in points shrunk by `scale`, a point at least.
int Scaled(int size, double scale);

// A point of `size` points in device pixels.
double Em(PrintSurface& surface, int size);

double WidestOf(PrintSurface& surface, const std::vector<std::string>& texts, int size);

// Every text once, in order: a product's cells repeat few texts, each then measured once.
std::vector<std::string> DistinctTexts(std::vector<std::string> texts);

// The largest size from `design` down that needs the fewest parts (pages, cells): below `floor`
// only where nothing fits at it. `partsAt(size)` lays the product out at a size and says how
// many parts it then needs, 0 where it does not fit at all. 1 when nothing fits at any size.
int LargestSizeOfFewestParts(int design, int floor, const std::function<int64_t(int size)>& partsAt);

// The largest size up to `size` at which `text` advances no further than `room`.
int SizeToFit(PrintSurface& surface, const std::string& text, int size, double room);

// `text` cut at a character where it must be, so that with an ellipsis after it it advances no
// further than `room` at `size`; whole where it fits.
std::string CutToFit(PrintSurface& surface, const std::string& text, int size, double room);

// `text` in lines that advance no further than `room` at `size`, broken at spaces; a word wider
// than the room stands on a line of its own.
std::vector<std::string> WrapText(PrintSurface& surface, const std::string& text, int size, double room);

}  // namespace printing
