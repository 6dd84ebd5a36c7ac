// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodePage1250.h"
#include "SchemeLibrary.h"
#include "movement/MovementCheck.h"
#include "movement/SchemeLine.h"

#include <gtest/gtest.h>

namespace schemelibrary {
namespace {

TEST(SettleSize, AFoundLinePlaysThroughAndCarriesItsBalance) {
    const SettledSize howell = SettleSize(11, 6);
    ASSERT_EQ(howell.status, SizeStatus::Found);
    const auto played = movement::CheckSchemeLine(howell.line);
    ASSERT_TRUE(played.accepted()) << played.message();
    EXPECT_EQ(played.value().RoundCount, 11);
    // 6 tables: every two pairs face the same way on exactly 5 of the 11 sets.
    EXPECT_EQ(howell.balance.pairsByCount, (std::map<int32_t, int64_t>{{5, 66}}));
    EXPECT_TRUE(howell.mostBalancedProved);

    const SettledSize odd = SettleSize(9, 5);
    EXPECT_EQ(odd.balance.spread(), 2);
    EXPECT_EQ(odd.smallestPossibleSpread, 2);
    EXPECT_TRUE(odd.mostBalancedProved);
}

TEST(SettleSize, ProvesSizesImpossibleByTheOffsetSumOrByExhaustingTheSearch) {
    const SettledSize bySum = SettleSize(5, 4);
    EXPECT_EQ(bySum.status, SizeStatus::Impossible);
    EXPECT_NE(bySum.reason.find("offset sum"), std::string::npos);
    EXPECT_EQ(bySum.searchNodes, 0);

    for (const auto& [rounds, tables] : std::vector<std::pair<int32_t, int32_t>>{{6, 4}, {8, 5}, {2, 2}, {3, 3}}) {
        const SettledSize searched = SettleSize(rounds, tables);
        EXPECT_EQ(searched.status, SizeStatus::Impossible) << rounds << " " << tables;
        EXPECT_NE(searched.reason.find("exhaustive"), std::string::npos);
    }
    EXPECT_EQ(SettleSize(3, 5).status, SizeStatus::Impossible);  // four tables on three sets
}

TEST(ImpossibleByOffsetSum, AppliesOnlyToOneMoreRoundThanTablesWhenThatIsOdd) {
    EXPECT_FALSE(ImpossibleByOffsetSum(5, 4).empty());
    EXPECT_FALSE(ImpossibleByOffsetSum(13, 12).empty());
    EXPECT_TRUE(ImpossibleByOffsetSum(6, 5).empty());  // found: 6 5 1 2 ...
    EXPECT_TRUE(ImpossibleByOffsetSum(7, 4).empty());
    EXPECT_TRUE(ImpossibleByOffsetSum(5, 5).empty());
}

TEST(SchemeFileBytes, WritesThePolishHeadingInCodePage1250ThenTheFoundLines) {
    const SchemeFamily family{"X.txt", {"Zażółć"}, {{7, 4}, {5, 4}, {6, 4}, {6, 5}}};
    auto settledAs = [](int32_t rounds, int32_t tables, SizeStatus status, std::string line = {}) {
        SettledSize settled;
        settled.rounds = rounds;
        settled.tables = tables;
        settled.status = status;
        settled.line = std::move(line);
        return settled;
    };
    const std::vector<SettledSize> settled = {settledAs(7, 4, SizeStatus::Found, "7 4 1 2 6 4 0 3 7 0 0 8 5"),
                                              settledAs(5, 4, SizeStatus::Impossible),
                                              settledAs(6, 4, SizeStatus::Impossible),
                                              settledAs(6, 5, SizeStatus::Open)};
    EXPECT_EQ(SchemeFileBytes(family, settled),
              "* Za\xBF\xF3\xB3\xE6\r\n"
              "* Takie rozstawienia nie istniej\xB9: 4 sto\xB3y: 5 i 6 rund.\r\n"
              "* Nie rozstrzygni\xEAto jeszcze: 5 sto\xB3\xF3w: 6 rund.\r\n"
              "7 4 1 2 6 4 0 3 7 0 0 8 5\r\n");
}

TEST(ToCodePage1250, MapsThePolishLettersAndRefusesAnythingElse) {
    EXPECT_EQ(ToCodePage1250("ĄĆĘŁŃÓŚŹŻ ąćęłńóśźż"),
              "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF \xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF");
    EXPECT_EQ(ToCodePage1250("Howell 7 4 *"), "Howell 7 4 *");
    EXPECT_EQ(ToCodePage1250("über"), std::nullopt);
    EXPECT_EQ(ToCodePage1250("–"), std::nullopt);
    EXPECT_EQ(ToCodePage1250("\xC5"), std::nullopt);
}

}  // namespace
}  // namespace schemelibrary
