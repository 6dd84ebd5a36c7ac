// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CyclicMovement.h"

#include <array>
#include <cstdint>
#include <vector>

namespace schemelibrary {

// Which seats face North-South in round 1. A rotating pair that starts at a seat of set b and
// pair p plays set x + (b - p) when it is pair x, so a seat is known by its offset b - p, and
// each rotation's offsets are 0..R-1, each once. Bit o of north[c] is set when the seat of
// rotation c with offset o is an NS seat. These directions alone decide the balance.
struct DirectionPattern {
    std::array<uint32_t, 2> north{};
    int stationaryNorth = 0;  // stationary pairs seated NS

    friend bool operator==(const DirectionPattern&, const DirectionPattern&) = default;
};

enum class SearchStatus {
    Found,
    None,    // the whole space was searched: no round 1 of this kind exists
    GaveUp,  // the node limit ran out first
};

struct SearchResult {
    SearchStatus status = SearchStatus::GaveUp;
    std::vector<CyclicTable> tables;
    int64_t nodes = 0;
};

// Depth-first search for a round 1 of the given shape that plays through: every rotating pair
// meets every other pair at most once and plays every board set once. A table is placed at a
// time; the pair, offset or set with the fewest possible tables left is settled next, and a
// table is only possible when its pairs and offsets are still free in their rotation, its set
// has room, and the meeting it makes is new: pairs p and p' of one rotation meet each other at
// the difference +-(p - p'), so that difference may serve one table only (and never be R/2,
// which meets twice); pairs of different rotations meet at q - p, once each.
// With a pattern, only round 1s whose seats face as the pattern says are searched, NS being
// the seat the pattern marks; without one, the first seat found is NS.
// The search is deterministic and stops after nodeLimit tables placed.
SearchResult FindCyclicMovement(const MovementShape& shape, const DirectionPattern* pattern, int64_t nodeLimit);

}  // namespace schemelibrary
