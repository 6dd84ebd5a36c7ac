// SPDX-License-Identifier: GPL-3.0-or-later
#include "PairCardContent.h"

#include "movement/AbsentPair.h"
#include "movement/PairNumbering.h"
#include "movement/PairSchedule.h"

#include <algorithm>

namespace printing {

const std::array<const char*, PairColumnCount> PairColumnHeadings = {"Runda", "Stół", "Kierunek", "Przeciwnik",
                                                                     "Komplet"};
const char* const SitOutText = "pauza";

namespace {

const char* DirectionOf(bool northSouth) { return northSouth ? "NS" : "WE"; }

PairCardContent CardOf(const movement::MovementState& state, const movement::PairSchedule& schedule, int32_t absentPair) {
    PairCardContent card;
    card.Heading = "Para " + std::to_string(movement::PairRowNumber(state, schedule.Pair));
    if (schedule.Stationary) {
        const movement::PairSeat& seat = schedule.Seats.front();
        card.Stationary = "Para stacjonarna – cały turniej przy stole " + std::to_string(seat.Table) + ", na linii " +
                          DirectionOf(seat.NorthSouth);
    }
    for (const movement::PairSeat& seat : schedule.Seats) {
        const std::string opponent = absentPair != movement::NoAbsentPair && seat.Opponent == absentPair
                                         ? std::string(SitOutText)
                                         : std::to_string(movement::PairRowNumber(state, seat.Opponent));
        card.Rows.push_back({std::to_string(seat.Round), std::to_string(seat.Table), DirectionOf(seat.NorthSouth),
                             opponent, std::to_string(seat.BoardSet)});
    }
    return card;
}

}  // namespace

std::vector<PairCardContent> PairCardsOf(const movement::MovementState& state, int32_t absentPair) {
    std::vector<movement::PairSchedule> schedules = movement::PairSchedules(state);
    std::erase_if(schedules, [&](const movement::PairSchedule& schedule) { return schedule.Pair == absentPair; });
    // The director hands the cards out by the numbers the pairs play under.
    std::stable_sort(schedules.begin(), schedules.end(), [&](const auto& a, const auto& b) {
        return movement::PairRowNumber(state, a.Pair) < movement::PairRowNumber(state, b.Pair);
    });
    std::vector<PairCardContent> cards;
    cards.reserve(schedules.size());
    for (const movement::PairSchedule& schedule : schedules) cards.push_back(CardOf(state, schedule, absentPair));
    return cards;
}

}  // namespace printing
