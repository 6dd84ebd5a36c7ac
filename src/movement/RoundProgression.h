// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"
#include "Text.h"

#include <cstdint>
#include <string>

namespace movement {

// Every later round follows from round 1: rotating pairs and board sets grow by one per round.
// All of these are pure functions of the state; rounds count from 1.

// The pair at the seat whose round-1 pair is p, in round r.
int32_t PairInRound(const MovementState& state, int32_t p, int32_t r);

// The set a table whose round-1 BoardSet is b plays in round 1: a set beyond the rounds (a
// scheme line with more slots than rounds) is set 1, the one answer the cards, the sheet and
// the checks of a chosen movement all give.
int32_t RoundOneBoardSet(int32_t roundCount, int32_t b);

// The board set played in round r at a table whose round-1 BoardSet is b.
int32_t BoardSetInRound(const MovementState& state, int32_t b, int32_t r);

// Where the pair at the seat whose round-1 pair is p goes for the next round: "3 NS", "4 WE",
// or "STAŁA" for a pair that never moves. Empty when its predecessor is seated nowhere.
std::string NextSeatText(const Catalogue& words, const MovementState& state, int32_t p);

// The pair number one round later, applied alike to pairs and to board sets when a typed
// scheme is played through.
int32_t AdvanceNumber(const MovementState& state, int32_t x);

}  // namespace movement
