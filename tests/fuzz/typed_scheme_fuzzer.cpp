// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary grids typed into the manual entry window: 1..24 tables, 1..23 rounds, any cell text.

#include "FuzzCheck.h"

#include "movement/MovementCheck.h"
#include "movement/TypedInteger.h"
#include "movement/TypedScheme.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace movement;

namespace {

// The typed-integer rule against its own words: what it reads prints back as the same digits.
void CheckTypedInteger(const std::string& text) {
    const auto value = ParseTypedInteger(text);
    if (!value) return;
    std::string_view digits(text);
    while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
    while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
    const std::string expected = (negative && digits != "0" ? "-" : "") + std::string(digits);
    FUZZ_CHECK(std::to_string(*value) == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int32_t tables = 1 + data[0] % MaxTypedTables;
    const int32_t rounds = 1 + data[1] % MaxTypedRounds;

    // The cells, separated by new lines, fill the rows table by table: NS, WE, set.
    std::vector<TypedRow> rows(static_cast<std::size_t>(tables));
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    std::size_t cell = 0;
    for (std::size_t start = 0; start <= text.size() && cell < rows.size() * 3; ++cell) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        rows[cell / 3][cell % 3] = std::string(text.substr(start, end - start));
        CheckTypedInteger(rows[cell / 3][cell % 3]);
        start = end + 1;
    }

    MovementState state;
    state.Seating[1] = {77, 78, 79};
    const MovementState before = state;
    const Outcome outcome = FinishTypedScheme(state, tables, rounds, rows);
    FUZZ_CHECK(state.TableCount == tables);
    if (outcome.accepted()) {
        FUZZ_CHECK(state.RoundCount == rounds);
        const std::vector<TableSeat> seats(state.Seating.begin() + 1, state.Seating.begin() + 1 + tables);
        FUZZ_CHECK(CheckMovement(rounds, seats).accepted());
        return 0;
    }
    FUZZ_CHECK(state.RoundCount == 0);
    const std::string& message = outcome.message();
    const bool storedNothing = message.rfind("Błąd liczby:", 0) == 0 || message == "Nieciągła numeracja par, popraw !";
    if (storedNothing)
        FUZZ_CHECK(state.Seating == before.Seating);
    else
        FUZZ_CHECK(message == "Błąd rozbicia, popraw!" || message == "Błąd zbiornic, popraw!");
    return 0;
}
