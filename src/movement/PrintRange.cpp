// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintRange.h"

#include "PolishPlural.h"

#include <algorithm>
#include <utility>

namespace movement {

PrintRange ClampPrintRange(const MovementState& state, int32_t first, int32_t last) {
    const int32_t tables = std::clamp(state.TableCount, 0, MaxTables);
    if (tables < 1) return {};
    if (first > last) std::swap(first, last);
    return {std::clamp(first, 1, tables), std::clamp(last, 1, tables)};
}

std::string MovementTitle(const MovementState& state) {
    std::string title = "Rozstawiki";
    if (ClampPrintRange(state, 1, 1).Count() == 0) return title;
    return title + " " + Counted(state.RoundCount, Rounds) + " " + Counted(state.TableCount, Tables);
}

std::string PrintJobTitle(const MovementState& state, int32_t first, int32_t last) {
    const PrintRange range = ClampPrintRange(state, first, last);
    std::string title = MovementTitle(state);
    if (range.Count() == 0) return title;
    title += ", ";
    if (range.Count() == 1) return title + Tables.one + " " + std::to_string(range.first);
    return title + Tables.few + " " + std::to_string(range.first) + "-" + std::to_string(range.last);
}

}  // namespace movement
