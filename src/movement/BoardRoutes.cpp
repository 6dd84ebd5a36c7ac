// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardRoutes.h"

#include "PairSchedule.h"

#include <algorithm>

namespace movement {

Outcome CheckBoardsPerSet(int32_t boards) {
    if (boards >= NoBoardsGiven && boards <= MaxBoardsPerSet) return Outcome::Accepted();
    return Outcome::Refused("Rozdań w komplecie: " + std::to_string(boards) +
                            " to za dużo albo za mało; podaj od 1 do " + std::to_string(MaxBoardsPerSet) +
                            " albo 0, gdy numerów rozdań nie drukować.");
}

std::string BoardNumbersText(int32_t set, int32_t boardsPerSet) {
    if (boardsPerSet <= NoBoardsGiven || set < 1) return {};
    const int64_t last = int64_t{set} * boardsPerSet;
    const int64_t first = last - boardsPerSet + 1;
    return boardsPerSet == 1 ? std::to_string(last) : std::to_string(first) + "-" + std::to_string(last);
}

std::string NumberRangesText(const std::vector<int32_t>& ascending) {
    std::string text;
    for (std::size_t first = 0; first < ascending.size();) {
        std::size_t last = first;
        while (last + 1 < ascending.size() && int64_t{ascending[last + 1]} == int64_t{ascending[last]} + 1) ++last;
        if (!text.empty()) text += ", ";
        text += std::to_string(ascending[first]);
        if (last >= first + 2) {
            text += "-" + std::to_string(ascending[last]);
        } else if (last == first + 1) {
            text += ", " + std::to_string(ascending[last]);
        }
        first = last + 1;
    }
    return text;
}

SetRoutes RoutesOf(const MovementState& state) {
    SetRoutes routes;
    const int32_t rounds = std::max(state.RoundCount, 0);
    std::vector<std::vector<TableSeat>> seats;
    seats.reserve(static_cast<std::size_t>(rounds));
    for (int32_t r = 1; r <= rounds; ++r) seats.push_back(SeatsInRound(state, r));

    // The tables of each set in a round; sets outside 1..R (a typed scheme's) are kept apart.
    const auto tablesBySet = [&](const std::vector<TableSeat>& round) {
        std::vector<std::vector<int32_t>> bySet(static_cast<std::size_t>(rounds) + 1);
        for (int32_t t = 1; t <= static_cast<int32_t>(round.size()); ++t) {
            const int32_t set = round[t - 1].BoardSet;
            if (set >= 1 && set <= rounds) bySet[set].push_back(t);
        }
        return bySet;
    };

    std::vector<std::vector<int32_t>> now = rounds > 0 ? tablesBySet(seats[0]) : std::vector<std::vector<int32_t>>{};
    for (int32_t r = 1; r <= rounds; ++r) {
        const std::vector<TableSeat>& round = seats[r - 1];
        auto& shared = routes.SharedWith.emplace_back(round.size());
        for (int32_t t = 1; t <= static_cast<int32_t>(round.size()); ++t) {
            const int32_t set = round[t - 1].BoardSet;
            if (set < 1 || set > rounds) continue;
            for (int32_t other : now[set])
                if (other != t) shared[t - 1].push_back(other);
        }
        auto& waiting = routes.Waiting.emplace_back();
        for (int32_t set = 1; set <= rounds; ++set)
            if (now[set].empty()) waiting.push_back(set);
        if (r == rounds) break;

        std::vector<std::vector<int32_t>> next = tablesBySet(seats[r]);
        auto& onward = routes.NextTable.emplace_back(round.size(), SpareTable);
        for (int32_t t = 1; t <= static_cast<int32_t>(round.size()); ++t) {
            const int32_t set = round[t - 1].BoardSet;
            if (set >= 1 && set <= rounds && !next[set].empty()) onward[t - 1] = next[set].front();
        }
        now = std::move(next);
    }
    return routes;
}

std::vector<int32_t> SharedThroughout(const SetRoutes& routes, int32_t table) {
    if (routes.SharedWith.empty() || table < 1) return {};
    const std::size_t at = static_cast<std::size_t>(table) - 1;
    if (at >= routes.SharedWith.front().size()) return {};
    const std::vector<int32_t>& first = routes.SharedWith.front()[at];
    if (first.empty()) return {};
    const bool same = std::all_of(routes.SharedWith.begin(), routes.SharedWith.end(),
                                  [&](const auto& round) { return round[at] == first; });
    return same ? first : std::vector<int32_t>{};
}

std::vector<int32_t> RoundsSharedNowAndThen(const SetRoutes& routes, int32_t table) {
    if (table < 1 || !SharedThroughout(routes, table).empty()) return {};
    const std::size_t at = static_cast<std::size_t>(table) - 1;
    std::vector<int32_t> rounds;
    for (std::size_t r = 0; r < routes.SharedWith.size(); ++r)
        if (at < routes.SharedWith[r].size() && !routes.SharedWith[r][at].empty())
            rounds.push_back(static_cast<int32_t>(r) + 1);
    return rounds;
}

std::vector<int32_t> PartnersNowAndThen(const SetRoutes& routes, int32_t table) {
    std::vector<int32_t> partners;
    for (const int32_t round : RoundsSharedNowAndThen(routes, table)) {
        const auto& shared = routes.SharedWith[static_cast<std::size_t>(round) - 1][static_cast<std::size_t>(table) - 1];
        partners.insert(partners.end(), shared.begin(), shared.end());
    }
    std::sort(partners.begin(), partners.end());
    partners.erase(std::unique(partners.begin(), partners.end()), partners.end());
    return partners;
}

const char* const SpareTableMark = "P";

std::string TablesInWords(const std::vector<int32_t>& tables) {
    std::string words;
    for (std::size_t at = 0; at < tables.size(); ++at) {
        if (at > 0) words += at + 1 == tables.size() ? " i " : ", ";
        words += std::to_string(tables[at]);
    }
    return words;
}

std::string SharedWithWords(const std::vector<int32_t>& tables) {
    return (tables.size() == 1 ? "ze stołem " : "ze stołami ") + TablesInWords(tables);
}

}  // namespace movement
