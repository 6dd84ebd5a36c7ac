// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary new numbers for every pair of a movement of up to 48 tables, after any sequence of
// group shifts.

#include "FuzzCheck.h"

#include "movement/ArbitraryNumbers.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace movement;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    MovementState state;
    state.TableCount = 1 + data[0] % MaxTables;
    state.RoundCount = 1 + data[1] % 99;
    for (int32_t n = 0; n < PairMapSize; ++n) state.PairNumberMap[n] = n;

    const RenumberingGroups groups = MakeRenumberingGroups(state.RoundCount, state.TableCount);
    std::vector<std::string> numbers = InitialNewNumbers(state.TableCount);
    const std::size_t pairs = numbers.size();

    // A few shifts, one byte each: the group and the shift.
    const std::size_t shifts = data[2] % 8;
    std::size_t at = 3;
    for (std::size_t i = 0; i < shifts && at < size; ++i, ++at) {
        const int k = data[at] % 5;
        const bool shifted = ShiftGroup(groups, k, 10 * (data[at] / 5 % 10), state.RoundCount, numbers).accepted();
        FUZZ_CHECK(shifted == (k < 3 || (k == 3 && !groups.GroupCaption[3].empty())));
    }
    FUZZ_CHECK(numbers.size() == pairs);

    // Then typed cells: a row number byte and a text up to the next new line.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    while (at < size) {
        const std::size_t row = data[at++] % (pairs + 2);
        const std::size_t end = std::min(text.find('\n', at), size);
        if (row < numbers.size())
            numbers[row] = std::string(text.substr(at, end - at));
        else
            numbers.resize(row);  // a grid of fewer rows than pairs
        at = end + 1;
    }

    const MovementState before = state;
    const Outcome outcome = ValidateNumbers(state, numbers);
    if (!outcome.accepted()) {
        FUZZ_CHECK(state == before);
        return 0;
    }
    std::vector<bool> used(100);
    for (std::size_t x = 1; x <= pairs; ++x) {
        const int32_t number = state.PairNumberMap[x];
        FUZZ_CHECK(number >= 1 && number <= 99 && !used[number]);
        used[number] = true;
    }
    for (std::size_t x = pairs + 1; x < PairMapSize; ++x) FUZZ_CHECK(state.PairNumberMap[x] == static_cast<int32_t>(x));
    FUZZ_CHECK(state.PairNumberMap[0] == 0);
    return 0;
}
