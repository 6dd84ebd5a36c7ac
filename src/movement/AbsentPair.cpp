// SPDX-License-Identifier: GPL-3.0-or-later
#include "AbsentPair.h"

#include "PairNumbering.h"
#include "PairSchedule.h"
#include "RoundProgression.h"

#include <algorithm>

#include <string>

namespace movement {

Outcome CheckAbsentPair(const MovementState& state, int32_t pair) {
    const int64_t pairs = 2 * static_cast<int64_t>(state.TableCount);
    if (pair == NoAbsentPair || (pair >= 1 && pair <= pairs)) return Outcome::Accepted();
    return Outcome::Refused(Text{RZ_TEXT("refusals",
                                         "Para nieobecna: nie ma pary o numerze %1 w schemacie; podaj "
                                         "numer od 1 do %2 albo 0, gdy grają wszystkie pary."),
                                 {std::to_string(pair), std::to_string(pairs)}});
}

int32_t SittingOutIn(const MovementState& state, int32_t absentPair, int32_t round) {
    if (absentPair == NoAbsentPair || round < 1 || round > state.RoundCount) return NoAbsentPair;
    for (const TableSeat& seat : SeatsInRound(state, round)) {
        if (seat.NsPair == absentPair) return seat.WePair;
        if (seat.WePair == absentPair) return seat.NsPair;
    }
    return NoAbsentPair;
}

std::vector<int32_t> PrintedPairNumbers(const MovementState& state) {
    const int32_t pairs = 2 * std::clamp(state.TableCount, 0, MaxTables);
    std::vector<int32_t> numbers;
    numbers.reserve(static_cast<std::size_t>(pairs));
    for (int32_t p = 1; p <= pairs; ++p) numbers.push_back(PairRowNumber(state, p));
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

namespace {

// The pairs 1..2T that play under `printed`.
std::vector<int32_t> CarriersOf(const MovementState& state, int32_t printed) {
    const int32_t pairs = 2 * std::clamp(state.TableCount, 0, MaxTables);
    std::vector<int32_t> carriers;
    for (int32_t p = 1; p <= pairs; ++p)
        if (PairRowNumber(state, p) == printed) carriers.push_back(p);
    return carriers;
}

}  // namespace

std::string AbsentPairMeaning(const MovementState& state, int32_t printed) {
    if (printed == NoAbsentPair) return {};
    const std::vector<int32_t> carriers = CarriersOf(state, printed);
    if (carriers.empty()) return {};
    if (carriers.size() == 1) return "para " + std::to_string(carriers.front()) + " w schemacie";
    std::string pairs;
    for (std::size_t k = 0; k < carriers.size(); ++k)
        pairs += (k == 0 ? "" : k + 1 == carriers.size() ? " i " : ", ") + std::to_string(carriers[k]);
    return "pary " + pairs + " w schemacie";
}

Result<int32_t> AbsentPairFromPrinted(const MovementState& state, int32_t printed) {
    if (printed == NoAbsentPair) return Result<int32_t>::Accepted(NoAbsentPair);
    const std::vector<int32_t> carriers = CarriersOf(state, printed);
    if (carriers.size() == 1) return Result<int32_t>::Accepted(carriers.front());
    const std::string number = std::to_string(printed);
    if (carriers.empty())
        return Result<int32_t>::Refused(Text{RZ_TEXT("refusals",
                                                     "Para nieobecna: żadna para nie gra pod numerem %1 "
                                                     "w tej numeracji; podaj numer z kart albo 0, gdy "
                                                     "grają wszystkie pary."),
                                             {number}});
    return Result<int32_t>::Refused(Text{RZ_TEXT("refusals",
                                                 "Para nieobecna: pod numerem %1 gra więcej niż jedna "
                                                 "para; popraw numerację, zanim wskażesz nieobecną."),
                                         {number}});
}

bool AbsentInRound(const MovementState& state, int32_t roundOnePair, int32_t round, int32_t absentPair) {
    return absentPair != NoAbsentPair && PairInRound(state, roundOnePair, round) == absentPair;
}

}  // namespace movement
