#pragma once

// Movements and files for the tests, built the way the director would get them.

#include "movement/MovementState.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <unistd.h>

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

// A folder of its own for each test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "rozstawiki-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
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
