// SPDX-License-Identifier: GPL-3.0-or-later
// Searches the movements of the three scheme files and writes the files.
//
//   scheme-library FOLDER     settles every size and writes the three files into FOLDER
//   scheme-library R T        settles one size and prints it

#include "SchemeLibrary.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

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
    std::cout << "\n    " << size.searchNodes << " tables placed, " << seconds << " s" << std::endl;
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
        std::cout << "wrote " << path.string() << " in " << SecondsSince(fileStart) << " s\n" << std::endl;
    }
    std::cout << "all three files in " << SecondsSince(start) << " s" << std::endl;
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2) return WriteAll(argv[1]);
    if (argc == 3) {
        const auto start = Clock::now();
        const SettledSize settled = schemelibrary::SettleSize(std::atoi(argv[1]), std::atoi(argv[2]));
        Report("", settled, SecondsSince(start));
        return EXIT_SUCCESS;
    }
    std::cerr << "usage: scheme-library FOLDER | scheme-library ROUNDS TABLES\n";
    return EXIT_FAILURE;
}
