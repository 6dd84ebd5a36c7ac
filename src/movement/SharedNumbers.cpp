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

// The refusal names both pairs by their seats in round 1: one whole sentence for each way the
// two sit (NS or WE, or at no table in round 1).
enum class Seat { Ns, We, None };

Seat SeatOf(const SeatFound& seat) {
    if (seat.table == 0) return Seat::None;
    return seat.northSouth ? Seat::Ns : Seat::We;
}

TextId SharedNumberText(Seat first, Seat second) {
    switch (first) {
        case Seat::Ns:
            switch (second) {
                case Seat::Ns:
                    return RZ_TEXT("refusals",
                                   "Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu (w "
                                   "rundzie 1 NS przy stole %3) i para %4 schematu (w rundzie 1 NS przy "
                                   "stole %5).\nWybierz inną numerację.");
                case Seat::We:
                    return RZ_TEXT("refusals",
                                   "Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu (w "
                                   "rundzie 1 NS przy stole %3) i para %4 schematu (w rundzie 1 WE przy "
                                   "stole %5).\nWybierz inną numerację.");
                case Seat::None:
                    return RZ_TEXT("refusals",
                                   "Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu (w "
                                   "rundzie 1 NS przy stole %3) i para %4 schematu.\nWybierz inną "
                                   "numerację.");
            }
            break;
        case Seat::We:
            switch (second) {
                case Seat::Ns:
                    return RZ_TEXT("refusals",
                                   "Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu (w "
                                   "rundzie 1 WE przy stole %3) i para %4 schematu (w rundzie 1 NS przy "
                                   "stole %5).\nWybierz inną numerację.");
                case Seat::We:
                    return RZ_TEXT("refusals",
                                   "Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu (w "
                                   "rundzie 1 WE przy stole %3) i para %4 schematu (w rundzie 1 WE przy "
                                   "stole %5).\nWybierz inną numerację.");
                case Seat::None:
                    return RZ_TEXT("refusals",
                                   "Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu (w "
                                   "rundzie 1 WE przy stole %3) i para %4 schematu.\nWybierz inną "
                                   "numerację.");
            }
            break;
        case Seat::None:
            break;
    }
    // The first pair at no table in round 1: %3 is not said.
    switch (second) {
        case Seat::Ns:
            return RZ_TEXT("refusals",
                           "Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu i para %4 "
                           "schematu (w rundzie 1 NS przy stole %5).\nWybierz inną numerację.");
        case Seat::We:
            return RZ_TEXT("refusals",
                           "Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu i para %4 "
                           "schematu (w rundzie 1 WE przy stole %5).\nWybierz inną numerację.");
        case Seat::None:
            break;
    }
    return RZ_TEXT("refusals",
                   "Dwie pary miałyby na kartach ten sam numer %1: para %2 schematu i para %4 "
                   "schematu.\nWybierz inną numerację.");
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
    const SeatFound first = FindRoundOneSeat(state, shared->firstPair);
    const SeatFound second = FindRoundOneSeat(state, shared->secondPair);
    return Outcome::Refused(Text{SharedNumberText(SeatOf(first), SeatOf(second)),
                                 {std::to_string(shared->number), std::to_string(shared->firstPair),
                                  std::to_string(first.table), std::to_string(shared->secondPair),
                                  std::to_string(second.table)}});
}

}  // namespace movement
