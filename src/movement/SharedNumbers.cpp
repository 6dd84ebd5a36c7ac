// SPDX-License-Identifier: GPL-3.0-or-later
#include "SharedNumbers.h"

#include "PairNumbering.h"
#include "PairSchedule.h"
#include "SeatSearch.h"

#include <map>
#include <set>
#include <string>

namespace movement {

namespace {

// Every pair that sits at some table in some round: those are the pairs the cards print.
std::set<int32_t> PlayingPairs(const MovementState& state) {
    std::set<int32_t> pairs;
    for (int32_t r = 1; r <= state.RoundCount; ++r)
        for (const TableSeat& seat : SeatsInRound(state, r))
            for (const int32_t pair : {seat.NsPair, seat.WePair})
                if (pair >= 1) pairs.insert(pair);
    return pairs;
}

std::string PairWords(const MovementState& state, int32_t pair) {
    std::string words = "para " + std::to_string(pair) + " schematu";
    const SeatFound seat = FindRoundOneSeat(state, pair);
    if (seat.table != 0)
        words += std::string(" (w rundzie 1 ") + (seat.northSouth ? "NS" : "WE") + " przy stole " +
                 std::to_string(seat.table) + ")";
    return words;
}

}  // namespace

std::optional<SharedNumber> FindSharedNumber(const MovementState& state) {
    std::map<int32_t, int32_t> pairOfNumber;
    std::optional<SharedNumber> lowest;
    for (const int32_t pair : PlayingPairs(state)) {
        const int32_t number = PairRowNumber(state, pair);
        const auto [known, added] = pairOfNumber.emplace(number, pair);
        if (added || (lowest && lowest->number <= number)) continue;
        lowest = SharedNumber{number, known->second, pair};
    }
    return lowest;
}

Outcome CheckNumbersDistinct(const MovementState& state) {
    const std::optional<SharedNumber> shared = FindSharedNumber(state);
    if (!shared) return Outcome::Accepted();
    return Outcome::Refused("Dwie pary miałyby na kartach ten sam numer " + std::to_string(shared->number) + ": " +
                            PairWords(state, shared->firstPair) + " i " + PairWords(state, shared->secondPair) +
                            ".\nWybierz inną numerację.");
}

}  // namespace movement
