// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"

#include "movement/RoundProgression.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace movement {
namespace {

using testing::MovementOf;
using Rounds = std::vector<int32_t>;

Rounds PairsByRound(const MovementState& state, int32_t p) {
    Rounds rounds;
    for (int32_t r = 1; r <= state.RoundCount; ++r) rounds.push_back(PairInRound(state, p, r));
    return rounds;
}

Rounds SetsByRound(const MovementState& state, int32_t b) {
    Rounds rounds;
    for (int32_t r = 1; r <= state.RoundCount; ++r) rounds.push_back(BoardSetInRound(state, b, r));
    return rounds;
}

// 7 rounds, 4 tables: pairs 1..7 rotate, pair 8 stays at table 1.
const MovementState SevenRounds = testing::SevenRoundsOnFourTables();

// 3 rounds, 4 tables: two rotations 1..3 and 4..6; pairs 7 and 8 stay at table 4, which shares set 1.
const MovementState ThreeRounds = testing::ThreeRoundsOnFourTables();

struct CardRows {
    int32_t table;
    Rounds ns;
    std::string nsMove;
    Rounds we;
    std::string weMove;
    Rounds sets;
};

void ExpectCard(const MovementState& state, const CardRows& card) {
    const TableSeat& seat = state.Seating[card.table];
    SCOPED_TRACE("table " + std::to_string(card.table));
    EXPECT_EQ(PairsByRound(state, seat.NsPair), card.ns);
    EXPECT_EQ(NextSeatText(state, seat.NsPair), card.nsMove);
    EXPECT_EQ(PairsByRound(state, seat.WePair), card.we);
    EXPECT_EQ(NextSeatText(state, seat.WePair), card.weMove);
    EXPECT_EQ(SetsByRound(state, seat.BoardSet), card.sets);
}

TEST(RoundProgression, SevenRoundsOnFourTablesEveryTableEveryRound) {
    ExpectCard(SevenRounds, {1, {8, 8, 8, 8, 8, 8, 8}, "STAŁA", {1, 2, 3, 4, 5, 6, 7}, "4 WE", {1, 2, 3, 4, 5, 6, 7}});
    ExpectCard(SevenRounds, {2, {2, 3, 4, 5, 6, 7, 1}, "1 WE", {6, 7, 1, 2, 3, 4, 5}, "3 WE", {2, 3, 4, 5, 6, 7, 1}});
    ExpectCard(SevenRounds, {3, {3, 4, 5, 6, 7, 1, 2}, "2 NS", {5, 6, 7, 1, 2, 3, 4}, "4 NS", {4, 5, 6, 7, 1, 2, 3}});
    ExpectCard(SevenRounds, {4, {4, 5, 6, 7, 1, 2, 3}, "3 NS", {7, 1, 2, 3, 4, 5, 6}, "2 WE", {6, 7, 1, 2, 3, 4, 5}});
}

TEST(RoundProgression, ThreeRoundsOnFourTablesTwoRotationsAndASharedTable) {
    ExpectCard(ThreeRounds, {1, {1, 2, 3}, "3 NS", {4, 5, 6}, "3 WE", {1, 2, 3}});
    ExpectCard(ThreeRounds, {2, {2, 3, 1}, "1 NS", {5, 6, 4}, "1 WE", {2, 3, 1}});
    ExpectCard(ThreeRounds, {3, {3, 1, 2}, "2 NS", {6, 4, 5}, "2 WE", {3, 1, 2}});
    ExpectCard(ThreeRounds, {4, {7, 7, 7}, "STAŁA", {8, 8, 8}, "STAŁA", {1, 2, 3}});
}

TEST(RoundProgression, EveryRoundOfAValidMovementSeatsEachPairOnce) {
    for (const MovementState* state : {&SevenRounds, &ThreeRounds}) {
        for (int32_t r = 1; r <= state->RoundCount; ++r) {
            std::vector<int32_t> seen;
            for (int32_t t = 1; t <= state->TableCount; ++t) {
                seen.push_back(PairInRound(*state, state->Seating[t].NsPair, r));
                seen.push_back(PairInRound(*state, state->Seating[t].WePair, r));
            }
            std::sort(seen.begin(), seen.end());
            EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << "round " << r;
        }
    }
}

TEST(RoundProgression, WithAsManyTablesAsRoundsNoPairStaysPut) {
    const MovementState state = MovementOf(3, {{1, 4, 1}, {2, 5, 2}, {3, 6, 3}});
    for (int32_t p = 1; p <= 6; ++p) EXPECT_NE(NextSeatText(state, p), "STAŁA") << p;
    EXPECT_EQ(PairsByRound(state, 6), (Rounds{6, 4, 5}));
    // The predecessor of pair 1 is R, that of pair R + 1 is 2R.
    EXPECT_EQ(NextSeatText(state, 1), "3 NS");
    EXPECT_EQ(NextSeatText(state, 4), "3 WE");
}

TEST(RoundProgression, WithMoreTablesThanRoundsOnlyPairsAbove2RStay) {
    const MovementState state = MovementOf(2, {{1, 3, 1}, {2, 4, 2}, {5, 6, 1}});
    EXPECT_EQ(NextSeatText(state, 4), "1 WE");
    EXPECT_EQ(NextSeatText(state, 5), "STAŁA");
    EXPECT_EQ(PairsByRound(state, 6), (Rounds{6, 6}));
}

TEST(RoundProgression, BoardSetsOutsideOneToRStillRunOneRoundAtATime) {
    EXPECT_EQ(SetsByRound(SevenRounds, 9), (Rounds{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(SetsByRound(SevenRounds, 0), (Rounds{0, 1, 2, 3, 4, 5, 6}));
}

TEST(RoundProgression, FirstRotationNumbersBelowOneClimbIntoTheRotation) {
    const MovementState state = MovementOf(3, {{0, 4, 1}});
    EXPECT_EQ(PairsByRound(state, 0), (Rounds{0, 1, 2}));
    EXPECT_EQ(PairsByRound(state, -2), (Rounds{-2, -1, 0}));
}

TEST(NextSeatText, ANumberSeatedTwiceIsFoundAtTheFirstNsOrElseTheLastWe) {
    // Predecessor of 2 is 1: NS at tables 2 and 3, WE at table 1.
    EXPECT_EQ(NextSeatText(MovementOf(5, {{3, 1, 1}, {1, 4, 2}, {1, 5, 3}}), 2), "2 NS");
    // Predecessor of 2 is 1: WE at tables 1 and 3.
    EXPECT_EQ(NextSeatText(MovementOf(5, {{3, 1, 1}, {4, 5, 2}, {6, 1, 3}}), 2), "3 WE");
}

TEST(NextSeatText, APredecessorSeatedNowhereGivesAnEmptyText) {
    EXPECT_EQ(NextSeatText(MovementOf(5, {{2, 3, 1}}), 2), "");
}

TEST(NextSeatText, TheStationaryTestIsStrictWhenTablesEqualRounds) {
    // A pair above 2R with T = R is not stationary: its predecessor is looked for.
    const MovementState state = MovementOf(1, {{1, 7, 1}});
    EXPECT_EQ(NextSeatText(state, 7), "");
    EXPECT_EQ(NextSeatText(MovementOf(1, {{6, 7, 1}}), 7), "1 NS");
}

TEST(AdvanceNumber, FollowsThePairClassesForPairsAndBoardSets) {
    // T < R: 1..R rotate, everything above stays.
    const MovementState fewTables = MovementOf(5, {{}, {}});
    EXPECT_EQ(AdvanceNumber(fewTables, 1), 2);
    EXPECT_EQ(AdvanceNumber(fewTables, 4), 5);
    EXPECT_EQ(AdvanceNumber(fewTables, 5), 1);
    EXPECT_EQ(AdvanceNumber(fewTables, 6), 6);
    EXPECT_EQ(AdvanceNumber(fewTables, 9), 9);
    EXPECT_EQ(AdvanceNumber(fewTables, 0), 1);

    // T >= R: two rotations, 1..R and R + 1..2R.
    const MovementState manyTables = MovementOf(3, {{}, {}, {}, {}});
    EXPECT_EQ(AdvanceNumber(manyTables, 2), 3);
    EXPECT_EQ(AdvanceNumber(manyTables, 3), 1);
    EXPECT_EQ(AdvanceNumber(manyTables, 4), 5);
    EXPECT_EQ(AdvanceNumber(manyTables, 5), 6);
    EXPECT_EQ(AdvanceNumber(manyTables, 6), 4);
    EXPECT_EQ(AdvanceNumber(manyTables, 7), 7);
}

TEST(RoundProgression, ExtremeNumbersGiveDefinedResults) {
    const MovementState state = MovementOf(99, {{2147483647, -2147483647 - 1, 2147483647}});
    EXPECT_EQ(PairInRound(state, 2147483647, 99), 2147483647);
    EXPECT_EQ(PairInRound(state, -2147483647 - 1, 2), -2147483647);
    EXPECT_EQ(BoardSetInRound(state, 2147483647, 99), 99);
    EXPECT_EQ(NextSeatText(state, -2147483647 - 1), "");
}

}  // namespace
}  // namespace movement
