// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The example movements the tests share, and files for them, built the way the director would get them.

#include "movement/MovementState.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace movement::testing {

// A current movement with the given round 1, tables numbered from 1.
inline MovementState MovementOf(int32_t rounds, std::initializer_list<TableSeat> tables) {
    MovementState state;
    state.RoundCount = rounds;
    state.TableCount = static_cast<int32_t>(tables.size());
    int32_t t = 1;
    for (const TableSeat& seat : tables) state.Seating[t++] = seat;
    return state;
}

// The same movement with a numbering chosen.
inline MovementState Numbered(MovementState state, int32_t step) {
    state.NumberingStep = step;
    for (int32_t n = 0; n < PairMapSize; ++n) state.PairNumberMap[n] = n;
    return state;
}

// The same movement numbered and ready to print, all its tables in the print range.
inline MovementState ReadyToPrint(MovementState state, int32_t step) {
    state = Numbered(std::move(state), step);
    state.PrintFrom = 1;
    state.PrintTo = state.TableCount;
    return state;
}

// Seven rounds on four tables: pairs 1..7 rotate and pair 8 stays NS at table 1. Pairs 2 and 6
// meet twice, so it is no Howell, but every rule of the cards shows on it.
inline MovementState SevenRoundsOnFourTables() { return MovementOf(7, {{8, 1, 1}, {2, 6, 2}, {3, 5, 4}, {4, 7, 6}}); }

// Three rounds on four tables: pairs 1..3 and 4..6 rotate side by side, pairs 7 and 8 stay at
// table 4, which shares board set 1 with table 1.
inline MovementState ThreeRoundsOnFourTables() { return MovementOf(3, {{1, 4, 1}, {2, 5, 2}, {3, 6, 3}, {7, 8, 1}}); }

// The complete Howell on five tables as HowellKS.txt has it: every two pairs meet once, every
// pair plays every set once, and pair 10 stays NS at table 3.
inline MovementState CompleteHowellOnFiveTables() {
    return MovementOf(9, {{1, 2, 1}, {8, 5, 3}, {10, 9, 5}, {6, 4, 7}, {7, 3, 9}});
}

// Three rounds on two tables as typed into the grid (NS, WE, board set): pairs 1..3 rotate
// round pair 4, and both tables share set 1.
inline const std::vector<std::array<std::string, 3>> ThreeRoundsOnTwoTablesTyped = {{"4", "1", "1"}, {"2", "3", "1"}};

// A folder of its own for each test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
#ifdef _WIN32
        std::random_device random;
        do {
            path_ = std::filesystem::temp_directory_path() / ("rozstawiki-test-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
#else
        std::string pattern = (std::filesystem::temp_directory_path() / "rozstawiki-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
#endif
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Write(const std::string& name, const std::string& bytes) const {
        const auto file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    std::string PathOf(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

}  // namespace movement::testing
