// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArbitraryNumbers.h"

#include "TypedInteger.h"

#include <algorithm>

namespace movement {

namespace {

constexpr int32_t LowestNumber = 1;
constexpr int32_t HighestNumber = 99;

Text Range(int64_t first, int64_t last) {
    return Text{RZ_TEXT("numbering", "%1 do %2"), {std::to_string(first), std::to_string(last)}};
}

}  // namespace

int32_t NumberedPairs(int32_t tableCount) {
    return static_cast<int32_t>(std::clamp<int64_t>(2 * int64_t{tableCount}, 0, PairMapSize - 1));
}

RenumberingGroups MakeRenumberingGroups(int32_t roundCount, int32_t tableCount) {
    const int64_t allPairs = 2 * int64_t{tableCount};
    RenumberingGroups groups;
    groups.GroupEnd[0] = static_cast<int32_t>(allPairs);
    groups.GroupEnd[1] = roundCount;
    groups.GroupEnd[2] = static_cast<int32_t>(std::min(2 * int64_t{roundCount}, allPairs));
    groups.GroupEnd[3] = groups.GroupEnd[2] == allPairs ? 0 : static_cast<int32_t>(allPairs);

    groups.GroupText[0] = Range(1, groups.GroupEnd[0]);
    groups.GroupText[1] = Range(1, groups.GroupEnd[1]);
    groups.GroupText[2] = Range(int64_t{roundCount} + 1, groups.GroupEnd[2]);
    if (groups.GroupEnd[3] != 0) groups.GroupText[3] = Range(int64_t{groups.GroupEnd[2]} + 1, allPairs);
    for (int k = 0; k < RenumberingGroupCount; ++k) groups.GroupCaption[k] = SourceCatalogue().Say(groups.GroupText[k]);
    return groups;
}

std::vector<std::string> InitialNewNumbers(int32_t tableCount) {
    std::vector<std::string> numbers;
    for (int32_t x = 1; x <= NumberedPairs(tableCount); ++x) numbers.push_back(std::to_string(x));
    return numbers;
}

Outcome ShiftGroup(const RenumberingGroups& groups, int k, int32_t shift, int32_t roundCount,
                   std::vector<std::string>& newNumbers) {
    if (k < 0 || k >= RenumberingGroupCount || (k == 3 && groups.GroupCaption[3].empty()))
        return Outcome::Refused(RZ_TEXT("refusals", "Nie ma takiej grupy par."));
    if (shift < 0 || shift > MaxGroupShift || shift % GroupShiftStep != 0)
        return Outcome::Refused(Text{RZ_TEXT("refusals", "Grupę numeruje się od 0 do %1 co %2."),
                                     {std::to_string(MaxGroupShift), std::to_string(GroupShiftStep)}});

    // Each group's first old pair, and what is taken off its old numbers before the shift.
    const int64_t rounds = roundCount;
    const std::array<int64_t, RenumberingGroupCount> first = {1, 1, int64_t{groups.GroupEnd[1]} + 1,
                                                              int64_t{groups.GroupEnd[2]} + 1};
    const std::array<int64_t, RenumberingGroupCount> offset = {0, 0, rounds, 2 * rounds};

    const int64_t last = std::min<int64_t>(groups.GroupEnd[k], static_cast<int64_t>(newNumbers.size()));
    for (int64_t x = std::max<int64_t>(first[k], 1); x <= last; ++x)
        newNumbers[x - 1] = std::to_string(shift + x - offset[k]);
    return Outcome::Accepted();
}

Outcome ValidateNumbers(MovementState& state, const std::vector<std::string>& newNumbers) {
    const int32_t pairs = NumberedPairs(state.TableCount);
    auto numbers = state.PairNumberMap;

    for (int32_t x = 1; x <= pairs; ++x) {
        const std::size_t row = x - 1;
        const std::string text = row < newNumbers.size() ? newNumbers[row] : std::string();
        const auto value = ParseTypedInteger(text);
        if (!value)
            return Outcome::Refused(Text{RZ_TEXT("refusals", "Błąd liczby:%1 popraw!\nNumer:%2"),
                                         {text, std::to_string(x)}});
        if (*value < LowestNumber || *value > HighestNumber)
            return Outcome::Refused(Text{RZ_TEXT("refusals",
                                                 "Dopuszczalne są numery z przedziału (1,99) popraw!\nNumer:%1"),
                                         {std::to_string(x)}});
        numbers[x] = *value;
    }

    std::array<int, HighestNumber + 1> uses{};
    for (int32_t x = 1; x <= pairs; ++x) ++uses[numbers[x]];
    for (int32_t v = LowestNumber; v <= HighestNumber; ++v)
        if (uses[v] > 1)
            return Outcome::Refused(Text{RZ_TEXT("refusals", "Powtórzony numer %1 popraw!"), {std::to_string(v)}});

    state.PairNumberMap = numbers;
    return Outcome::Accepted();
}

Outcome ApplyArbitraryNumbers(MovementState& state, const std::vector<TypedNumber>& typed) {
    std::vector<std::string> newNumbers = InitialNewNumbers(state.TableCount);
    for (const TypedNumber& number : typed) {
        if (number.pair < 1 || number.pair > static_cast<int32_t>(newNumbers.size()))
            return Outcome::Refused(Text{RZ_TEXT("refusals", "Nie ma pary o numerze %1."),
                                         {std::to_string(number.pair)}});
        newNumbers[number.pair - 1] = number.text;
    }
    return ValidateNumbers(state, newNumbers);
}

}  // namespace movement
