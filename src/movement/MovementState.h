// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace movement {

// Capacities of the movement state. Every number read from a file or a cell is bounded
// against these before it becomes an index.
constexpr int MaxTables = 48;
constexpr int CatalogueCapacity = 101;
constexpr int PairMapSize = 100;  // PairNumberMap entries 0..99
constexpr int StepChoiceCount = 3;

// One table in round 1.
struct TableSeat {
    int32_t NsPair = 0;
    int32_t WePair = 0;
    int32_t BoardSet = 0;

    friend bool operator==(const TableSeat&, const TableSeat&) = default;
};

// The whole movement: the single instance is owned by the program's start-up code and handed to
// every window by reference. Everything starts at zero or empty; nothing is ever saved.
struct MovementState {
    int32_t RoundCount = 0;  // 0 means no valid movement
    int32_t TableCount = 0;

    // Indexed by table number 1..MaxTables; index 0 is never used. Entries above TableCount
    // keep whatever an earlier movement left there and are never read.
    std::array<TableSeat, MaxTables + 1> Seating{};

    int32_t NumberingStep = 0;  // 0 not chosen, -1 Mitchell, > 0 the numbering step
    std::array<int32_t, StepChoiceCount> StepChoices{};

    std::array<std::string, CatalogueCapacity> SchemeCatalogue{};
    int32_t CatalogueLineCount = 0;  // entries of the file loaded last; later ones are an older file's
    bool CatalogueLoaded = false;

    std::array<int32_t, PairMapSize> PairNumberMap{};  // entry n: number printed for pair n

    int32_t PrintFrom = 0;
    int32_t PrintTo = 0;

    std::string SchemeSource;  // UTF-8 caption of the scheme file whose button was clicked last

    // The caption printed on the cards: the SchemeSource of the file the current movement was
    // chosen from, whatever was clicked since; empty for a typed movement.
    std::string PrintedSource;

    // The program's data folders, where a scheme file the working folder does not hold is looked
    // for (LocateSchemeFile); set at start from the program's place (DataFolders).
    std::vector<std::string> DataFolders;

    friend bool operator==(const MovementState&, const MovementState&) = default;
};

// The NumberingStep value that selects Mitchell numbering.
constexpr int32_t MitchellNumbering = -1;

}  // namespace movement
