// SPDX-License-Identifier: GPL-3.0-or-later
#include "PairSchedule.h"

#include "RoundProgression.h"

#include <algorithm>

namespace movement {

namespace {

int32_t TablesOf(const MovementState& state) { return std::clamp(state.TableCount, 0, MaxTables); }

bool StaysPut(const std::vector<PairSeat>& seats, int32_t rounds) {
    if (rounds < 2 || seats.size() != static_cast<std::size_t>(rounds)) return false;
    return std::all_of(seats.begin(), seats.end(), [&](const PairSeat& seat) {
        return seat.Table == seats.front().Table && seat.NorthSouth == seats.front().NorthSouth;
    });
}

}  // namespace

std::vector<TableSeat> SeatsInRound(const MovementState& state, int32_t r) {
    std::vector<TableSeat> seats;
    seats.reserve(static_cast<std::size_t>(TablesOf(state)));
    for (int32_t t = 1; t <= TablesOf(state); ++t) {
        const TableSeat& first = state.Seating[t];
        seats.push_back({PairInRound(state, first.NsPair, r), PairInRound(state, first.WePair, r),
                         BoardSetInRound(state, first.BoardSet, r)});
    }
    return seats;
}

std::vector<PairSchedule> PairSchedules(const MovementState& state) {
    const int32_t pairs = 2 * TablesOf(state);
    std::vector<PairSchedule> schedules(static_cast<std::size_t>(pairs));
    for (int32_t p = 1; p <= pairs; ++p) schedules[p - 1].Pair = p;
    const auto seat = [&](int32_t pair, PairSeat played) {
        if (pair >= 1 && pair <= pairs) schedules[pair - 1].Seats.push_back(played);
    };
    for (int32_t r = 1; r <= state.RoundCount; ++r) {
        const std::vector<TableSeat> round = SeatsInRound(state, r);
        for (int32_t t = 1; t <= static_cast<int32_t>(round.size()); ++t) {
            const TableSeat& at = round[t - 1];
            seat(at.NsPair, {r, t, true, at.WePair, at.BoardSet});
            seat(at.WePair, {r, t, false, at.NsPair, at.BoardSet});
        }
    }
    for (PairSchedule& schedule : schedules) schedule.Stationary = StaysPut(schedule.Seats, state.RoundCount);
    return schedules;
}

}  // namespace movement
