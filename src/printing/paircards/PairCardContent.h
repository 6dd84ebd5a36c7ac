// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/MovementState.h"
#include "movement/Text.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace printing {

// The columns of a pair card's rows, in the order it prints them.
enum PairColumn {
    RoundColumn,
    TableColumn,
    DirectionColumn,
    OpponentColumn,
    BoardSetColumn,
    BoardsColumn,
    PairColumnCount
};

// Everything one pair's card prints, as the texts it prints.
struct PairCardContent {
    std::string Heading;           // "Para 8"
    std::string ContinuedHeading;  // "Para 8 (cd.)", over the card's further pieces
    std::string Stationary;        // empty unless the pair keeps its seat
    // A row per round; a round the pair sits out holds only the round and the sit-out word, since
    // it goes to no table and plays no set.
    std::vector<std::array<std::string, PairColumnCount>> Rows;
};

// The cards of one run and what they share.
struct PairCards {
    // The columns' headings, in the cards' language.
    std::array<std::string, PairColumnCount> Headings;
    // On every card, so that cards of two sessions are not mixed: "Rund: 7; Stołów: 4; ...".
    std::string Movement;
    // The columns the cards print: the boards only when the number of boards in a set is given.
    std::vector<PairColumn> Columns;
    std::vector<PairCardContent> Cards;
};

// The cards of pairs 1..2T but the absent one, in order of their printed numbers. The numbers
// are those the table cards' rows print; the boards, with `boardsPerSet` boards in a set.
PairCards PairCardsOf(const movement::Catalogue& words, const movement::MovementState& state, int32_t absentPair,
                      int32_t boardsPerSet);

}  // namespace printing
