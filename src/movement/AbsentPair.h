// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"
#include "Result.h"

#include <cstdint>

namespace movement {

// With an odd number of pairs one pair of the movement is absent and its opponents sit out.
constexpr int32_t NoAbsentPair = 0;

// Whether `pair`, as numbered in the scheme, can be named absent: NoAbsentPair, or 1..2T.
Outcome CheckAbsentPair(const MovementState& state, int32_t pair);

}  // namespace movement
