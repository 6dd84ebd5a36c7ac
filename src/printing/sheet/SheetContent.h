// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/MovementState.h"

#include <cstdint>
#include <string>
#include <vector>

namespace printing {

// One table in one round: "NS-WE" in printed numbers, and the board set.
struct SheetCell {
    std::string Pairs;
    std::string BoardSet;
};

// Everything the movement sheet prints, as the texts it prints.
struct SheetContent {
    std::string Title;
    // The counts, the numbering, the source, the absent pair and how to read a cell.
    std::vector<std::string> Information;
    std::string RoundHeading;
    std::vector<std::string> TableHeadings;
    std::vector<std::string> RoundLabels;
    std::vector<std::vector<SheetCell>> Cells;  // [round - 1][table - 1]
    // What the checks found, then the balance of directions: each a paragraph.
    std::vector<std::string> Findings;
};

// Beside the absent pair's number in the cells.
extern const char* const AbsentMark;

SheetContent SheetOf(const movement::MovementState& state, int32_t absentPair);

}  // namespace printing
