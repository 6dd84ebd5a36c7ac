// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/MovementState.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace printing {

// The columns of a pair card's rows, in the order it prints them.
enum PairColumn { RoundColumn, TableColumn, DirectionColumn, OpponentColumn, BoardSetColumn, PairColumnCount };

extern const std::array<const char*, PairColumnCount> PairColumnHeadings;

// In place of the absent pair's number, for its opponents.
extern const char* const SitOutText;

// Everything one pair's card prints, as the texts it prints.
struct PairCardContent {
    std::string Heading;     // "Para 8"
    std::string Stationary;  // empty unless the pair keeps its seat
    std::vector<std::array<std::string, PairColumnCount>> Rows;
};

// The cards of pairs 1..2T but the absent one, in order of their printed numbers. The numbers
// are those the table cards' rows print.
std::vector<PairCardContent> PairCardsOf(const movement::MovementState& state, int32_t absentPair);

}  // namespace printing
