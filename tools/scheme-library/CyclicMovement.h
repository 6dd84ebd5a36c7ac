// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace schemelibrary {

// Residues of one rotation are kept as bits of a 32-bit mask, which bounds the round count.
constexpr int32_t MaxSearchRounds = 31;

// What the rotation rules make of R rounds and T tables: pairs 1..R rotate; when T >= R so do
// pairs R+1..2R; every other pair keeps its seat. Board sets rotate through 1..R.
struct MovementShape {
    int32_t rounds = 0;
    int32_t tables = 0;
    int rotations = 0;       // 1, or 2 when T >= R
    int stationary = 0;      // pairs that never move
    bool sharedSet = false;  // T = R + 1: the last table shares set 1 with table 1
};

// The shape of a size a scheme line can describe, or nullopt: a line puts tables 1..T-1 on
// different sets, so T <= R + 1, and 2T pairs must fill the rotations.
std::optional<MovementShape> ShapeOf(int32_t rounds, int32_t tables);

// A seat in round 1, counted from 0 inside its rotation: pair residue p of the first rotation
// is pair p + 1, of the second rotation pair R + p + 1.
enum class SeatKind : uint8_t { FirstRotation, SecondRotation, Stationary };

struct CyclicSeat {
    SeatKind kind = SeatKind::Stationary;
    int32_t pair = 0;  // residue 0..R-1; not used for a stationary pair

    friend bool operator==(const CyclicSeat&, const CyclicSeat&) = default;
};

// A table in round 1, its board set counted from 0.
struct CyclicTable {
    int32_t set = 0;
    CyclicSeat northSouth;
    CyclicSeat westEast;
    bool sharesSet = false;  // the extra table on set 0 when T = R + 1; written last

    friend bool operator==(const CyclicTable&, const CyclicTable&) = default;
};

// The scheme line of a round 1: rounds, tables, then one slot per board set ("0" for a set no
// table starts on), the shared table last. Stationary pairs are numbered in table order.
std::string SchemeLineOf(const MovementShape& shape, const std::vector<CyclicTable>& tables);

}  // namespace schemelibrary
