// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/MovementState.h"
#include "movement/Text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace printing {

// One table in one round: "NS-WE" in printed numbers, and the board set or its boards.
struct SheetCell {
    std::string Pairs;
    std::string BoardSet;
    bool Absent = false;  // the absent pair sits here: the cell is shaded
};

// Everything the movement sheet prints, as the texts it prints.
struct SheetContent {
    std::string Title;
    std::string ContinuedTitle;  // over the pages after the first
    // The counts, the numbering, the source, the absent pair and how to read a cell.
    std::vector<std::string> Information;
    std::string RoundHeading;
    std::vector<std::string> TableHeadings;
    std::vector<std::string> RoundLabels;
    std::vector<std::vector<SheetCell>> Cells;  // [round - 1][table - 1]
    // [round - 1]: what the director sees to in the round beyond the cells (the sets waiting on
    // the spare table and those taken from it, the tables sharing a set, the pair sitting out),
    // the sets named as the cells show them; all empty when nothing.
    std::vector<std::string> RoundNotes;
    // The information's last line when there are round notes; empty with none.
    std::string RoundNotesLegend;
    // What the checks found, then the balance of directions: each a paragraph.
    std::vector<std::string> Findings;
};

// Beside the absent pair's number in the cells.
extern const char* const AbsentMark;

// The sheet with the board numbers under the cells when `boardsPerSet` is given, the set
// numbers otherwise.
SheetContent SheetOf(const movement::Catalogue& words, const movement::MovementState& state, int32_t absentPair,
                     int32_t boardsPerSet = 0);

}  // namespace printing
