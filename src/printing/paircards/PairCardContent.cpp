// SPDX-License-Identifier: GPL-3.0-or-later
#include "PairCardContent.h"

#include "printing/product/MovementLine.h"
#include "printing/product/ProductTitles.h"

#include "movement/AbsentPair.h"
#include "movement/BoardRoutes.h"
#include "movement/PairNumbering.h"
#include "movement/PairSchedule.h"

#include <algorithm>

namespace printing {

using movement::Text;

namespace {

std::string DirectionOf(const movement::Catalogue& words, bool northSouth) {
    return northSouth ? words.Say(RZ_TEXT("cards", "NS")) : words.Say(RZ_TEXT("cards", "WE"));
}

PairCardContent CardOf(const movement::Catalogue& words, const movement::MovementState& state,
                       const movement::PairSchedule& schedule, int32_t absentPair, int32_t boardsPerSet) {
    PairCardContent card;
    card.Heading =
        words.Say(Text{RZ_TEXT("cards", "Para %1"), {std::to_string(movement::PairRowNumber(state, schedule.Pair))}});
    card.ContinuedHeading = Continued(words, card.Heading);
    if (schedule.Stationary) {
        const movement::PairSeat& seat = schedule.Seats.front();
        card.Stationary = words.Say(Text{RZ_TEXT("cards", "Para stacjonarna – cały turniej przy stole %1, na linii %2"),
                                         {std::to_string(seat.Table), DirectionOf(words, seat.NorthSouth)}});
    }
    for (const movement::PairSeat& seat : schedule.Seats) {
        if (absentPair != movement::NoAbsentPair && seat.Opponent == absentPair) {
            card.Rows.push_back({std::to_string(seat.Round), "", "", words.Say(RZ_TEXT("cards", "pauza")), "", ""});
            continue;
        }
        card.Rows.push_back({std::to_string(seat.Round), std::to_string(seat.Table), DirectionOf(words, seat.NorthSouth),
                             std::to_string(movement::PairRowNumber(state, seat.Opponent)),
                             std::to_string(seat.BoardSet), movement::BoardNumbersText(seat.BoardSet, boardsPerSet)});
    }
    return card;
}

}  // namespace

PairCards PairCardsOf(const movement::Catalogue& words, const movement::MovementState& state, int32_t absentPair,
                      int32_t boardsPerSet) {
    PairCards run;
    run.Headings = {words.Say(RZ_TEXT("cards", "Runda")),    words.Say(RZ_TEXT("cards", "Stół")),
                    words.Say(RZ_TEXT("cards", "Kierunek")), words.Say(RZ_TEXT("cards", "Przeciwnik")),
                    words.Say(RZ_TEXT("cards", "Komplet")),  words.Say(RZ_TEXT("cards", "Rozdania"))};
    run.Movement = MovementLine(words, state, {.numbering = true, .source = true});
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
        run.Cards.push_back(CardOf(words, state, schedule, absentPair, boardsPerSet));
    return run;
}

}  // namespace printing
