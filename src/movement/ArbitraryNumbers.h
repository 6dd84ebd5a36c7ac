// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"
#include "Result.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace movement {

constexpr int RenumberingGroupCount = 4;

// A group is numbered from a multiple of ten up to this.
constexpr int32_t GroupShiftStep = 10;
constexpr int32_t MaxGroupShift = 90;

// The groups whose pairs can be renumbered together, from a multiple of ten: 0 all pairs,
// 1 the first rotation 1..R, 2 the next pairs up to min(2R, 2T), 3 the pairs above 2R (only
// with more tables than rounds; GroupEnd[3] is then 2T, otherwise 0 with an empty caption).
// The caption ("1 do 14") is a text, for the window to say in its language; GroupCaption holds
// its Polish.
struct RenumberingGroups {
    std::array<int32_t, RenumberingGroupCount> GroupEnd{};
    std::array<Text, RenumberingGroupCount> GroupText{Text{TextId{"", ""}}, Text{TextId{"", ""}}, Text{TextId{"", ""}},
                                                      Text{TextId{"", ""}}};
    std::array<std::string, RenumberingGroupCount> GroupCaption{};
};

RenumberingGroups MakeRenumberingGroups(int32_t roundCount, int32_t tableCount);

// The pairs 1..2T whose new numbers the window shows and checks (at most 99, the map's last entry).
int32_t NumberedPairs(int32_t tableCount);

// The new numbers as the grid shows them when the window opens: every pair 1..2T keeps its number.
std::vector<std::string> InitialNewNumbers(int32_t tableCount);

// Gives the pairs of group k the numbers shift + 1, shift + 2, ... in the order of their old
// numbers; newNumbers[x - 1] is the new number of old pair x, and only rows of the group that
// exist are written. Refused, with nothing written, for group 3 of a movement without it, k
// that is no group, or a shift that is no multiple of ten within 0..90.
Outcome ShiftGroup(const RenumberingGroups& groups, int k, int32_t shift, int32_t roundCount,
                   std::vector<std::string>& newNumbers);

// Checks the new numbers of pairs 1..2 x TableCount (newNumbers[x - 1]; a missing row reads as
// an empty cell): each an integer, within 1..99, none twice. Accepted numbers become
// PairNumberMap entries 1..2 x TableCount; a refusal changes nothing.
Outcome ValidateNumbers(MovementState& state, const std::vector<std::string>& newNumbers);

// A new number as the director typed it for an old pair.
struct TypedNumber {
    int32_t pair = 0;
    std::string text;

    friend bool operator==(const TypedNumber&, const TypedNumber&) = default;
};

// New numbers for some pairs, every other pair keeping its own: refused for a pair outside
// 1..NumberedPairs, otherwise checked and stored exactly as ValidateNumbers does.
Outcome ApplyArbitraryNumbers(MovementState& state, const std::vector<TypedNumber>& typed);

}  // namespace movement
