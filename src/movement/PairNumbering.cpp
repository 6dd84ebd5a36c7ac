// SPDX-License-Identifier: GPL-3.0-or-later
#include "PairNumbering.h"

#include "RoundProgression.h"
#include "SeatSearch.h"
#include "TextPadding.h"

#include <algorithm>
#include <limits>

namespace movement {

namespace {

int32_t ToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int32_t MitchellNumber(const MovementState& state, int32_t p) {
    const SeatFound seat = FindRoundOneSeat(state, p);
    if (seat.table == 0) return 0;
    return seat.northSouth ? seat.table : MitchellOffset(state.RoundCount) + seat.table;
}

int32_t StepNumber(const MovementState& state, int32_t p) {
    const int64_t rounds = state.RoundCount;
    const int64_t step = state.NumberingStep;
    if (p <= rounds) return p;
    if (rounds > state.TableCount) return ToInt32(p - rounds + step);
    if (p <= 2 * rounds) return ToInt32(p - rounds + step);
    if (step > rounds) return ToInt32(p + 2 * (step - rounds));
    return p;
}

}  // namespace

int32_t MitchellOffset(int32_t roundCount) {
    if (roundCount <= 10) return 10;
    if (roundCount <= 20) return 20;
    return 30;
}

int32_t PrintedNumber(const MovementState& state, int32_t p) {
    if (state.NumberingStep == MitchellNumbering) return MitchellNumber(state, p);
    if (state.NumberingStep > 0) return StepNumber(state, p);
    return p;  // no numbering chosen: printing is refused before it gets here
}

int32_t MappedNumber(const MovementState& state, int32_t n) {
    if (n < 0 || n >= PairMapSize) return n;
    return state.PairNumberMap[n];
}

int32_t BoxNumber(const MovementState& state, int32_t p) { return PrintedNumber(state, MappedNumber(state, p)); }

int32_t PairRowNumber(const MovementState& state, int32_t p) {
    const int32_t printed = PrintedNumber(state, p);
    if (state.NumberingStep == MitchellNumbering) return printed;
    return MappedNumber(state, printed);
}

int32_t RowNumber(const MovementState& state, int32_t p, int32_t r) {
    return PairRowNumber(state, PairInRound(state, p, r));
}

int32_t SummaryNumber(const MovementState& state, int32_t p) { return MappedNumber(state, PrintedNumber(state, p)); }

std::string FormatCardNumber(int32_t n) { return RightAligned(n, FieldWidth(n, 3)); }

bool ArbitraryNumbersInUse(const MovementState& state) {
    for (int32_t n = 1; n < PairMapSize; ++n)
        if (state.PairNumberMap[n] != n) return true;
    return false;
}

}  // namespace movement
