// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/MovementState.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace printing {

// The round rows in the order the card prints them.
enum RoundRow { RoundsRow, NsRow, WeRow, BoardSetRow, RoundRowCount };

// Everything one card prints that comes from the movement, as the texts it prints.
struct TableCardContent {
    int32_t Table = 0;
    int32_t NsBoxNumber = 0;
    int32_t WeBoxNumber = 0;
    std::string NsNextSeat;
    std::string WeNextSeat;
    // The counts and the numbering, then the scheme's source when there is one.
    std::vector<std::string> Information;
    // Table 1's card only: the heading, then a line per table.
    std::vector<std::string> Summary;
    // A text per round in each row.
    std::array<std::vector<std::string>, RoundRowCount> Rows;
};

// Table 1's summary heading, over the columns table, NS pair, WE pair and board set.
extern const char* const SummaryHeading;

// How the pairs are numbered, in the words of the cards' information lines.
std::string NumberingText(const movement::MovementState& state, bool arbitraryNumbers);

TableCardContent ContentOf(const movement::MovementState& state, int32_t table, bool arbitraryNumbers);

}  // namespace printing
