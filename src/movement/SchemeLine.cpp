// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchemeLine.h"

#include "SchemeNumbers.h"

#include <limits>
#include <optional>
#include <utility>

namespace movement {

namespace {

// Walks a scheme line number by number, each number ending at the next single space.
class SchemeLineCursor {
public:
    explicit SchemeLineCursor(std::string_view line) : rest_(line) {}

    // A number that has more of the line after it. nullopt when no space is left: the line has
    // ended, since a complete line always goes on to a WE pair.
    std::optional<std::string_view> TakeFollowedNumber() {
        const auto space = rest_.find(' ');
        if (space == std::string_view::npos) return std::nullopt;
        const auto number = rest_.substr(0, space);
        rest_.remove_prefix(space + 1);
        return number;
    }

    // A WE pair: up to the next space, or the whole rest of the line.
    std::string_view TakeLastNumber() {
        const auto space = rest_.find(' ');
        const auto number = rest_.substr(0, space);
        rest_.remove_prefix(space == std::string_view::npos ? rest_.size() : space + 1);
        return number;
    }

private:
    std::string_view rest_;
};

bool WithinRange(std::optional<int32_t> value, int32_t low, int32_t high) {
    return value && *value >= low && *value <= high;
}

Result<SchemeMovement> Refuse(Text reason) { return Result<SchemeMovement>::Refused(std::move(reason)); }

Text EndedBeforeTable(int32_t table) {
    return Text{RZ_TEXT("refusals", "Niepoprawny schemat: linia kończy się przed parami stołu %1."),
                {std::to_string(table)}};
}

Text PairTooLarge(int32_t table) {
    return Text{RZ_TEXT("refusals", "Niepoprawny schemat: numer pary przy stole %1 przekracza %2."),
                {std::to_string(table), std::to_string(MaxPairNumber)}};
}

}  // namespace

Result<SchemeMovement> ReadSchemeLine(std::string_view line) {
    SchemeLineCursor cursor(line);

    const auto roundsText = cursor.TakeFollowedNumber();
    if (!roundsText) return Refuse(EndedBeforeTable(1));
    const auto rounds = SchemeNumberValue(*roundsText);
    if (!WithinRange(rounds, 1, MaxSchemeRounds))
        return Refuse(Text{RZ_TEXT("refusals", "Niepoprawny schemat: liczba rund musi wynosić od 1 do %1."),
                           {std::to_string(MaxSchemeRounds)}});

    const auto tablesText = cursor.TakeFollowedNumber();
    if (!tablesText) return Refuse(EndedBeforeTable(1));
    const auto tables = SchemeNumberValue(*tablesText);
    if (!WithinRange(tables, 1, MaxTables))
        return Refuse(Text{RZ_TEXT("refusals", "Niepoprawny schemat: liczba stołów musi wynosić od 1 do %1."),
                           {std::to_string(MaxTables)}});

    SchemeMovement movement;
    movement.RoundCount = *rounds;
    movement.TableCount = *tables;
    movement.Tables.reserve(*tables);

    int32_t slot = 0;
    while (static_cast<int32_t>(movement.Tables.size()) < movement.TableCount) {
        const int32_t table = static_cast<int32_t>(movement.Tables.size()) + 1;
        const auto slotText = cursor.TakeFollowedNumber();
        if (!slotText || slot == std::numeric_limits<int32_t>::max()) return Refuse(EndedBeforeTable(table));
        ++slot;
        const auto ns = SchemeNumberValue(*slotText);
        if (!WithinRange(ns, 0, MaxPairNumber)) return Refuse(PairTooLarge(table));
        if (*ns == 0) continue;  // a board set no table plays in round 1

        const auto we = SchemeNumberValue(cursor.TakeLastNumber());
        if (!WithinRange(we, 0, MaxPairNumber)) return Refuse(PairTooLarge(table));
        movement.Tables.push_back(TableSeat{*ns, *we, slot});
    }

    // More tables than board sets: the last table shares set 1.
    if (movement.TableCount > movement.RoundCount) movement.Tables.back().BoardSet = 1;

    return Result<SchemeMovement>::Accepted(std::move(movement));
}

}  // namespace movement
