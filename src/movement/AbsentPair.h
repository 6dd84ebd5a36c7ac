// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"
#include "Result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace movement {

// With an odd number of pairs one pair of the movement is absent and its opponents sit out.
constexpr int32_t NoAbsentPair = 0;

// Whether `pair`, as numbered in the scheme, can be named absent: NoAbsentPair, or 1..2T.
Outcome CheckAbsentPair(const MovementState& state, int32_t pair);

// The pair, as numbered in the scheme, that meets the absent pair in round `round` and so sits
// out that round; NoAbsentPair when no pair is absent or the absent pair has no seat then.
int32_t SittingOutIn(const MovementState& state, int32_t absentPair, int32_t round);

// The numbers pairs 1..2T play under, as the cards' rows print them: ascending, each once.
std::vector<int32_t> PrintedPairNumbers(const MovementState& state);

// The pair of the scheme that plays under `printed`, the number the director and the players
// know; NoAbsentPair for NoAbsentPair. Refused when no pair, or more than one, carries it.
Result<int32_t> AbsentPairFromPrinted(const MovementState& state, int32_t printed);

// Whom a number the director gives the absent pair means under the numbering chosen now, to show
// beside it: "para 8 w schemacie", "pary 2 i 9 w schemacie" where two pairs carry it; empty for
// NoAbsentPair and for a number no pair carries.
std::string AbsentPairMeaning(const MovementState& state, int32_t printed);

// Whether the absent pair would sit in round `round` on the seat whose round-1 pair is
// `roundOnePair`: there its opponents sit out.
bool AbsentInRound(const MovementState& state, int32_t roundOnePair, int32_t round, int32_t absentPair);

}  // namespace movement
