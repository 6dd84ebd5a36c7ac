// SPDX-License-Identifier: GPL-3.0-or-later
#include "DirectionBalance.h"

#include "RoundProgression.h"
#include "SchemeLine.h"

namespace movement {

BalanceFigures BalanceFromCounts(const std::map<int32_t, int64_t>& pairsByCount) {
    BalanceFigures figures;
    for (const auto& [count, pairs] : pairsByCount) {
        if (pairs == 0) continue;
        if (figures.pairsByCount.empty()) figures.lowest = count;
        figures.highest = count;
        figures.pairsByCount[count] = pairs;
        figures.sumOfSquares += pairs * count * count;
    }
    return figures;
}

namespace {

bool Playable(int32_t rounds, const std::vector<TableSeat>& tables) {
    return rounds >= 1 && rounds <= MaxSchemeRounds && !tables.empty() &&
           tables.size() <= static_cast<std::size_t>(MaxTables);
}

MovementState CountsOf(int32_t rounds, const std::vector<TableSeat>& tables) {
    MovementState counts;
    counts.RoundCount = rounds;
    counts.TableCount = static_cast<int32_t>(tables.size());
    return counts;
}

}  // namespace

std::vector<int32_t> StationaryPairs(int32_t rounds, const std::vector<TableSeat>& tables) {
    if (rounds < 2 || !Playable(rounds, tables)) return {};
    const MovementState counts = CountsOf(rounds, tables);
    const int32_t pairs = 2 * counts.TableCount;
    // seat[pair]: 2 * table + (WE ? 1 : 0) while the pair has sat only there, -1 once it moved.
    constexpr int32_t Unseated = -2;
    constexpr int32_t Moved = -1;
    std::vector<int32_t> seat(static_cast<std::size_t>(pairs) + 1, Unseated);
    std::vector<int32_t> roundsSeated(static_cast<std::size_t>(pairs) + 1, 0);
    for (int32_t round = 1; round <= rounds; ++round)
        for (int32_t t = 0; t < counts.TableCount; ++t)
            for (const int32_t we : {0, 1}) {
                const TableSeat& start = tables[static_cast<std::size_t>(t)];
                const int32_t pair = PairInRound(counts, we == 1 ? start.WePair : start.NsPair, round);
                if (pair < 1 || pair > pairs) continue;
                const int32_t here = 2 * t + we;
                seat[pair] = seat[pair] == Unseated || seat[pair] == here ? here : Moved;
                ++roundsSeated[pair];
            }
    std::vector<int32_t> stationary;
    for (int32_t p = 1; p <= pairs; ++p)
        if (seat[p] >= 0 && roundsSeated[p] == rounds) stationary.push_back(p);
    return stationary;
}

BalanceFigures DirectionBalance(int32_t rounds, const std::vector<TableSeat>& tables, int32_t absentPair,
                                BalanceOf combinations) {
    if (!Playable(rounds, tables)) return {};
    const MovementState counts = CountsOf(rounds, tables);
    const int32_t pairs = 2 * counts.TableCount;
    std::vector<bool> stationary(static_cast<std::size_t>(pairs) + 1, false);
    if (combinations == BalanceOf::NotBothStationary)
        for (const int32_t p : StationaryPairs(rounds, tables)) stationary[p] = true;

    // direction[pair][set]: +1 NS, -1 WE, 0 not played.
    std::vector<std::vector<int>> direction(pairs + 1, std::vector<int>(rounds + 1, 0));
    const auto play = [&](int32_t pair, int32_t set, int facing) {
        if (pair >= 1 && pair <= pairs && set >= 1 && set <= rounds) direction[pair][set] = facing;
    };
    for (int32_t round = 1; round <= rounds; ++round)
        for (const TableSeat& seat : tables) {
            const int32_t ns = PairInRound(counts, seat.NsPair, round);
            const int32_t we = PairInRound(counts, seat.WePair, round);
            if (absentPair != NoAbsentPair && (ns == absentPair || we == absentPair)) continue;
            const int32_t set = BoardSetInRound(counts, seat.BoardSet, round);
            play(ns, set, +1);
            play(we, set, -1);
        }

    std::map<int32_t, int64_t> pairsByCount;
    for (int32_t p = 1; p <= pairs; ++p)
        for (int32_t q = p + 1; q <= pairs; ++q) {
            if (p == absentPair || q == absentPair || (stationary[p] && stationary[q])) continue;
            int32_t same = 0;
            for (int32_t s = 1; s <= rounds; ++s)
                if (direction[p][s] != 0 && direction[p][s] == direction[q][s]) ++same;
            ++pairsByCount[same];
        }
    return BalanceFromCounts(pairsByCount);
}

}  // namespace movement
