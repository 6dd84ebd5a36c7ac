// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchemeLibrary.h"

#include "CodePage1250.h"
#include "CyclicMovement.h"
#include "CyclicSearch.h"
#include "PatternShortlist.h"
#include "Residues.h"
#include "movement/MovementCheck.h"
#include "movement/SchemeLine.h"

#include <stdexcept>

namespace schemelibrary {

namespace {

DirectionPattern PatternOf(const MovementShape& shape, const std::vector<CyclicTable>& tables) {
    const Residues z(shape.rounds);
    DirectionPattern pattern;
    for (const CyclicTable& table : tables) {
        const CyclicSeat& ns = table.northSouth;
        if (ns.kind == SeatKind::Stationary)
            ++pattern.stationaryNorth;
        else
            pattern.north[ns.kind == SeatKind::FirstRotation ? 0 : 1] |= Residues::Bit(z.Reduce(table.set - ns.pair));
    }
    return pattern;
}

std::string Plural(int32_t n, const char* one, const char* few, const char* many) {
    if (n == 1) return one;
    const int32_t lastDigit = n % 10;
    const int32_t lastTwo = n % 100;
    return lastDigit >= 2 && lastDigit <= 4 && (lastTwo < 12 || lastTwo > 14) ? few : many;
}

// "4 stoły: 5 i 6 rund; 12 stołów: 13 rund"
std::string SizesText(const std::vector<std::pair<int32_t, int32_t>>& sizes) {
    std::string text;
    for (std::size_t i = 0; i < sizes.size();) {
        const int32_t tables = sizes[i].second;
        std::vector<int32_t> rounds;
        for (; i < sizes.size() && sizes[i].second == tables; ++i) rounds.push_back(sizes[i].first);
        if (!text.empty()) text += "; ";
        text += std::to_string(tables) + " " + Plural(tables, "stół", "stoły", "stołów") + ": ";
        for (std::size_t k = 0; k < rounds.size(); ++k) {
            if (k > 0) text += k + 1 == rounds.size() ? " i " : ", ";
            text += std::to_string(rounds[k]);
        }
        text += ' ';
        text += Plural(rounds.back(), "runda", "rundy", "rund");
    }
    return text;
}

std::string Encoded(const std::string& utf8) {
    const auto bytes = ToCodePage1250(utf8);
    if (!bytes) throw std::logic_error("not writable in code page 1250: " + utf8);
    return *bytes;
}

}  // namespace

std::string ImpossibleByOffsetSum(int32_t rounds, int32_t tables) {
    // With one rotation, R odd and R = T + 1, the R rotating seats hold every pair 0..R-1 once and
    // every offset set - pair once, so their sets sum to 0 mod R. T - 1 tables hold a
    // stationary pair and one table two rotating pairs; T sets are played and one, u, is not.
    // The sum is then (0 + 1 + ... + R-1) - u + b, so b = u: the table of two rotating pairs would
    // start on the set no table plays.
    if (rounds % 2 == 1 && rounds == tables + 1)
        return "offset sum: with R = T + 1 odd, the one table of two rotating pairs would have to "
               "start on the set no table plays";
    return {};
}

SettledSize SettleSize(int32_t rounds, int32_t tables) {
    SettledSize settled;
    settled.rounds = rounds;
    settled.tables = tables;
    const auto shape = ShapeOf(rounds, tables);
    if (!shape) {
        settled.status = SizeStatus::Impossible;
        settled.reason = "no scheme line can describe it";
        return settled;
    }
    if (const std::string proof = ImpossibleByOffsetSum(rounds, tables); !proof.empty()) {
        settled.status = SizeStatus::Impossible;
        settled.reason = proof;
        return settled;
    }

    const SearchResult any = FindCyclicMovement(*shape, nullptr, ExistenceNodeLimit);
    settled.searchNodes = any.nodes;
    if (any.status == SearchStatus::None) {
        settled.status = SizeStatus::Impossible;
        settled.reason = "exhaustive search, " + std::to_string(any.nodes) + " tables placed";
        return settled;
    }
    if (any.status == SearchStatus::GaveUp) {
        settled.reason = "search stopped after " + std::to_string(any.nodes) + " tables placed";
        return settled;
    }

    const PatternShortlist shortlist = ShortlistPatterns(*shape);
    std::vector<CyclicTable> chosen;
    for (const RankedPattern& ranked : shortlist.patterns) {
        const SearchResult seated = FindCyclicMovement(*shape, &ranked.pattern, PatternNodeLimit);
        settled.searchNodes += seated.nodes;
        if (seated.status == SearchStatus::Found) {
            chosen = seated.tables;
            break;
        }
    }
    // No shortlisted pattern could be seated within the budget: any round 1 will do.
    if (chosen.empty()) chosen = any.tables;

    settled.line = SchemeLineOf(*shape, chosen);
    // Read back exactly as the program reads a chosen scheme line, then played through.
    const auto played = movement::CheckSchemeLine(settled.line);
    if (!played.accepted()) throw std::logic_error("line fails (" + played.message() + "): " + settled.line);

    settled.status = SizeStatus::Found;
    settled.balance = BalanceOfMovement(played.value());
    if (KeyOf(settled.balance) != KeyOfPattern(*shape, PatternOf(*shape, chosen)))
        throw std::logic_error("balance of the played line differs from its pattern: " + settled.line);
    settled.smallestPossibleSpread = shortlist.smallestPossibleSpread;
    settled.mostBalancedProved = shortlist.everyPatternWeighed && !shortlist.patterns.empty() &&
                                 KeyOf(settled.balance) == shortlist.patterns.front().key;
    return settled;
}

std::vector<SchemeFamily> SchemeFamilies() {
    const std::string lineFormat =
        "Linia: rundy, stoły, potem po kolei dla kompletów 1, 2, 3... para NS i para WE stołu, "
        "który zaczyna na tym komplecie, albo 0, gdy żaden stół na nim nie zaczyna.";
    const std::string balance =
        "Z poprawnych rozstawień wybrane najbardziej wyrównane: każde dwie pary grają te same "
        "komplety na tych samych liniach (obie NS albo obie WE) możliwie równą liczbę razy.";

    SchemeFamily complete{"HowellKS.txt",
                          {"Howelle pełne: T stołów, 2T-1 rund, od 4 do 13 stołów.",
                           "Każda para gra z każdą dokładnie raz i rozgrywa każdy komplet dokładnie raz.",
                           "Pary 1..2T-1 i komplety przesuwają się co rundę o jeden, para 2T stoi w miejscu.",
                           lineFormat, balance},
                          {}};
    // 2 and 3 tables are settled too, though no line of theirs exists.
    for (int32_t t = 2; t <= 13; ++t) complete.sizes.emplace_back(2 * t - 1, t);

    SchemeFamily shortened{"HowellPV.txt",
                           {"Howelle skrócone: T stołów, od T+1 do 2T-2 rund, od 3 do 13 stołów.",
                            "Każda para gra z każdą najwyżej raz i rozgrywa każdy komplet dokładnie raz.",
                            ("Pary 1..R i komplety przesuwają się co rundę o jeden, "
                             "pary od R+1 do 2T stoją w miejscu."),
                            lineFormat, balance},
                           {}};
    for (int32_t t = 3; t <= 13; ++t)
        for (int32_t r = t + 1; r < 2 * t - 1; ++r) shortened.sizes.emplace_back(r, t);

    SchemeFamily manySets{"Duzo_Zb.txt",
                          {("Dużo zbiornic: T stołów i tyle samo kompletów (R = T) albo o jeden mniej "
                            "(R = T-1), od 2 do 24 stołów."),
                           "Każda para gra z każdą najwyżej raz i rozgrywa każdy komplet dokładnie raz.",
                           ("Pary 1..R i pary R+1..2R przesuwają się co rundę o jeden, każde w swoim kręgu; "
                            "przy R = T-1 pary 2T-1 i 2T stoją w miejscu, a ostatni stół gra te same "
                            "komplety co stół 1."),
                           lineFormat, balance},
                          {}};
    for (int32_t t = 2; t <= 24; ++t) {
        manySets.sizes.emplace_back(t - 1, t);
        manySets.sizes.emplace_back(t, t);
    }
    return {complete, shortened, manySets};
}

std::string SchemeFileBytes(const SchemeFamily& family, const std::vector<SettledSize>& settled) {
    const std::string lineEnd = "\r\n";
    std::vector<std::pair<int32_t, int32_t>> impossible;
    std::vector<std::pair<int32_t, int32_t>> open;
    for (const SettledSize& size : settled) {
        if (size.status == SizeStatus::Impossible) impossible.emplace_back(size.rounds, size.tables);
        if (size.status == SizeStatus::Open) open.emplace_back(size.rounds, size.tables);
    }

    std::string bytes;
    const auto comment = [&](const std::string& text) {
        bytes += Encoded("* " + text);
        bytes += lineEnd;
    };
    for (const std::string& text : family.heading) comment(text);
    if (!impossible.empty()) comment("Takie rozstawienia nie istnieją: " + SizesText(impossible) + ".");
    if (!open.empty()) comment("Nie rozstrzygnięto jeszcze: " + SizesText(open) + ".");
    for (const SettledSize& size : settled)
        if (size.status == SizeStatus::Found) {
            bytes += size.line;
            bytes += lineEnd;
        }
    return bytes;
}

}  // namespace schemelibrary
