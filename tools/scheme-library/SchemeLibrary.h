// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Balance.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace schemelibrary {

// Search budgets. Every size of the three files settles far below them; they only make a size
// that would not settle come out as open instead of running on.
constexpr int64_t ExistenceNodeLimit = 100'000'000;
constexpr int64_t PatternNodeLimit = 200'000;

enum class SizeStatus {
    Found,
    Impossible,  // proved: no scheme line of this size plays through
    Open,        // neither found nor proved impossible within the budget
};

struct SettledSize {
    int32_t rounds = 0;
    int32_t tables = 0;
    SizeStatus status = SizeStatus::Open;
    std::string line;        // when found: the scheme line, as it goes into the file
    BalanceFigures balance;  // when found: counted by playing the line through
    // No line of this size has a smaller spread (proved), or 0 when nothing is known.
    int32_t smallestPossibleSpread = 0;
    // No line of this size is better balanced, spread and sum of squares alike (proved).
    bool mostBalancedProved = false;
    std::string reason;  // when impossible or open: why, for the report
    int64_t searchNodes = 0;
};

// Settles one size: a direct proof of impossibility where one applies, else an exhaustive
// search for any round 1; when one exists, the most balanced direction patterns are tried in
// turn for a round 1 that seats pairs that way. Every line is read back as the program reads a
// chosen scheme line and played through by its checks before it is returned.
SettledSize SettleSize(int32_t rounds, int32_t tables);

// The proof for sizes the search cannot exhaust in time, or an empty text when none applies.
std::string ImpossibleByOffsetSum(int32_t rounds, int32_t tables);

// One of the three files: its name, its Polish heading and the sizes it is asked to hold.
struct SchemeFamily {
    std::string fileName;
    std::vector<std::string> heading;                // UTF-8, each becomes a comment line
    std::vector<std::pair<int32_t, int32_t>> sizes;  // (rounds, tables), ordered by tables then rounds
};

std::vector<SchemeFamily> SchemeFamilies();

// The file: the heading and a line naming the sizes proved impossible (or left open), then one
// scheme line per found size. Code page 1250, CR LF line ends.
std::string SchemeFileBytes(const SchemeFamily& family, const std::vector<SettledSize>& settled);

}  // namespace schemelibrary
