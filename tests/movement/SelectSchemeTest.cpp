// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExampleMovements.h"

#include "movement/MainWindowState.h"
#include "movement/SchemeFile.h"
#include "movement/SchemeSelection.h"
#include "movement/StepChoices.h"
#include "movement/TableList.h"

#include <gtest/gtest.h>

namespace movement {
namespace {

using testing::TempFolder;

class ChoosingASchemeLine : public ::testing::Test {
protected:
    void Load(const std::string& bytes) {
        const auto load = LoadSchemeFile(state, folder.Write("HowellKS.txt", bytes), "Wg K. Kestrela");
        ASSERT_TRUE(load.accepted() && !load.value().locked) << load.message();
    }

    TempFolder folder;
    MovementState state;
};

TEST_F(ChoosingASchemeLine, MakesTheLineTheCurrentMovementWithAllTablesToPrint) {
    Load("* rundy stoly\n5 3 6 1 0 2 5 0 3 4\n11 6 12 1 0 2 11 0 3 10 4 9 0 5 8 0 0 6 7\n");

    ASSERT_TRUE(SelectScheme(state, 1, NoItemSelected).accepted());

    EXPECT_EQ(state.RoundCount, 11);
    EXPECT_EQ(state.TableCount, 6);
    EXPECT_EQ(state.Seating[1], (TableSeat{12, 1, 1}));
    EXPECT_EQ(state.Seating[6], (TableSeat{6, 7, 11}));
    EXPECT_EQ(state.PrintFrom, 1);
    EXPECT_EQ(state.PrintTo, 6);
    EXPECT_EQ(state.StepChoices, (std::array<int32_t, 3>{11, 20, 30}));
    EXPECT_EQ(state.NumberingStep, 0);
    EXPECT_EQ(TableListLines(state), (std::vector<std::string>{"  1    12      1      1", "  2      2    11      3",
                                                               "  3      3    10      5", "  4      4      9      6",
                                                               "  5      5      8      8", "  6      6      7    11"}));
}

TEST_F(ChoosingASchemeLine, TheFirstListedLineIsCatalogueEntryZero) {
    Load("5 3 6 1 0 2 5 0 3 4\n7 4 8 1 0 0 3 6 0 5 2 7 4\n");
    ASSERT_TRUE(SelectScheme(state, 0, NoItemSelected).accepted());
    EXPECT_EQ(state.RoundCount, 5);
    EXPECT_EQ(state.TableCount, 3);
}

TEST_F(ChoosingASchemeLine, KeepsTheSourceThePairNumbersAndTheCatalogue) {
    Load("7 4 8 1 0 0 3 6 0 5 2 7 4\n");
    state.PairNumberMap[3] = 33;
    const auto catalogue = state.SchemeCatalogue;

    ASSERT_TRUE(SelectScheme(state, 0, NoItemSelected).accepted());
    EXPECT_EQ(state.SchemeSource, "Wg K. Kestrela");
    EXPECT_EQ(state.PairNumberMap[3], 33);
    EXPECT_EQ(state.SchemeCatalogue, catalogue);
    EXPECT_TRUE(state.CatalogueLoaded);
}

TEST_F(ChoosingASchemeLine, ANewLineRederivesTheNumberingFromTheSelectedItem) {
    Load("7 4 8 1 0 0 3 6 0 5 2 7 4\n13 7 1 2 3 4 5 6 7 8 9 10 11 12 13 14\n");
    ASSERT_TRUE(SelectScheme(state, 0, NoItemSelected).accepted());
    ASSERT_TRUE(ChooseNumberingStep(state, 0).accepted());
    EXPECT_EQ(state.NumberingStep, 7);

    ASSERT_TRUE(SelectScheme(state, 1, 0).accepted());
    EXPECT_EQ(state.NumberingStep, 13);
    ASSERT_TRUE(SelectScheme(state, 0, 1).accepted());
    EXPECT_EQ(state.NumberingStep, 10);
    ASSERT_TRUE(SelectScheme(state, 1, 2).accepted());
    EXPECT_EQ(state.NumberingStep, 30);
    ASSERT_TRUE(SelectScheme(state, 0, MitchellItem).accepted());
    EXPECT_EQ(state.NumberingStep, MitchellNumbering);
    ASSERT_TRUE(SelectScheme(state, 1, NoItemSelected).accepted());
    EXPECT_EQ(state.NumberingStep, MitchellNumbering);
}

TEST_F(ChoosingASchemeLine, ASmallerMovementLeavesTheOldTablesBeyondItUnseen) {
    std::string ten = "10 10";
    for (int pair = 1; pair <= 20; ++pair) ten += " " + std::to_string(pair);
    Load(ten + "\n7 6 1 2 3 4 5 6 7 8 9 10 11 12\n");
    ASSERT_TRUE(SelectScheme(state, 0, NoItemSelected).accepted());
    ASSERT_TRUE(SelectScheme(state, 1, NoItemSelected).accepted());

    EXPECT_EQ(state.TableCount, 6);
    EXPECT_EQ(state.Seating[7], (TableSeat{13, 14, 7}));  // from the 10-table movement
    EXPECT_EQ(TableListLines(state).size(), 6u);
}

TEST_F(ChoosingASchemeLine, ALineTheProgramCannotUseChangesNothing) {
    Load("7 4 8 1 0 0 3 6 0 5 2 7 4\n5 3 6 1 0 2 5 0 3\n100 2 1 2 3 4\n5 49 1 2\n5 2 1 2 3 100\n");
    ASSERT_TRUE(SelectScheme(state, 0, NoItemSelected).accepted());
    ASSERT_TRUE(ChooseNumberingStep(state, 1).accepted());
    state.PrintFrom = 3;  // narrowed by the director
    state.PrintTo = 2;
    state.PairNumberMap[5] = 50;
    const MovementState before = state;

    const std::vector<std::pair<int, std::string>> refused = {
        {1, "Niepoprawny schemat: linia kończy się przed parami stołu 3."},
        {2, "Niepoprawny schemat: liczba rund musi wynosić od 1 do 99."},
        {3, "Niepoprawny schemat: liczba stołów musi wynosić od 1 do 48."},
        {4, "Niepoprawny schemat: numer pary przy stole 2 przekracza 99."},
    };
    for (const auto& [line, message] : refused) {
        const Outcome outcome = SelectScheme(state, line, 2);
        EXPECT_FALSE(outcome.accepted()) << line;
        EXPECT_EQ(outcome.message(), message);
        EXPECT_EQ(state, before) << "line " << line;
    }
}

TEST_F(ChoosingASchemeLine, AnIndexOutsideTheCatalogueIsRefused) {
    const MovementState before = state;
    EXPECT_FALSE(SelectScheme(state, -1, NoItemSelected).accepted());
    EXPECT_FALSE(SelectScheme(state, CatalogueCapacity, NoItemSelected).accepted());
    EXPECT_EQ(state, before);
}

TEST_F(ChoosingASchemeLine, LinesLeftByAnEarlierLongerFileAreNotOffered) {
    Load("5 3 6 1 0 2 5 0 3 4\n7 4 8 1 0 0 3 6 0 5 2 7 4\n");
    state.CatalogueLoaded = false;  // as ResetSchemeState leaves it
    Load("5 3 6 1 0 2 5 0 3 4\n");
    ASSERT_EQ(state.SchemeCatalogue[1], "7 4 8 1 0 0 3 6 0 5 2 7 4");
    const MovementState before = state;
    EXPECT_EQ(SelectScheme(state, 1, NoItemSelected).message(), "Niepoprawny schemat: nie ma takiej linii w pliku.");
    EXPECT_EQ(state, before);
}

TEST_F(ChoosingASchemeLine, LoadListChooseSwapAndChooseAgainRestoresTheLine) {
    Load("* przyklad\n7 4 8 1 0 0 3 6 0 5 2 7 4\n");
    ASSERT_TRUE(SelectScheme(state, 0, NoItemSelected).accepted());
    ASSERT_TRUE(SwapNsWe(state, 3).accepted());
    EXPECT_EQ(TableListLines(state)[2], "  3      2      5      6");

    ASSERT_TRUE(SelectScheme(state, 0, NoItemSelected).accepted());
    EXPECT_EQ(TableListLines(state)[2], "  3      5      2      6");
}

}  // namespace
}  // namespace movement
