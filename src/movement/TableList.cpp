// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableList.h"

#include "TextPadding.h"

#include <algorithm>

namespace movement {

namespace {

std::string Field(int32_t value, std::size_t narrowWidth) {
    return RightAligned(value, FieldWidth(value, narrowWidth));
}

}  // namespace

std::string TableListLine(int32_t table, const TableSeat& seat) {
    return Field(table, 2) + Field(seat.NsPair, 6) + Field(seat.WePair, 6) + Field(seat.BoardSet, 6);
}

std::vector<std::string> TableListLines(const MovementState& state) {
    const int32_t tables = std::clamp(state.TableCount, 0, MaxTables);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(tables));
    for (int32_t t = 1; t <= tables; ++t) lines.push_back(TableListLine(t, state.Seating[t]));
    return lines;
}

}  // namespace movement
