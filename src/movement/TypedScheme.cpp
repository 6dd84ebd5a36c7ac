#include "TypedScheme.h"

#include "RoundProgression.h"
#include "TypedInteger.h"

#include <algorithm>

namespace movement {

const std::array<const char*, 3> SchemeColumnNames = {"; NS", "; WE", "; Komplet"};

namespace {

constexpr int MaxTypedPairs = 2 * MaxTypedTables;

// Counts made while the typed rounds are played; numbers outside these bounds are never counted,
// so they fail the checks that demand a count.
struct PlayCounts {
    std::array<std::array<int, MaxTypedPairs + 1>, MaxTypedPairs + 1> meetings{};  // [larger][smaller]
    std::array<std::array<int, MaxTypedRounds + 1>, MaxTypedPairs + 1> plays{};    // [pair][set]

    static bool IsPair(int32_t p) { return p >= 1 && p <= MaxTypedPairs; }
    static bool IsSet(int32_t b) { return b >= 1 && b <= MaxTypedRounds; }

    void CountRound(const TableSeat& seat) {
        const int32_t larger = std::max(seat.NsPair, seat.WePair);
        const int32_t smaller = std::min(seat.NsPair, seat.WePair);
        if (IsPair(larger) && IsPair(smaller)) ++meetings[larger][smaller];
        if (IsSet(seat.BoardSet)) {
            if (IsPair(seat.NsPair)) ++plays[seat.NsPair][seat.BoardSet];
            if (IsPair(seat.WePair)) ++plays[seat.WePair][seat.BoardSet];
        }
    }
};

Outcome Reject(MovementState& state, std::string message) {
    state.RoundCount = 0;
    return Outcome::Refused(std::move(message));
}

std::string CellText(const std::vector<TypedRow>& rows, int32_t table, int column) {
    const auto row = static_cast<std::size_t>(table - 1);
    return row < rows.size() ? rows[row][static_cast<std::size_t>(column)] : std::string();
}

}  // namespace

Outcome ValidateScheme(MovementState& state, int32_t chosenTables, int32_t chosenRounds,
                       const std::vector<TypedRow>& rows) {
    if (chosenTables < 1 || chosenTables > MaxTypedTables || chosenRounds < 1 || chosenRounds > MaxTypedRounds)
        return Outcome::Refused("Dopuszczalne jest od 1 do 24 stołów i od 1 do 23 rund.");

    state.TableCount = chosenTables;
    state.RoundCount = chosenRounds;
    const int32_t tables = chosenTables;
    const int32_t pairs = 2 * tables;

    std::vector<TableSeat> typed(static_cast<std::size_t>(tables));
    for (int32_t t = 1; t <= tables; ++t) {
        std::array<int32_t, 3> values{};
        for (int column = 0; column < 3; ++column) {
            const std::string text = CellText(rows, t, column);
            const auto value = ParseTypedInteger(text);
            if (!value)
                return Reject(state, "Błąd liczby:" + text + " popraw!\rStół:" + std::to_string(t) +
                                         SchemeColumnNames[static_cast<std::size_t>(column)]);
            values[static_cast<std::size_t>(column)] = *value;
        }
        typed[static_cast<std::size_t>(t - 1)] = TableSeat{values[0], values[1], values[2]};
    }

    std::array<int, MaxTypedPairs + 1> uses{};
    for (const TableSeat& seat : typed) {
        if (PlayCounts::IsPair(seat.NsPair)) ++uses[seat.NsPair];
        if (PlayCounts::IsPair(seat.WePair)) ++uses[seat.WePair];
    }
    for (int32_t p = 1; p <= pairs; ++p)
        if (uses[p] != 1) return Reject(state, "Nieciągła numeracja par, popraw !");

    for (int32_t t = 1; t <= tables; ++t) state.Seating[t] = typed[static_cast<std::size_t>(t - 1)];

    PlayCounts counts;
    for (int32_t round = 1; round <= chosenRounds; ++round) {
        for (TableSeat& seat : typed) {
            counts.CountRound(seat);
            seat.NsPair = AdvanceNumber(state, seat.NsPair);
            seat.WePair = AdvanceNumber(state, seat.WePair);
            seat.BoardSet = AdvanceNumber(state, seat.BoardSet);
        }
    }

    for (int32_t larger = 1; larger <= pairs; ++larger)
        for (int32_t smaller = 1; smaller <= larger; ++smaller)
            if (counts.meetings[larger][smaller] > 1) return Reject(state, "Błąd rozbicia, popraw!");

    for (int32_t p = 1; p <= pairs; ++p)
        for (int32_t b = 1; b <= chosenRounds; ++b)
            if (counts.plays[p][b] != 1) return Reject(state, "Błąd zbiornic, popraw!");

    return Outcome::Accepted();
}

Outcome FinishTypedScheme(MovementState& state, int32_t chosenTables, int32_t chosenRounds,
                          const std::vector<TypedRow>& rows) {
    if (chosenTables == 0 || chosenRounds == 0) return Outcome::Refused("Niekompletne dane");
    return ValidateScheme(state, chosenTables, chosenRounds, rows);
}

}  // namespace movement
