// SPDX-License-Identifier: GPL-3.0-or-later
// Searches the movements of the three scheme files and writes the files.
//
//   scheme-library FOLDER     settles every size and writes the three files into FOLDER
//   scheme-library R T        settles one size and prints it

#include "SchemeLibrary.h"

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace {

using schemelibrary::SettledSize;
using schemelibrary::SizeStatus;
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void Report(const std::string& file, const SettledSize& size, double seconds) {
    std::cout << file << "  R=" << size.rounds << " T=" << size.tables << "  ";
    switch (size.status) {
        case SizeStatus::Found: {
            const int32_t spread = size.balance.spread();
            std::cout << "spread " << spread;
            if (size.mostBalancedProved)
                std::cout << " (most balanced, proved)";
            else if (spread == size.smallestPossibleSpread)
                std::cout << " (smallest spread, proved)";
            else
                std::cout << " (smallest possible " << size.smallestPossibleSpread << " or more)";
            std::cout << ", counts " << schemelibrary::DescribeBalance(size.balance) << "\n    " << size.line;
            break;
        }
        case SizeStatus::Impossible:
            std::cout << "impossible: " << size.reason;
            break;
        case SizeStatus::Open:
            std::cout << "OPEN: " << size.reason;
            break;
    }
    std::cout << "\n    " << size.searchNodes << " tables placed, " << seconds << " s\n" << std::flush;
}

int WriteAll(const std::filesystem::path& folder) {
    const auto start = Clock::now();
    for (const schemelibrary::SchemeFamily& family : schemelibrary::SchemeFamilies()) {
        const auto fileStart = Clock::now();
        std::vector<SettledSize> settled;
        for (const auto& [rounds, tables] : family.sizes) {
            const auto sizeStart = Clock::now();
            settled.push_back(schemelibrary::SettleSize(rounds, tables));
            Report(family.fileName, settled.back(), SecondsSince(sizeStart));
        }
        const std::filesystem::path path = folder / family.fileName;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << schemelibrary::SchemeFileBytes(family, settled);
        if (!out.flush()) {
            std::cerr << "cannot write " << path << "\n";
            return EXIT_FAILURE;
        }
        std::cout << "wrote " << path.string() << " in " << SecondsSince(fileStart) << " s\n\n" << std::flush;
    }
    std::cout << "all three files in " << SecondsSince(start) << " s\n" << std::flush;
    return EXIT_SUCCESS;
}

// The whole number an argument spells, and nothing else.
std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2) return WriteAll(argv[1]);
    const auto rounds = argc == 3 ? Number(argv[1]) : std::nullopt;
    const auto tables = argc == 3 ? Number(argv[2]) : std::nullopt;
    if (rounds && tables) {
        const auto start = Clock::now();
        const SettledSize settled = schemelibrary::SettleSize(*rounds, *tables);
        Report("", settled, SecondsSince(start));
        return EXIT_SUCCESS;
    }
    std::cerr << "usage: scheme-library FOLDER | scheme-library ROUNDS TABLES\n";
    return EXIT_FAILURE;
}
