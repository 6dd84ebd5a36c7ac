// SPDX-License-Identifier: GPL-3.0-or-later
#include "MovementCheck.h"

#include "RoundProgression.h"
#include "SchemeLine.h"

#include <algorithm>
#include <optional>
#include <string>

namespace movement {

namespace {

// Room for a table indexed [1..rows][1..columns].
std::size_t Cells(int32_t rows, int32_t columns) {
    return static_cast<std::size_t>(rows + 1) * static_cast<std::size_t>(columns + 1);
}

// Counts made while the rounds are played, for pairs 1..pairs and board sets 1..sets.
class PlayCounts {
public:
    PlayCounts(int32_t pairs, int32_t sets)
        : pairs_(pairs), sets_(sets), meetings_(Cells(pairs, pairs)), plays_(Cells(pairs, sets)) {}

    void CountRound(const TableSeat& seat) {
        const int32_t larger = std::max(seat.NsPair, seat.WePair);
        const int32_t smaller = std::min(seat.NsPair, seat.WePair);
        if (IsPair(larger) && IsPair(smaller)) ++meetings_[larger * (pairs_ + 1) + smaller];
        if (IsSet(seat.BoardSet)) {
            if (IsPair(seat.NsPair)) ++plays_[seat.NsPair * (sets_ + 1) + seat.BoardSet];
            if (IsPair(seat.WePair)) ++plays_[seat.WePair * (sets_ + 1) + seat.BoardSet];
        }
    }

    bool SomePairsMetTwice() const {
        for (int32_t larger = 1; larger <= pairs_; ++larger)
            for (int32_t smaller = 1; smaller <= larger; ++smaller)
                if (meetings_[larger * (pairs_ + 1) + smaller] > 1) return true;
        return false;
    }

    bool EveryPairPlayedEverySetOnce() const {
        for (int32_t p = 1; p <= pairs_; ++p)
            for (int32_t b = 1; b <= sets_; ++b)
                if (plays_[p * (sets_ + 1) + b] != 1) return false;
        return true;
    }

private:
    bool IsPair(int32_t p) const { return p >= 1 && p <= pairs_; }
    bool IsSet(int32_t b) const { return b >= 1 && b <= sets_; }

    int32_t pairs_;
    int32_t sets_;
    std::vector<int> meetings_;  // [larger][smaller]
    std::vector<int> plays_;     // [pair][set]
};

// Every round of a movement from round 1, for the faults' details.
std::vector<std::vector<TableSeat>> PlayedRounds(int32_t rounds, const std::vector<TableSeat>& tables) {
    MovementState counts;
    counts.RoundCount = rounds;
    counts.TableCount = static_cast<int32_t>(tables.size());
    std::vector<std::vector<TableSeat>> played;
    std::vector<TableSeat> seats = tables;
    for (int32_t round = 1; round <= rounds; ++round) {
        played.push_back(seats);
        for (TableSeat& seat : seats)
            seat = {AdvanceNumber(counts, seat.NsPair), AdvanceNumber(counts, seat.WePair),
                    AdvanceNumber(counts, seat.BoardSet)};
    }
    return played;
}

// Round 1 as the cards play it: a set beyond the rounds is set 1.
std::vector<TableSeat> SetsAsPlayed(int32_t rounds, std::vector<TableSeat> tables) {
    for (TableSeat& seat : tables) seat.BoardSet = RoundOneBoardSet(rounds, seat.BoardSet);
    return tables;
}

// The refusals DiagnoseMovement gives, each the check's refusal with what it found.
using Detail = std::optional<Text>;

Detail SeatingDetail(const std::vector<TableSeat>& tables) {
    const int64_t pairs = 2 * static_cast<int64_t>(tables.size());
    std::vector<int> uses(pairs + 1);
    for (const TableSeat& seat : tables)
        for (const int32_t p : {seat.NsPair, seat.WePair}) {
            if (p < 1 || p > pairs)
                return Text{RZ_TEXT("refusals",
                                    "Nieciągła numeracja par, popraw ! para %1 wykracza poza numerację 1..%2."),
                            {std::to_string(p), std::to_string(pairs)}};
            ++uses[p];
        }
    for (int64_t p = 1; p <= pairs; ++p) {
        if (uses[p] == 0)
            return Text{RZ_TEXT("refusals", "Nieciągła numeracja par, popraw ! para %1 nie siedzi przy żadnym stole."),
                        {std::to_string(p)}};
        if (uses[p] > 1)
            return Text{RZ_TEXT("refusals",
                                "Nieciągła numeracja par, popraw ! para %1 siedzi przy kilku stołach naraz."),
                        {std::to_string(p)}};
    }
    return {};
}

Detail MeetingDetail(const std::vector<std::vector<TableSeat>>& played, int32_t pairs) {
    std::vector<int32_t> firstMeeting(Cells(pairs, pairs));
    for (std::size_t r = 0; r < played.size(); ++r)
        for (const TableSeat& seat : played[r]) {
            const int32_t larger = std::max(seat.NsPair, seat.WePair);
            const int32_t smaller = std::min(seat.NsPair, seat.WePair);
            if (smaller < 1 || larger > pairs) continue;
            int32_t& first = firstMeeting[larger * (pairs + 1) + smaller];
            const auto round = static_cast<int32_t>(r + 1);
            if (first != 0)
                return Text{RZ_TEXT("refusals",
                                    "Błąd rozbicia, popraw! pary %1 i %2 spotykają się dwa razy, w rundach %3 i %4."),
                            {std::to_string(smaller), std::to_string(larger), std::to_string(first),
                             std::to_string(round)}};
            first = round;
        }
    return {};
}

Detail BoardSetDetail(const std::vector<std::vector<TableSeat>>& played, int32_t pairs, int32_t sets) {
    std::vector<int32_t> firstPlay(Cells(pairs, sets));
    for (std::size_t r = 0; r < played.size(); ++r)
        for (const TableSeat& seat : played[r])
            for (const int32_t p : {seat.NsPair, seat.WePair}) {
                if (p < 1 || p > pairs || seat.BoardSet < 1 || seat.BoardSet > sets) continue;
                int32_t& first = firstPlay[p * (sets + 1) + seat.BoardSet];
                const auto round = static_cast<int32_t>(r + 1);
                if (first != 0)
                    return Text{RZ_TEXT("refusals",
                                        "Błąd zbiornic, popraw! para %1 gra komplet %2 dwa razy, w rundach %3 i %4."),
                                {std::to_string(p), std::to_string(seat.BoardSet), std::to_string(first),
                                 std::to_string(round)}};
                first = round;
            }
    for (int32_t p = 1; p <= pairs; ++p)
        for (int32_t b = 1; b <= sets; ++b)
            if (firstPlay[p * (sets + 1) + b] == 0)
                return Text{RZ_TEXT("refusals", "Błąd zbiornic, popraw! para %1 nie gra kompletu %2."),
                            {std::to_string(p), std::to_string(b)}};
    return {};
}

}  // namespace

Outcome CheckPairNumbering(const std::vector<TableSeat>& tables) {
    const int64_t pairs = 2 * static_cast<int64_t>(tables.size());
    std::vector<int> uses(pairs + 1);
    for (const TableSeat& seat : tables) {
        for (const int32_t p : {seat.NsPair, seat.WePair})
            if (p >= 1 && p <= pairs) ++uses[p];
    }
    if (std::any_of(uses.begin() + 1, uses.end(), [](int count) { return count != 1; }))
        return Outcome::Refused(RZ_TEXT("refusals", "Nieciągła numeracja par, popraw !"));
    return Outcome::Accepted();
}

Outcome CheckRounds(int32_t rounds, const std::vector<TableSeat>& tables) {
    const auto tableCount = static_cast<int32_t>(std::min<std::size_t>(tables.size(), MaxTables + 1));
    if (rounds < 1 || rounds > MaxSchemeRounds || tableCount < 1 || tableCount > MaxTables)
        return Outcome::Refused(RZ_TEXT("refusals", "Schemat przekracza możliwości programu."));

    // Only the counts decide how numbers advance.
    MovementState counts;
    counts.RoundCount = rounds;
    counts.TableCount = tableCount;

    PlayCounts played(2 * tableCount, rounds);
    std::vector<TableSeat> seats = tables;
    for (int32_t round = 1; round <= rounds; ++round) {
        for (TableSeat& seat : seats) {
            played.CountRound(seat);
            seat.NsPair = AdvanceNumber(counts, seat.NsPair);
            seat.WePair = AdvanceNumber(counts, seat.WePair);
            seat.BoardSet = AdvanceNumber(counts, seat.BoardSet);
        }
    }
    if (played.SomePairsMetTwice()) return Outcome::Refused(RZ_TEXT("refusals", "Błąd rozbicia, popraw!"));
    if (!played.EveryPairPlayedEverySetOnce()) return Outcome::Refused(RZ_TEXT("refusals", "Błąd zbiornic, popraw!"));
    return Outcome::Accepted();
}

Outcome CheckMovement(int32_t rounds, const std::vector<TableSeat>& tables) {
    Outcome numbering = CheckPairNumbering(tables);
    if (!numbering.accepted()) return numbering;
    return CheckRounds(rounds, SetsAsPlayed(rounds, tables));
}

Outcome DiagnoseMovement(int32_t rounds, const std::vector<TableSeat>& tables) {
    Outcome checked = CheckMovement(rounds, tables);
    if (checked.accepted()) return checked;
    // Each finding goes with the one check that refuses it: a broken numbering, pairs meeting
    // twice, or a set played twice or never.
    Detail detail = SeatingDetail(tables);
    if (!detail && rounds >= 1 && rounds <= MaxSchemeRounds && !tables.empty() &&
        tables.size() <= static_cast<std::size_t>(MaxTables)) {
        const auto played = PlayedRounds(rounds, SetsAsPlayed(rounds, tables));
        const auto pairs = static_cast<int32_t>(2 * tables.size());
        detail = MeetingDetail(played, pairs);
        if (!detail) detail = BoardSetDetail(played, pairs, rounds);
    }
    if (!detail) return checked;
    return Outcome::Refused(*detail);
}

Result<SchemeMovement> CheckSchemeLine(std::string_view line) {
    Result<SchemeMovement> reading = ReadSchemeLine(line);
    if (!reading.accepted()) return reading;
    const Outcome checked = CheckMovement(reading.value().RoundCount, reading.value().Tables);
    if (!checked.accepted()) return checked;
    return reading;
}

}  // namespace movement
