#include "MovementCheck.h"

#include "RoundProgression.h"
#include "SchemeLine.h"

#include <algorithm>

namespace movement {

namespace {

// Counts made while the rounds are played, for pairs 1..pairs and board sets 1..sets.
class PlayCounts {
public:
    PlayCounts(int32_t pairs, int32_t sets)
        : pairs_(pairs), sets_(sets), meetings_((pairs + 1) * (pairs + 1)), plays_((pairs + 1) * (sets + 1)) {}

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

}  // namespace

Outcome CheckPairNumbering(const std::vector<TableSeat>& tables) {
    const int64_t pairs = 2 * static_cast<int64_t>(tables.size());
    std::vector<int> uses(pairs + 1);
    for (const TableSeat& seat : tables) {
        for (const int32_t p : {seat.NsPair, seat.WePair})
            if (p >= 1 && p <= pairs) ++uses[p];
    }
    if (std::any_of(uses.begin() + 1, uses.end(), [](int count) { return count != 1; }))
        return Outcome::Refused("Nieciągła numeracja par, popraw !");
    return Outcome::Accepted();
}

Outcome CheckRounds(int32_t rounds, const std::vector<TableSeat>& tables) {
    const auto tableCount = static_cast<int32_t>(std::min<std::size_t>(tables.size(), MaxTables + 1));
    if (rounds < 1 || rounds > MaxSchemeRounds || tableCount < 1 || tableCount > MaxTables)
        return Outcome::Refused("Schemat przekracza możliwości programu.");

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
    if (played.SomePairsMetTwice()) return Outcome::Refused("Błąd rozbicia, popraw!");
    if (!played.EveryPairPlayedEverySetOnce()) return Outcome::Refused("Błąd zbiornic, popraw!");
    return Outcome::Accepted();
}

Outcome CheckMovement(int32_t rounds, const std::vector<TableSeat>& tables) {
    Outcome numbering = CheckPairNumbering(tables);
    if (!numbering.accepted()) return numbering;
    return CheckRounds(rounds, tables);
}

Result<SchemeMovement> CheckSchemeLine(std::string_view line) {
    Result<SchemeMovement> reading = ReadSchemeLine(line);
    if (!reading.accepted()) return reading;
    const Outcome checked = CheckMovement(reading.value().RoundCount, reading.value().Tables);
    if (!checked.accepted()) return Result<SchemeMovement>::Refused(checked.message());
    return reading;
}

}  // namespace movement
