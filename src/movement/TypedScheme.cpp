// SPDX-License-Identifier: GPL-3.0-or-later
#include "TypedScheme.h"

#include "MovementCheck.h"
#include "TypedInteger.h"

#include <algorithm>

namespace movement {

namespace {

Outcome Reject(MovementState& state, Outcome refusal) {
    state.RoundCount = 0;
    return refusal;
}

// A typed cell that is no number, in the words of its column.
Text BadCell(const std::string& text, int32_t table, int column) {
    const std::vector<std::string> arguments = {text, std::to_string(table)};
    switch (column) {
        case 0:
            return Text{RZ_TEXT("refusals", "Błąd liczby:%1 popraw!\nStół:%2; NS"), arguments};
        case 1:
            return Text{RZ_TEXT("refusals", "Błąd liczby:%1 popraw!\nStół:%2; WE"), arguments};
        default:
            return Text{RZ_TEXT("refusals", "Błąd liczby:%1 popraw!\nStół:%2; Komplet"), arguments};
    }
}

std::string CellText(const std::vector<TypedRow>& rows, int32_t table, int column) {
    const std::size_t row = table - 1;
    return row < rows.size() ? rows[row][column] : std::string();
}

}  // namespace

Outcome ValidateScheme(MovementState& state, int32_t chosenTables, int32_t chosenRounds,
                       const std::vector<TypedRow>& rows) {
    if (chosenTables < 1 || chosenTables > MaxTypedTables || chosenRounds < 1 || chosenRounds > MaxTypedRounds)
        return Outcome::Refused(RZ_TEXT("refusals", "Dopuszczalne jest od 1 do 24 stołów i od 1 do 23 rund."));

    state.TableCount = chosenTables;
    state.RoundCount = chosenRounds;
    const int32_t tables = chosenTables;

    std::vector<TableSeat> typed(tables);
    for (int32_t t = 1; t <= tables; ++t) {
        std::array<int32_t, 3> values{};
        for (int column = 0; column < 3; ++column) {
            const std::string text = CellText(rows, t, column);
            const auto value = ParseTypedInteger(text);
            if (!value) return Reject(state, Outcome::Refused(BadCell(text, t, column)));
            values[column] = *value;
        }
        typed[t - 1] = TableSeat{values[0], values[1], values[2]};
    }

    if (Outcome numbering = CheckPairNumbering(typed); !numbering.accepted()) return Reject(state, numbering);

    // Stored before the rounds are played: a refusal below leaves these seats in place.
    for (int32_t t = 1; t <= tables; ++t) state.Seating[t] = typed[t - 1];

    if (Outcome rounds = CheckRounds(chosenRounds, typed); !rounds.accepted()) return Reject(state, rounds);

    return Outcome::Accepted();
}

Outcome FinishTypedScheme(MovementState& state, int32_t chosenTables, int32_t chosenRounds,
                          const std::vector<TypedRow>& rows) {
    if (chosenTables == 0 || chosenRounds == 0) return Outcome::Refused(RZ_TEXT("refusals", "Niekompletne dane"));
    return ValidateScheme(state, chosenTables, chosenRounds, rows);
}

}  // namespace movement
