// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardRoutes.h"

#include "PairSchedule.h"

#include <algorithm>

namespace movement {

Outcome CheckBoardsPerSet(int32_t boards) {
    if (boards >= NoBoardsGiven && boards <= MaxBoardsPerSet) return Outcome::Accepted();
    return Outcome::Refused(Text{RZ_TEXT("refusals",
                                         "Rozdań w komplecie: %1 to za dużo albo za mało; podaj od 1 do "
                                         "%2 albo 0, gdy numerów rozdań nie drukować."),
                                 {std::to_string(boards), std::to_string(MaxBoardsPerSet)}});
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

namespace {

using Tables = std::vector<int32_t>;

// One round as the routes see it: whether each table has a game, the set it plays (0 for none:
// an idle table, or a set outside 1..R) and the tables of each set, ascending.
struct RoundSets {
    std::vector<bool> plays;
    std::vector<int32_t> setAt;
    std::vector<Tables> tablesOf;  // [set], 1..R
};

RoundSets SetsOfRound(const std::vector<TableSeat>& seats, int32_t rounds, int32_t absentPair) {
    RoundSets round{std::vector<bool>(seats.size()), std::vector<int32_t>(seats.size()),
                    std::vector<Tables>(static_cast<std::size_t>(rounds) + 1)};
    for (std::size_t t = 0; t < seats.size(); ++t) {
        const TableSeat& seat = seats[t];
        round.plays[t] = absentPair == NoAbsentPair || (seat.NsPair != absentPair && seat.WePair != absentPair);
        if (!round.plays[t] || seat.BoardSet < 1 || seat.BoardSet > rounds) continue;
        round.setAt[t] = seat.BoardSet;
        round.tablesOf[seat.BoardSet].push_back(static_cast<int32_t>(t) + 1);
    }
    return round;
}

// Where table t's set goes, or comes from, in the round `other`: its tables, or the spare table.
Tables Route(const RoundSets& now, const RoundSets& other, std::size_t t) {
    const int32_t set = now.setAt[t];
    if (set == 0) return {};
    const Tables& tables = other.tablesOf[set];
    return tables.empty() ? Tables{SpareTable} : tables;
}

// The sets 1..R that no table plays in `round`, or with `played`, the sets it plays that no
// table played in `before`.
Tables SetsOf(const RoundSets& round, const RoundSets* before, bool played) {
    Tables sets;
    for (std::size_t set = 1; set < round.tablesOf.size(); ++set)
        if (round.tablesOf[set].empty() != played && (before == nullptr || before->tablesOf[set].empty()))
            sets.push_back(static_cast<int32_t>(set));
    return sets;
}

}  // namespace

SetRoutes RoutesOf(const MovementState& state, int32_t absentPair) {
    SetRoutes routes;
    const int32_t rounds = std::max(state.RoundCount, 0);
    std::vector<RoundSets> played;
    played.reserve(static_cast<std::size_t>(rounds));
    for (int32_t r = 1; r <= rounds; ++r) played.push_back(SetsOfRound(SeatsInRound(state, r), rounds, absentPair));

    for (std::size_t r = 0; r < played.size(); ++r) {
        const RoundSets& now = played[r];
        const std::size_t tables = now.setAt.size();
        routes.Plays.push_back(now.plays);
        auto& shared = routes.SharedWith.emplace_back(tables);
        auto& previous = routes.PreviousTables.emplace_back(tables);
        for (std::size_t t = 0; t < tables; ++t) {
            if (now.setAt[t] == 0) continue;
            for (const int32_t other : now.tablesOf[now.setAt[t]])
                if (other != static_cast<int32_t>(t) + 1) shared[t].push_back(other);
            if (r > 0) previous[t] = Route(now, played[r - 1], t);
        }
        routes.Waiting.push_back(SetsOf(now, nullptr, false));
        routes.FromSpare.push_back(r > 0 ? SetsOf(now, &played[r - 1], true) : Tables{});
        if (r + 1 == played.size()) break;
        auto& onward = routes.NextTables.emplace_back(tables);
        for (std::size_t t = 0; t < tables; ++t) onward[t] = Route(now, played[r + 1], t);
    }
    return routes;
}

std::vector<int32_t> SharedThroughout(const SetRoutes& routes, int32_t table) {
    if (routes.SharedWith.empty() || table < 1) return {};
    const std::size_t at = static_cast<std::size_t>(table) - 1;
    if (at >= routes.SharedWith.front().size()) return {};
    std::vector<int32_t> partners;
    for (std::size_t r = 0; r < routes.SharedWith.size(); ++r) {
        if (!routes.Plays[r][at]) continue;
        const std::vector<int32_t>& now = routes.SharedWith[r][at];
        if (now.empty() || (!partners.empty() && now != partners)) return {};
        partners = now;
    }
    return partners;
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

std::string SpareTableMark(const Catalogue& words) { return words.Say(RZ_TEXT("cards", "P")); }

std::string RouteText(const Catalogue& words, const std::vector<int32_t>& tables) {
    if (tables == std::vector<int32_t>{SpareTable}) return SpareTableMark(words);
    std::string text;
    for (const int32_t table : tables) text += (text.empty() ? "" : "/") + std::to_string(table);
    return text;
}

std::string TablesInWords(const Catalogue& words, const std::vector<int32_t>& tables) {
    if (tables.size() < 2) return tables.empty() ? std::string() : std::to_string(tables.front());
    std::string before;
    for (std::size_t at = 0; at + 1 < tables.size(); ++at) before += (at > 0 ? ", " : "") + std::to_string(tables[at]);
    return words.Say(Text{RZ_TEXT("cards", "%1 i %2"), {before, std::to_string(tables.back())}});
}

std::string SharedThroughoutNote(const Catalogue& words, const std::vector<int32_t>& tables) {
    return words.Say(Text{RZ_TEXT_N("cards", "Komplet dzielony ze stołami %1"),
                          {TablesInWords(words, tables)},
                          static_cast<int64_t>(tables.size())});
}

std::string SharedNowAndThenNote(const Catalogue& words, const std::string& mark, std::size_t rounds,
                                 const std::vector<int32_t>& tables) {
    const TextId note = rounds == 1 ? RZ_TEXT_N("cards", "%1 – w tej rundzie komplet dzielony ze stołami %2")
                                    : RZ_TEXT_N("cards", "%1 – w tych rundach komplet dzielony ze stołami %2");
    return words.Say(Text{note, {mark, TablesInWords(words, tables)}, static_cast<int64_t>(tables.size())});
}

}  // namespace movement
