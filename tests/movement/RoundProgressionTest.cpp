// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"

#include "movement/BoardRoutes.h"
#include "movement/PairSchedule.h"
#include "movement/RoundProgression.h"
#include "movement/SchemeFileReading.h"
#include "movement/SchemeLine.h"

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
    EXPECT_EQ(NextSeatText(SourceCatalogue(), state, seat.NsPair), card.nsMove);
    EXPECT_EQ(PairsByRound(state, seat.WePair), card.we);
    EXPECT_EQ(NextSeatText(SourceCatalogue(), state, seat.WePair), card.weMove);
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
    for (int32_t p = 1; p <= 6; ++p) EXPECT_NE(NextSeatText(SourceCatalogue(), state, p), "STAŁA") << p;
    EXPECT_EQ(PairsByRound(state, 6), (Rounds{6, 4, 5}));
    // The predecessor of pair 1 is R, that of pair R + 1 is 2R.
    EXPECT_EQ(NextSeatText(SourceCatalogue(), state, 1), "3 NS");
    EXPECT_EQ(NextSeatText(SourceCatalogue(), state, 4), "3 WE");
}

TEST(RoundProgression, WithMoreTablesThanRoundsOnlyPairsAbove2RStay) {
    const MovementState state = MovementOf(2, {{1, 3, 1}, {2, 4, 2}, {5, 6, 1}});
    EXPECT_EQ(NextSeatText(SourceCatalogue(), state, 4), "1 WE");
    EXPECT_EQ(NextSeatText(SourceCatalogue(), state, 5), "STAŁA");
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
    EXPECT_EQ(NextSeatText(SourceCatalogue(), MovementOf(5, {{3, 1, 1}, {1, 4, 2}, {1, 5, 3}}), 2), "2 NS");
    // Predecessor of 2 is 1: WE at tables 1 and 3.
    EXPECT_EQ(NextSeatText(SourceCatalogue(), MovementOf(5, {{3, 1, 1}, {4, 5, 2}, {6, 1, 3}}), 2), "3 WE");
}

TEST(NextSeatText, APredecessorSeatedNowhereGivesAnEmptyText) {
    EXPECT_EQ(NextSeatText(SourceCatalogue(), MovementOf(5, {{2, 3, 1}}), 2), "");
}

TEST(NextSeatText, TheStationaryTestIsStrictWhenTablesEqualRounds) {
    // A pair above 2R with T = R is not stationary: its predecessor is looked for.
    const MovementState state = MovementOf(1, {{1, 7, 1}});
    EXPECT_EQ(NextSeatText(SourceCatalogue(), state, 7), "");
    EXPECT_EQ(NextSeatText(SourceCatalogue(), MovementOf(1, {{6, 7, 1}}), 7), "1 NS");
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
    EXPECT_EQ(NextSeatText(SourceCatalogue(), state, -2147483647 - 1), "");
}

using Routes = std::vector<Rounds>;
const Rounds Spare = {SpareTable};

TEST(SetRoutes, SetsGoToTheTablesThatPlayThemNextOrWaitOnTheSpareTable) {
    const SetRoutes seven = RoutesOf(SevenRounds);
    ASSERT_EQ(seven.NextTables.size(), 6U);
    // Table 2's set is table 1's next round; the other sets no table plays then.
    for (const auto& round : seven.NextTables) EXPECT_EQ(round, (Routes{Spare, {1}, Spare, Spare}));
    // Table 1 takes its set from table 2, the others from the spare table.
    EXPECT_EQ(seven.PreviousTables.front(), (Routes{{}, {}, {}, {}}));
    for (std::size_t r = 1; r < 7; ++r) EXPECT_EQ(seven.PreviousTables[r], (Routes{{2}, Spare, Spare, Spare}));
    EXPECT_EQ(seven.Waiting.front(), (Rounds{3, 5, 7}));
    EXPECT_EQ(seven.Waiting.back(), (Rounds{2, 4, 6}));
    EXPECT_EQ(seven.FromSpare.front(), Rounds{});
    EXPECT_EQ(seven.FromSpare[1], (Rounds{3, 5, 7}));
    EXPECT_TRUE(SharedThroughout(seven, 1).empty());

    const SetRoutes three = RoutesOf(ThreeRounds);
    EXPECT_EQ(three.NextTables.front(), (Routes{{3}, {1, 4}, {2}, {3}}));  // set 2 goes to tables 1 and 4
    EXPECT_EQ(three.PreviousTables[1], (Routes{{2}, {3}, {1, 4}, {2}}));
    const SourceCatalogue polish;
    EXPECT_EQ(RouteText(polish, three.NextTables.front()[1]), "1/4");
    EXPECT_EQ(RouteText(polish, Spare), "P");
    EXPECT_EQ(RouteText(polish, {}), "");
    EXPECT_EQ(SharedThroughout(three, 1), (Rounds{4}));
    EXPECT_EQ(SharedThroughout(three, 4), (Rounds{1}));
    EXPECT_TRUE(SharedThroughout(three, 2).empty());
    EXPECT_TRUE(RoundsSharedNowAndThen(three, 1).empty());
    EXPECT_TRUE(three.Waiting.front().empty());
}

// Pair 3 sits at table 3 in round 1, table 2 in round 2 and table 1 in round 3: those tables have
// no game then, and the sets go round them. Set 3 waits until table 4 takes it from the spare
// table in round 3, when table 1, which shares its sets with table 4, sits out.
TEST(SetRoutes, ATableWhosePairSitsOutPlaysNoSetAndNoSetGoesToIt) {
    const SetRoutes routes = RoutesOf(ThreeRounds, 3);
    EXPECT_EQ(routes.Plays[2], (std::vector<bool>{false, true, true, true}));
    EXPECT_EQ(routes.NextTables[0], (Routes{{3}, {1, 4}, {}, {3}}));
    EXPECT_EQ(routes.NextTables[1], (Routes{{3}, {}, {2}, {3}}));
    EXPECT_EQ(routes.PreviousTables[2], (Routes{{}, {3}, {1, 4}, Spare}));
    EXPECT_EQ(routes.SharedWith[2], (Routes{{}, {}, {}, {}}));
    EXPECT_EQ(routes.Waiting[0], Rounds{3});
    EXPECT_EQ(routes.Waiting[1], Rounds{3});
    EXPECT_EQ(routes.FromSpare[1], Rounds{});
    EXPECT_EQ(routes.FromSpare[2], Rounds{3});
    // Table 1 shares with table 4 in every round it plays; table 4 plays alone in round 3.
    EXPECT_EQ(SharedThroughout(routes, 1), Rounds{4});
    EXPECT_TRUE(SharedThroughout(routes, 4).empty());
    EXPECT_EQ(RoundsSharedNowAndThen(routes, 4), (Rounds{1, 2}));
    EXPECT_EQ(PartnersNowAndThen(routes, 4), Rounds{1});
}

TEST(SetRoutes, ASetOutsideTheRoundsSharesOnlyInTheRoundsItMeetsAnother) {
    // Set 0 at table 2 is played as set 1 in round 2 and set 2 in round 3, as table 3's set is.
    const SetRoutes routes = RoutesOf(MovementOf(3, {{1, 4, 2}, {2, 5, 0}, {3, 6, 3}}));
    EXPECT_TRUE(SharedThroughout(routes, 2).empty());
    EXPECT_EQ(RoundsSharedNowAndThen(routes, 2), (Rounds{2, 3}));
    EXPECT_EQ(routes.SharedWith[1][1], (Rounds{3}));
    EXPECT_EQ(routes.NextTables.front()[1], Rounds{});
    EXPECT_TRUE(RoundsSharedNowAndThen(routes, 9).empty());
    EXPECT_TRUE(SharedThroughout(RoutesOf(MovementState{}), 1).empty());
}

// The room as a director would work it out, from the rotation's rules alone: round by round
// where each table's pairs sit and which set it plays, a table with the absent pair playing none.
struct RoomModel {
    int32_t rounds = 0;
    std::vector<std::vector<int32_t>> set;  // [r][t]: the set played, 0 for none

    RoomModel(const SchemeMovement& movement, int32_t absent) : rounds(movement.RoundCount) {
        const int32_t r0 = rounds;
        const auto tables = static_cast<int32_t>(movement.Tables.size());
        const auto pairIn = [&](int32_t p, int32_t r) {
            if (p <= r0) return (p - 1 + r - 1) % r0 + 1;
            if (tables >= r0 && p <= 2 * r0) return r0 + (p - r0 - 1 + r - 1) % r0 + 1;
            return p;
        };
        for (int32_t r = 1; r <= rounds; ++r) {
            auto& now = set.emplace_back();
            for (const TableSeat& seat : movement.Tables) {
                const bool idle = pairIn(seat.NsPair, r) == absent || pairIn(seat.WePair, r) == absent;
                const int32_t first = seat.BoardSet > r0 ? 1 : seat.BoardSet;
                now.push_back(idle ? 0 : (first - 1 + r - 1) % r0 + 1);
            }
        }
    }
    // The tables other than `except` that play `played` in round r (from 0), or the spare table.
    Rounds TablesOf(std::size_t r, int32_t played, int32_t except, bool spare) const {
        Rounds tables;
        for (std::size_t t = 0; t < set[r].size(); ++t)
            if (set[r][t] == played && static_cast<int32_t>(t) + 1 != except)
                tables.push_back(static_cast<int32_t>(t) + 1);
        return tables.empty() && spare ? Spare : tables;
    }
    Rounds Sets(std::size_t r, bool played, const std::vector<int32_t>* before) const {
        Rounds sets;
        for (int32_t s = 1; s <= rounds; ++s) {
            const bool now = std::count(set[r].begin(), set[r].end(), s) > 0;
            if (now == played && (before == nullptr || std::count(before->begin(), before->end(), s) == 0))
                sets.push_back(s);
        }
        return sets;
    }
};

// Every shipped line with every pair absent in turn, and with none: where each set goes and comes
// from, the tables sharing it and the sets on the spare table, against the model.
TEST(SetRoutes, EveryShippedLineAndEveryAbsentPairRouteTheSetsAsTheRoomPlaysThem) {
    int32_t lines = 0;
    int32_t sharedWithAnIdleTable = 0;  // (line, absent pair) where a shared set meets the absent pair
    for (const char* name : {"Duzo_Zb.txt", "HowellKS.txt", "HowellPV.txt"}) {
        const auto file = ReadSchemeFile(std::string(SCHEME_DATA_DIR) + "/" + name);
        ASSERT_TRUE(file.accepted()) << file.message();
        for (const std::string& line : file.value().lines) {
            const auto read = ReadSchemeLine(line);
            ASSERT_TRUE(read.accepted()) << line;
            MovementState state;
            state.RoundCount = read.value().RoundCount;
            state.TableCount = read.value().TableCount;
            std::copy(read.value().Tables.begin(), read.value().Tables.end(), state.Seating.begin() + 1);
            ++lines;
            const RoomModel everyone(read.value(), NoAbsentPair);
            for (int32_t absent = NoAbsentPair; absent <= 2 * state.TableCount; ++absent) {
                SCOPED_TRACE(line + ", pair " + std::to_string(absent) + " absent");
                const RoomModel room(read.value(), absent);
                const SetRoutes routes = RoutesOf(state, absent);
                bool hit = false;
                for (std::size_t r = 0; r < room.set.size(); ++r) {
                    Routes next, previous, shared;
                    for (std::size_t t = 0; t < room.set[r].size(); ++t) {
                        const int32_t played = room.set[r][t];
                        const auto table = static_cast<int32_t>(t) + 1;
                        const bool plays = played != 0;
                        ASSERT_EQ(routes.Plays[r][t], plays);
                        if (r + 1 < room.set.size())
                            next.push_back(plays ? room.TablesOf(r + 1, played, 0, true) : Rounds{});
                        previous.push_back(plays && r > 0 ? room.TablesOf(r - 1, played, 0, true) : Rounds{});
                        shared.push_back(plays ? room.TablesOf(r, played, table, false) : Rounds{});
                        hit = hit || (!plays && everyone.TablesOf(r, everyone.set[r][t], table, false).size() > 0);
                    }
                    if (r + 1 < room.set.size()) {
                        EXPECT_EQ(routes.NextTables[r], next) << "round " << r + 1;
                    }
                    EXPECT_EQ(routes.PreviousTables[r], previous) << "round " << r + 1;
                    EXPECT_EQ(routes.SharedWith[r], shared) << "round " << r + 1;
                    EXPECT_EQ(routes.Waiting[r], room.Sets(r, false, nullptr)) << "round " << r + 1;
                    EXPECT_EQ(routes.FromSpare[r], r > 0 ? room.Sets(r, true, &room.set[r - 1]) : Rounds{});
                }
                ASSERT_EQ(routes.NextTables.size(), room.set.size() - 1);
                sharedWithAnIdleTable += hit;
                if (::testing::Test::HasFailure()) return;
            }
        }
    }
    EXPECT_EQ(lines, 112);
    EXPECT_EQ(sharedWithAnIdleTable, 287);
}

TEST(BoardNumbers, ASetHoldsItsBoardsInOrderFromBoardOne) {
    EXPECT_EQ(BoardNumbersText(1, 3), "1-3");
    EXPECT_EQ(BoardNumbersText(3, 3), "7-9");
    EXPECT_EQ(BoardNumbersText(5, 1), "5");
    EXPECT_EQ(BoardNumbersText(99, 9), "883-891");
    EXPECT_EQ(BoardNumbersText(2, NoBoardsGiven), "");
    EXPECT_EQ(BoardNumbersText(0, 3), "");
    EXPECT_TRUE(CheckBoardsPerSet(NoBoardsGiven).accepted());
    EXPECT_TRUE(CheckBoardsPerSet(MaxBoardsPerSet).accepted());
    EXPECT_EQ(CheckBoardsPerSet(10).message(),
              "Rozdań w komplecie: 10 to za dużo albo za mało; podaj od 1 do 9 albo 0, gdy numerów rozdań nie "
              "drukować.");
    EXPECT_FALSE(CheckBoardsPerSet(-1).accepted());
}

TEST(NumberRanges, RunsOfThreeOrMoreAreJoined) {
    EXPECT_EQ(NumberRangesText({}), "");
    EXPECT_EQ(NumberRangesText({4}), "4");
    EXPECT_EQ(NumberRangesText({3, 5, 7}), "3, 5, 7");
    EXPECT_EQ(NumberRangesText({1, 2, 5, 6, 7, 9}), "1, 2, 5-7, 9");
    EXPECT_EQ(NumberRangesText({49, 50, 51, 52, 99}), "49-52, 99");
    EXPECT_EQ(NumberRangesText({2147483646, 2147483647}), "2147483646, 2147483647");
}

}  // namespace
}  // namespace movement
