// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"
#include "Result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace movement {

// Bounds of what a scheme line may describe. A card's round row has room for far fewer rounds,
// but every count up to these can be held and computed without overflow.
constexpr int32_t MaxSchemeRounds = 99;
constexpr int32_t MaxPairNumber = 99;

// A movement as a scheme line describes it: the counts and round 1 of tables 1..TableCount.
struct SchemeMovement {
    int32_t RoundCount = 0;
    int32_t TableCount = 0;
    std::vector<TableSeat> Tables;  // Tables[t - 1] is table t

    friend bool operator==(const SchemeMovement&, const SchemeMovement&) = default;
};

// Reads a scheme line, giving its movement or the Polish reason why the program cannot use it,
// the way a chosen catalogue line becomes the current movement: the rounds,
// the tables, then one slot per board set ("0" for a set no table plays, or an NS and a WE pair);
// every single space ends a number, so two spaces in a row hold an empty number that reads as 0.
// A table's board set is the position of its slot; with more tables than rounds the last table
// shares set 1. Anything after the last table's WE pair is not read.
// Refused, as a whole: rounds outside 1..99, tables outside 1..48, a pair above 99 (digits that
// overflow included), or a line that ends before the last table's WE pair.
Result<SchemeMovement> ReadSchemeLine(std::string_view line);

}  // namespace movement
