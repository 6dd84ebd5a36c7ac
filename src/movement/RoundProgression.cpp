// SPDX-License-Identifier: GPL-3.0-or-later
#include "RoundProgression.h"

#include "PairClasses.h"
#include "SeatSearch.h"

namespace movement {

int32_t PairInRound(const MovementState& state, int32_t p, int32_t r) {
    const int64_t rounds = state.RoundCount;
    switch (ClassifyPair(state.RoundCount, state.TableCount, p)) {
        case PairClass::FirstRotation:
            return RotationValue(p, r, 1, rounds);
        case PairClass::SecondRotation:
            return RotationValue(p, r, rounds + 1, 2 * rounds);
        case PairClass::Stationary:
            break;
    }
    return p;
}

int32_t RoundOneBoardSet(int32_t roundCount, int32_t b) { return roundCount >= 1 && b > roundCount ? 1 : b; }

int32_t BoardSetInRound(const MovementState& state, int32_t b, int32_t r) {
    return RotationValue(RoundOneBoardSet(state.RoundCount, b), r, 1, state.RoundCount);
}

std::string NextSeatText(const Catalogue& words, const MovementState& state, int32_t p) {
    const int64_t rounds = state.RoundCount;
    const int32_t tables = state.TableCount;
    if ((rounds > tables && p > rounds) || (tables > rounds && p > 2 * rounds))
        return words.Say(RZ_TEXT("cards", "STAŁA"));

    // Rotating numbers grow by one per round, so the pair moves to its predecessor's seat.
    int64_t predecessor = 0;
    if (p <= rounds)
        predecessor = p - 1 < 1 ? rounds : p - 1;
    else
        predecessor = p == rounds + 1 ? 2 * rounds : p - 1;

    const SeatFound seat = FindRoundOneSeat(state, predecessor);
    if (seat.table == 0) return {};
    const std::string table = std::to_string(seat.table);
    return seat.northSouth ? words.Say(Text{RZ_TEXT("cards", "%1 NS"), {table}})
                           : words.Say(Text{RZ_TEXT("cards", "%1 WE"), {table}});
}

int32_t AdvanceNumber(const MovementState& state, int32_t x) {
    // One round later is round 2 of a seat that holds x in round 1.
    return PairInRound(state, x, 2);
}

}  // namespace movement
