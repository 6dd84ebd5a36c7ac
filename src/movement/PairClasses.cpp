// SPDX-License-Identifier: GPL-3.0-or-later
#include "PairClasses.h"

namespace movement {

PairClass ClassifyPair(int32_t roundCount, int32_t tableCount, int32_t pair) {
    const int64_t rounds = roundCount;
    if (pair <= rounds) return PairClass::FirstRotation;
    if (rounds <= tableCount && pair <= 2 * rounds) return PairClass::SecondRotation;
    return PairClass::Stationary;
}

int32_t RotationValue(int32_t start, int32_t round, int64_t low, int64_t high) {
    const int64_t period = high - low + 1;
    if (period < 1) return start;  // no rotation without rounds
    const int64_t first = start > high ? low : start;
    const int64_t value = first + (int64_t{round} - 1);
    if (value <= high) return static_cast<int32_t>(value);
    return static_cast<int32_t>(low + (value - high - 1) % period);
}

}  // namespace movement
