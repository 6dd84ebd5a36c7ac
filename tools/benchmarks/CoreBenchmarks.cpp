// SPDX-License-Identifier: GPL-3.0-or-later
// core-benchmarks: the core's heaviest operations on the largest inputs the program takes.

#include "movement/SchemeFile.h"
#include "movement/SchemeLine.h"
#include "movement/SchemeSelection.h"
#include "movement/StepChoices.h"
#include "movement/TypedScheme.h"
#include "printing/surfaces/RecordingSurface.h"
#include "support/PrintRuns.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

using namespace movement;

std::string Pairs(int first, int last) {
    std::string text;
    for (int pair = first; pair <= last; ++pair) text += " " + std::to_string(pair);
    return text;
}

// The longest line the program takes: 99 rounds and 48 tables, an empty slot after each table.
std::string LongestLine() {
    std::string line = "99 48";
    for (int table = 1; table <= 48; ++table) line += Pairs(2 * table - 1, 2 * table) + " 0";
    return line;
}

// A file of 101 lines, as many as the list holds, each of 48 tables.
void ReadAndListSchemeFile(benchmark::State& run) {
    const auto file = std::filesystem::temp_directory_path() / "rozstawiki-benchmark-101.txt";
    {
        std::ofstream out(file, std::ios::binary);
        out << "* 101 linii\r\n";
        for (int line = 0; line < 101; ++line) out << LongestLine() << "\r\n";
    }
    MovementState state;
    for (auto _ : run) {
        state.CatalogueLoaded = false;
        const auto load = LoadSchemeFile(state, file.string(), "Wg K. Kestrela");
        if (!load.accepted() || load.value().listLines.size() != 101)
            throw std::runtime_error("not every line was listed");
        benchmark::DoNotOptimize(load.value().listLines.data());
    }
    std::filesystem::remove(file);
}
BENCHMARK(ReadAndListSchemeFile)->Unit(benchmark::kMicrosecond);

void SelectSchemeOnTheLongestLine(benchmark::State& run) {
    MovementState state;
    state.SchemeCatalogue[0] = LongestLine();
    state.CatalogueLineCount = 1;
    for (auto _ : run) {
        const Outcome selected = SelectScheme(state, 0, 0);
        benchmark::DoNotOptimize(state.Seating.data());
        if (!selected.accepted()) throw std::runtime_error(selected.message());
    }
}
BENCHMARK(SelectSchemeOnTheLongestLine)->Unit(benchmark::kMicrosecond);

// The shipped movement of 24 tables and 23 rounds, typed into the grid.
void ValidateSchemeAt24TablesAnd23Rounds(benchmark::State& run) {
    const auto file = ReadSchemeFile(std::string(SCHEME_DATA_DIR) + "/Duzo_Zb.txt");
    if (!file.accepted()) throw std::runtime_error(file.message());
    std::vector<TypedRow> rows;
    for (const std::string& line : file.value().lines) {
        const auto reading = ReadSchemeLine(line);
        if (!reading.accepted() || reading.value().TableCount != 24 || reading.value().RoundCount != 23) continue;
        for (const TableSeat& seat : reading.value().Tables)
            rows.push_back({std::to_string(seat.NsPair), std::to_string(seat.WePair), std::to_string(seat.BoardSet)});
    }
    if (rows.size() != 24) throw std::runtime_error("no movement of 24 tables and 23 rounds in Duzo_Zb.txt");
    MovementState state;
    for (auto _ : run) {
        const Outcome checked = ValidateScheme(state, 24, 23, rows);
        benchmark::DoNotOptimize(state.RoundCount);
        if (!checked.accepted()) throw std::runtime_error(checked.message());
    }
}
BENCHMARK(ValidateSchemeAt24TablesAnd23Rounds)->Unit(benchmark::kMicrosecond);

// Every card of a 48-table, 23-round movement, laid out on the recording surface.
void LayOutAllCardsOf48Tables(benchmark::State& run) {
    MovementState state;
    state.SchemeCatalogue[0] = "23 48" + Pairs(1, 96);
    state.CatalogueLineCount = 1;
    if (const Outcome selected = SelectScheme(state, 0, NoItemSelected); !selected.accepted())
        throw std::runtime_error(selected.message());
    state.NumberingStep = 30;
    for (int32_t n = 0; n < PairMapSize; ++n) state.PairNumberMap[n] = n;
    for (auto _ : run) {
        printing::RecordingSurface surface;
        const Outcome printed = printing::PrintTableCards(state, {4960, 7016}, 1, 48, false, surface);
        benchmark::DoNotOptimize(surface.texts.data());
        if (!printed.accepted()) throw std::runtime_error(printed.message());
    }
}
BENCHMARK(LayOutAllCardsOf48Tables)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
