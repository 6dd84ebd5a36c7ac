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

BalanceFigures DirectionBalance(int32_t rounds, const std::vector<TableSeat>& tables, int32_t absentPair) {
    if (rounds < 1 || rounds > MaxSchemeRounds || tables.empty() || tables.size() > static_cast<std::size_t>(MaxTables))
        return {};
    MovementState counts;
    counts.RoundCount = rounds;
    counts.TableCount = static_cast<int32_t>(tables.size());
    const int32_t pairs = 2 * counts.TableCount;

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
            if (p == absentPair || q == absentPair) continue;
            int32_t same = 0;
            for (int32_t s = 1; s <= rounds; ++s)
                if (direction[p][s] != 0 && direction[p][s] == direction[q][s]) ++same;
            ++pairsByCount[same];
        }
    return BalanceFromCounts(pairsByCount);
}

}  // namespace movement
