// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AbsentPair.h"
#include "MovementState.h"
#include "Result.h"
#include "Text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace movement {

// The boards of a set: with N boards in every set, set s holds boards (s - 1) * N + 1 .. s * N.
// None given (0) leaves the cards with set numbers only.
constexpr int32_t NoBoardsGiven = 0;
constexpr int32_t MaxBoardsPerSet = 9;

// Whether `boards` can be the number of boards in a set: NoBoardsGiven, or 1..MaxBoardsPerSet.
Outcome CheckBoardsPerSet(int32_t boards);

// The boards of set `set`: "4-6", or "4" with one board a set; empty when no boards are given
// or the set is not a set (below 1).
std::string BoardNumbersText(int32_t set, int32_t boardsPerSet);

// Ascending numbers with runs of three or more joined: "1-3, 5, 7, 8"; empty for none.
std::string NumberRangesText(const std::vector<int32_t>& ascending);

// Where a set waits while no table plays it, and where it is taken from again.
constexpr int32_t SpareTable = 0;

// How the board sets travel between the tables over the rounds, played from round 1. A table
// whose pair meets the absent pair has no game that round: it plays no set, no set goes to it
// and none comes from it. A set outside 1..R (a typed scheme's) is none of the movement's sets.
struct SetRoutes {
    // [r - 1][t - 1]: whether table t has a game in round r.
    std::vector<std::vector<bool>> Plays;
    // [r - 1][t - 1] for rounds 1..R-1: the tables that play table t's round-r set in round r + 1,
    // in ascending order; {SpareTable} when none does; empty when table t plays no set in round r.
    std::vector<std::vector<std::vector<int32_t>>> NextTables;
    // [r - 1][t - 1] for rounds 1..R: the tables that played table t's round-r set in round r - 1,
    // in ascending order; {SpareTable} when none did; empty in round 1 and when table t plays no
    // set in round r.
    std::vector<std::vector<std::vector<int32_t>>> PreviousTables;
    // [r - 1][t - 1]: the other tables that play table t's set in round r, in ascending order.
    std::vector<std::vector<std::vector<int32_t>>> SharedWith;
    // [r - 1]: the sets 1..R that no table plays in round r, in ascending order: they wait on the
    // spare table.
    std::vector<std::vector<int32_t>> Waiting;
    // [r - 1]: the sets played in round r that no table played in round r - 1, in ascending order:
    // they are taken from the spare table. None in round 1.
    std::vector<std::vector<int32_t>> FromSpare;
};

// `absentPair` is numbered as in the scheme; NoAbsentPair when every pair plays.
SetRoutes RoutesOf(const MovementState& state, int32_t absentPair = NoAbsentPair);

// The tables that play table t's set in every round it has a game, the same ones each time; empty
// when the table plays alone in some round or its partners change.
std::vector<int32_t> SharedThroughout(const SetRoutes& routes, int32_t table);

// The rounds in which table t shares its set although it does not share it throughout.
std::vector<int32_t> RoundsSharedNowAndThen(const SetRoutes& routes, int32_t table);

// The tables that play table t's set in some of those rounds, in ascending order.
std::vector<int32_t> PartnersNowAndThen(const SetRoutes& routes, int32_t table);

// What a table card calls the spare table on which a set waits: "P".
std::string SpareTableMark(const Catalogue& words);

// A route as a table card prints it: "13", "1/13" for two tables, the spare table's mark, or
// nothing for none.
std::string RouteText(const Catalogue& words, const std::vector<int32_t>& tables);

// The tables as a card names them: "2", "2 i 5", "2, 3 i 5".
std::string TablesInWords(const Catalogue& words, const std::vector<int32_t>& tables);

// The foot of a card that shares its set with the same tables in every round: "Komplet dzielony
// ze stołem 2", "Komplet dzielony ze stołami 2 i 5".
std::string SharedThroughoutNote(const Catalogue& words, const std::vector<int32_t>& tables);

// The foot of a card that shares its set in some rounds only, marked in its boards row by
// `mark`: "* – w tych rundach komplet dzielony ze stołem 3".
std::string SharedNowAndThenNote(const Catalogue& words, const std::string& mark, std::size_t rounds,
                                 const std::vector<int32_t>& tables);

}  // namespace movement
