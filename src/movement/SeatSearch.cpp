// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeatSearch.h"

#include <algorithm>

namespace movement {

SeatFound FindRoundOneSeat(const MovementState& state, int64_t pair) {
    const int32_t tables = std::clamp(state.TableCount, 0, MaxTables);
    for (int32_t t = 1; t <= tables; ++t)
        if (state.Seating[t].NsPair == pair) return {t, true};
    for (int32_t t = tables; t >= 1; --t)
        if (state.Seating[t].WePair == pair) return {t, false};
    return {};
}

}  // namespace movement
