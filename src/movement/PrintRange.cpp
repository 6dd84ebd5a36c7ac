// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintRange.h"

#include <algorithm>
#include <utility>

namespace movement {

PrintRange ClampPrintRange(const MovementState& state, int32_t first, int32_t last) {
    const int32_t tables = std::clamp(state.TableCount, 0, MaxTables);
    if (tables < 1) return {};
    if (first > last) std::swap(first, last);
    return {std::clamp(first, 1, tables), std::clamp(last, 1, tables)};
}

std::string TablesCounted(const Catalogue& words, int64_t tables) {
    return words.Say(Text{RZ_TEXT_N("cards", "%n stołów"), {}, tables});
}

std::string RoundsCounted(const Catalogue& words, int64_t rounds) {
    return words.Say(Text{RZ_TEXT_N("cards", "%n rund"), {}, rounds});
}

std::string MovementTitle(const Catalogue& words, const MovementState& state) {
    if (ClampPrintRange(state, 1, 1).Count() == 0) return words.Say(RZ_TEXT("cards", "Rozstawiki"));
    return words.Say(Text{RZ_TEXT("cards", "Rozstawiki %1 %2"),
                          {RoundsCounted(words, state.RoundCount), TablesCounted(words, state.TableCount)}});
}

std::string PrintJobTitle(const Catalogue& words, const MovementState& state, int32_t first, int32_t last) {
    const PrintRange range = ClampPrintRange(state, first, last);
    std::string title = MovementTitle(words, state);
    if (range.Count() == 0) return title;
    if (range.Count() == 1)
        return words.Say(Text{RZ_TEXT("cards", "%1, stół %2"), {title, std::to_string(range.first)}});
    return words.Say(Text{RZ_TEXT("cards", "%1, stoły %2-%3"),
                          {title, std::to_string(range.first), std::to_string(range.last)}});
}

}  // namespace movement
