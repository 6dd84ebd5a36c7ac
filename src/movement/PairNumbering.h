// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"

#include <cstdint>
#include <string>

namespace movement {

// Under which numbers pairs reach the cards. Pure functions of the state.

// 10 for up to 10 rounds, 20 for 11..20, 30 above: added to a WE pair's table in Mitchell
// numbering.
int32_t MitchellOffset(int32_t roundCount);

// The number of pair p under the current NumberingStep. Mitchell numbering: the table where p
// sits NS in round 1, or MitchellOffset plus the table where it sits WE; 0 when it is seated
// nowhere. A numbering step S: pairs 1..R keep their numbers, the next block of R pairs is
// numbered from S + 1 and the pairs above 2R (only with T > R) from 2S + 1 when S > R.
int32_t PrintedNumber(const MovementState& state, int32_t p);

// The number for the large NS or WE box of a card, for round-1 pair p: the map, then the numbering.
int32_t BoxNumber(const MovementState& state, int32_t p);

// The number the cards' rows print for pair p wherever it sits. Mitchell numbering does not
// consult PairNumberMap; a numbering step is followed by the map.
int32_t PairRowNumber(const MovementState& state, int32_t p);

// The number in the NS or WE row for round r of the seat whose round-1 pair is p.
int32_t RowNumber(const MovementState& state, int32_t p, int32_t r);

// The number of round-1 pair p in the summary of table 1's card: the numbering, then the map.
int32_t SummaryNumber(const MovementState& state, int32_t p);

// A number for a card's rows: right-aligned to 4 characters below 10 (zero and negative values
// included), to 3 otherwise; a longer text is not cut.
std::string FormatCardNumber(int32_t n);

// Whether the director has given arbitrary numbers: an entry 1..99 of PairNumberMap that is not
// its own index. Entry 0 is not examined.
bool ArbitraryNumbersInUse(const MovementState& state);

// PairNumberMap entry n, or n itself when n is outside the map.
int32_t MappedNumber(const MovementState& state, int32_t n);

}  // namespace movement
