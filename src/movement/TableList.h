// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MovementState.h"

#include <string>
#include <vector>

namespace movement {

// One line of the main window's table list: table number, NS pair, WE pair and board set, each
// right-aligned with one more leading space for a one-digit value (fields 3/2, then 7/6).
std::string TableListLine(int32_t table, const TableSeat& seat);

// The whole table list, tables 1..TableCount in order (empty without a movement).
std::vector<std::string> TableListLines(const MovementState& state);

}  // namespace movement
