// SPDX-License-Identifier: GPL-3.0-or-later
#include "PairCardContent.h"

#include "printing/product/MovementLine.h"

#include "movement/AbsentPair.h"
#include "movement/BoardRoutes.h"
#include "movement/PairNumbering.h"
#include "movement/PairSchedule.h"

#include <algorithm>

namespace printing {

const std::array<const char*, PairColumnCount> PairColumnHeadings = {"Runda",      "Stół",    "Kierunek",
                                                                     "Przeciwnik", "Komplet", "Rozdania"};
const char* const SitOutText = "pauza";

namespace {

const char* DirectionOf(bool northSouth) { return northSouth ? "NS" : "WE"; }

PairCardContent CardOf(const movement::MovementState& state, const movement::PairSchedule& schedule, int32_t absentPair,
                       int32_t boardsPerSet) {
    PairCardContent card;
    card.Heading = "Para " + std::to_string(movement::PairRowNumber(state, schedule.Pair));
    if (schedule.Stationary) {
        const movement::PairSeat& seat = schedule.Seats.front();
        card.Stationary = "Para stacjonarna – cały turniej przy stole " + std::to_string(seat.Table) + ", na linii " +
                          DirectionOf(seat.NorthSouth);
    }
    for (const movement::PairSeat& seat : schedule.Seats) {
        if (absentPair != movement::NoAbsentPair && seat.Opponent == absentPair) {
            card.Rows.push_back({std::to_string(seat.Round), "", "", SitOutText, "", ""});
            continue;
        }
        card.Rows.push_back({std::to_string(seat.Round), std::to_string(seat.Table), DirectionOf(seat.NorthSouth),
                             std::to_string(movement::PairRowNumber(state, seat.Opponent)),
                             std::to_string(seat.BoardSet), movement::BoardNumbersText(seat.BoardSet, boardsPerSet)});
    }
    return card;
}

}  // namespace

PairCards PairCardsOf(const movement::MovementState& state, int32_t absentPair, int32_t boardsPerSet) {
    PairCards run;
    run.Movement = MovementLine(state, {.numbering = true, .source = true});
    run.Columns = {RoundColumn, TableColumn, DirectionColumn, OpponentColumn, BoardSetColumn};
    if (boardsPerSet > movement::NoBoardsGiven) run.Columns.push_back(BoardsColumn);

    std::vector<movement::PairSchedule> schedules = movement::PairSchedules(state);
    std::erase_if(schedules, [&](const movement::PairSchedule& schedule) { return schedule.Pair == absentPair; });
    // The director hands the cards out by the numbers the pairs play under.
    std::stable_sort(schedules.begin(), schedules.end(), [&](const auto& a, const auto& b) {
        return movement::PairRowNumber(state, a.Pair) < movement::PairRowNumber(state, b.Pair);
    });
    run.Cards.reserve(schedules.size());
    for (const movement::PairSchedule& schedule : schedules)
        run.Cards.push_back(CardOf(state, schedule, absentPair, boardsPerSet));
    return run;
}

}  // namespace printing
