// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "movement/AbsentPair.h"
#include "movement/BoardRoutes.h"
#include "movement/MovementState.h"
#include "movement/Text.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace printing {

// The round rows in the order the card prints them.
enum RoundRow { RoundsRow, NsRow, WeRow, BoardSetRow, RoundRowCount };

// The card's fixed words, in the cards' language: the attribution, the big boxes' labels, and
// the labels of the round rows and of the rows that come with board numbers.
struct TableCardWords {
    std::string Attribution;
    std::string NsBox;
    std::string WeBox;
    std::string RoundsLabel;
    std::string NsLabel;
    std::string WeLabel;
    std::string BoardSetLabel;
    std::string BoardsLabel;
    std::string PreviousTableLabel;
    std::string NextTableLabel;
};

TableCardWords TableCardWordsOf(const movement::Catalogue& words);

// Everything one card prints that comes from the movement, as the texts it prints.
struct TableCardContent {
    TableCardWords Words;
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
    // A big box whose round-1 pair is absent shows AbsentDash instead of its number.
    bool NsBoxAbsent = false;
    bool WeBoxAbsent = false;
    // With board numbers, under the set row: the boards of each round's set; in a movement of two
    // rounds or more, round by round the tables that played the set in the round before and, for
    // every round but the last, the tables that play it next ("1/13"), or the spare table's mark;
    // empty where the table has no game.
    std::vector<std::string> Boards;
    std::vector<std::string> PreviousTables;
    std::vector<std::string> NextTables;
    // What the card's signs mean and whom it shares its sets with, each line once, under the rows.
    std::vector<std::string> Foot;
};

// What a run adds to the cards beyond the movement: the boards in a set, the absent pair (as
// numbered in the scheme) and, with boards, where the sets come from and go (routed around the
// absent pair's idle tables).
struct CardAdditions {
    int32_t boardsPerSet = movement::NoBoardsGiven;
    int32_t absentPair = movement::NoAbsentPair;
    const movement::SetRoutes* routes = nullptr;  // needed with boards
    const movement::Catalogue* words = nullptr;   // the cards' language; none: the sources'
};

// In place of the absent pair's number, where its opponents sit out.
extern const char* const AbsentDash;

// Beside the boards of a round in which the table shares its set, though not in every round.
extern const char* const SharedNowAndThenMark;

TableCardContent ContentOf(const movement::MovementState& state, int32_t table, bool arbitraryNumbers,
                           const CardAdditions& additions = {});

}  // namespace printing
