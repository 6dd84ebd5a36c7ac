// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchemeLibrary.h"
#include "movement/MainWindowState.h"
#include "movement/MovementCheck.h"
#include "movement/SchemeFile.h"
#include "movement/SchemeLine.h"
#include "movement/SchemeSelection.h"
#include "movement/SharedNumbers.h"
#include "movement/StepChoices.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace schemelibrary {
namespace {

using Size = std::pair<int32_t, int32_t>;  // rounds, tables

std::string PathOf(const std::string& fileName) { return std::string(SCHEME_DATA_DIR) + "/" + fileName; }

std::string BytesOf(const std::string& fileName) {
    std::ifstream in(PathOf(fileName), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The shipped lines of a file by size, read as the program reads the file.
std::map<Size, std::string> ShippedLines(const std::string& fileName) {
    const auto reading = movement::ReadSchemeFile(PathOf(fileName));
    std::map<Size, std::string> lines;
    if (!reading.accepted()) {
        ADD_FAILURE() << fileName << ": " << reading.message();
        return lines;
    }
    EXPECT_EQ(reading.value().leftOut, 0);
    for (const std::string& line : reading.value().lines) {
        const auto read = movement::ReadSchemeLine(line);
        if (read.accepted())
            lines[{read.value().RoundCount, read.value().TableCount}] = line;
        else
            ADD_FAILURE() << line << ": " << read.message();
    }
    return lines;
}

}  // namespace

void PrintTo(const SchemeFamily& family, std::ostream* out) { *out << family.fileName; }

namespace {

class ShippedSchemeFile : public ::testing::TestWithParam<SchemeFamily> {};

TEST_P(ShippedSchemeFile, EveryLinePlaysThroughAsTheProgramReadsIt) {
    const SchemeFamily& family = GetParam();
    const auto reading = movement::ReadSchemeFile(PathOf(family.fileName));
    ASSERT_TRUE(reading.accepted()) << reading.message();
    ASSERT_FALSE(reading.value().lines.empty());

    const std::set<Size> asked(family.sizes.begin(), family.sizes.end());
    Size previous{0, 0};
    for (const std::string& line : reading.value().lines) {
        const auto read = movement::CheckSchemeLine(line);
        ASSERT_TRUE(read.accepted()) << line << ": " << read.message();

        const Size size{read.value().RoundCount, read.value().TableCount};
        EXPECT_TRUE(asked.count(size)) << line;
        // Ordered by tables, then rounds, each size once.
        EXPECT_LT(std::pair(previous.second, previous.first), std::pair(size.second, size.first)) << line;
        previous = size;
    }
}

TEST_P(ShippedSchemeFile, EverySizeLeftOutIsProvedImpossible) {
    const SchemeFamily& family = GetParam();
    const std::map<Size, std::string> shipped = ShippedLines(family.fileName);
    for (const auto& [rounds, tables] : family.sizes) {
        if (shipped.count({rounds, tables})) continue;
        const SettledSize settled = SettleSize(rounds, tables);
        EXPECT_EQ(settled.status, SizeStatus::Impossible) << family.fileName << " " << rounds << " " << tables;
    }
}

TEST_P(ShippedSchemeFile, IsPolishCommentLinesThenSchemeLinesInCodePage1250WithCrLf) {
    const std::string bytes = BytesOf(GetParam().fileName);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.front(), '*');
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

    const std::string polish = "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF";
    bool inHeading = true;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        const std::string line = bytes.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        if (line.find('*') != std::string::npos) {
            EXPECT_TRUE(inHeading) << "comment after the first scheme line: " << line;
            for (const char c : line) {
                if (static_cast<unsigned char>(c) < 0x80) continue;
                EXPECT_NE(polish.find(c), std::string::npos) << line;
            }
        } else {
            inHeading = false;
            EXPECT_EQ(line.find_first_not_of("0123456789 "), std::string::npos) << line;
            EXPECT_EQ(line.find("  "), std::string::npos) << line;
            EXPECT_NE(line.back(), ' ');
        }
        start = end + 2;
    }
    EXPECT_FALSE(inHeading);
}

// Every line as the main window lists it, under every numbering it offers: where two pairs would
// share a number, printing is refused. The list in doc/behaviour.md is this one.
TEST_P(ShippedSchemeFile, TheLinesWhoseNumberingGivesTwoPairsOneNumber) {
    const std::map<std::string, std::set<std::pair<int, int>>> expected = {
        {"Duzo_Zb.txt", {{16, movement::MitchellItem}, {36, movement::MitchellItem}}}};
    movement::MovementState loaded;
    const auto load = movement::LoadSchemeFile(loaded, PathOf(GetParam().fileName), "");
    ASSERT_TRUE(load.accepted()) << load.message();
    std::set<std::pair<int, int>> refused;  // the list line from 1, the numbering item
    for (int line = 1; line <= static_cast<int>(load.value().listLines.size()); ++line)
        for (int item = 0; item <= movement::MitchellItem; ++item) {
            movement::MovementState state = loaded;
            ASSERT_TRUE(movement::SelectScheme(state, line - 1, movement::NoItemSelected).accepted());
            ASSERT_TRUE(movement::ChooseNumberingStep(state, item).accepted());
            if (!movement::CheckNumbersDistinct(state).accepted()) refused.insert({line, item});
        }
    const auto listed = expected.find(GetParam().fileName);
    const std::set<std::pair<int, int>> none;
    EXPECT_EQ(refused, listed == expected.end() ? none : listed->second);
}

INSTANTIATE_TEST_SUITE_P(TheThreeFiles, ShippedSchemeFile, ::testing::ValuesIn(SchemeFamilies()),
                         [](const ::testing::TestParamInfo<SchemeFamily>& file) {
                             return file.param.fileName.substr(0, file.param.fileName.find('.'));
                         });

// The tool and the files must not drift apart: small sizes of each file are searched again.
TEST(SchemeGenerator, ReproducesTheShippedLines) {
    const std::map<std::string, std::vector<Size>> sizes = {
        {"HowellKS.txt", {{7, 4}, {9, 5}, {11, 6}}},
        {"HowellPV.txt", {{4, 3}, {6, 5}, {7, 5}, {10, 6}}},
        {"Duzo_Zb.txt", {{1, 2}, {3, 4}, {4, 4}, {4, 5}, {5, 5}, {5, 6}, {6, 6}}},
    };
    for (const auto& [fileName, asked] : sizes) {
        const std::map<Size, std::string> shipped = ShippedLines(fileName);
        for (const auto& [rounds, tables] : asked) {
            const SettledSize settled = SettleSize(rounds, tables);
            ASSERT_EQ(settled.status, SizeStatus::Found) << rounds << " " << tables;
            ASSERT_TRUE(shipped.count({rounds, tables})) << fileName << " " << rounds << " " << tables;
            EXPECT_EQ(settled.line, shipped.at({rounds, tables})) << fileName;
        }
    }
}

}  // namespace
}  // namespace schemelibrary
