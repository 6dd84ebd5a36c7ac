// SPDX-License-Identifier: GPL-3.0-or-later
#include "CyclicMovement.h"

#include "movement/MovementState.h"

#include <algorithm>

namespace schemelibrary {

std::optional<MovementShape> ShapeOf(int32_t rounds, int32_t tables) {
    if (rounds < 1 || rounds > MaxSearchRounds || tables < 1 || tables > movement::MaxTables) return std::nullopt;
    if (tables > rounds + 1) return std::nullopt;
    MovementShape shape;
    shape.rounds = rounds;
    shape.tables = tables;
    shape.rotations = rounds > tables ? 1 : 2;
    shape.stationary = 2 * tables - shape.rotations * rounds;
    shape.sharedSet = tables == rounds + 1;
    if (shape.stationary < 0) return std::nullopt;
    return shape;
}

std::string SchemeLineOf(const MovementShape& shape, const std::vector<CyclicTable>& tables) {
    std::vector<CyclicTable> ordered = tables;
    std::stable_sort(ordered.begin(), ordered.end(), [](const CyclicTable& a, const CyclicTable& b) {
        if (a.sharesSet != b.sharesSet) return b.sharesSet;
        return a.set < b.set;
    });

    int32_t nextStationary = shape.rotations * shape.rounds + 1;
    auto number = [&](const CyclicSeat& seat) {
        switch (seat.kind) {
            case SeatKind::FirstRotation:
                return seat.pair + 1;
            case SeatKind::SecondRotation:
                return shape.rounds + seat.pair + 1;
            case SeatKind::Stationary:
                break;
        }
        return nextStationary++;
    };

    std::string line = std::to_string(shape.rounds);
    auto write = [&line](int32_t value) {
        line += ' ';
        line += std::to_string(value);
    };
    write(shape.tables);
    auto table = ordered.begin();
    for (int32_t set = 0; set < shape.rounds; ++set) {
        if (table != ordered.end() && !table->sharesSet && table->set == set) {
            write(number(table->northSouth));
            write(number(table->westEast));
            ++table;
        } else {
            write(0);
        }
    }
    for (; table != ordered.end(); ++table) {
        write(number(table->northSouth));
        write(number(table->westEast));
    }
    return line;
}

}  // namespace schemelibrary
