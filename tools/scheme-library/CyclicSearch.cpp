// SPDX-License-Identifier: GPL-3.0-or-later
#include "CyclicSearch.h"

#include "Residues.h"

#include <bit>
#include <climits>

namespace schemelibrary {

namespace {

enum class ElementKind { Pair, Offset, Set };

// Something every solution must settle: a pair or an offset of a rotation, or a set with room.
struct Element {
    ElementKind kind = ElementKind::Pair;
    int rotation = 0;
    int32_t value = 0;
};

// Everything a placed table uses up; copied per level, so undoing is dropping the copy.
struct SearchState {
    std::array<uint32_t, 2> freePairs{};
    std::array<uint32_t, 2> freeOffsets{};
    std::array<uint32_t, 2> sameDifferences{};  // differences p - p' still free inside a rotation
    uint32_t crossDifferences = 0;              // q - p still free between the rotations
    std::array<int, 2> stationaryLeft{};        // [0] to sit NS, [1] to sit WE (without a pattern: [0])
    std::array<int8_t, MaxSearchRounds> setRoom{};
    uint32_t openSets = 0;
};

class Search {
public:
    Search(const MovementShape& shape, const DirectionPattern* pattern, int64_t nodeLimit)
        : shape_(shape), pattern_(pattern), z_(shape.rounds), nodeLimit_(nodeLimit) {
        // Translating every pair and set alike keeps a pattern, and without a pattern sets and each
        // rotation's pairs translate apart (the shared set is met by exchanging the rotations),
        // so some solution always seats the first pair of the first rotation on set 0.
        pinFirstPair_ = pattern_ == nullptr || !shape_.sharedSet;
    }

    SearchResult Run() {
        SearchState state;
        const uint32_t all = z_.all();
        for (int c = 0; c < shape_.rotations; ++c) {
            state.freePairs[c] = all;
            state.freeOffsets[c] = all;
            uint32_t differences = all & ~Residues::Bit(0);
            if (shape_.rounds % 2 == 0) differences &= ~Residues::Bit(shape_.rounds / 2);
            state.sameDifferences[c] = differences;
        }
        state.crossDifferences = shape_.rotations == 2 ? all : 0;
        if (pattern_ != nullptr) {
            state.stationaryLeft = {pattern_->stationaryNorth, shape_.stationary - pattern_->stationaryNorth};
        } else {
            state.stationaryLeft = {shape_.stationary, 0};
        }
        for (int32_t b = 0; b < shape_.rounds; ++b) state.setRoom[b] = 1;
        if (shape_.sharedSet) state.setRoom[0] = 2;
        state.openSets = all;

        SearchResult result;
        const bool found = Descend(state);
        result.nodes = nodes_;
        if (found) {
            result.status = SearchStatus::Found;
            result.tables = placed_;
        } else {
            result.status = limitHit_ ? SearchStatus::GaveUp : SearchStatus::None;
        }
        return result;
    }

private:
    bool SeatAllowed(int rotation, int32_t pair, int32_t set) const {
        return !(pinFirstPair_ && rotation == 0 && pair == 0 && set != 0);
    }
    uint32_t PinMask(int rotation, int32_t set) const {
        return pinFirstPair_ && rotation == 0 && set != 0 ? ~uint32_t{1} : ~uint32_t{0};
    }
    bool FacesNorth(int rotation, int32_t offset) const {
        return pattern_ != nullptr && Residues::Has(pattern_->north[rotation], offset);
    }
    // Offsets a partner may take: without a pattern any free one, with a pattern the free ones
    // that face the other way.
    uint32_t PartnerOffsets(const SearchState& s, int rotation, bool seatNorth) const {
        if (pattern_ == nullptr) return s.freeOffsets[rotation];
        const uint32_t north = pattern_->north[rotation];
        return s.freeOffsets[rotation] & (seatNorth ? ~north : north);
    }
    int StationarySlot(bool seatNorth) const {
        if (pattern_ == nullptr) return 0;
        return seatNorth ? 1 : 0;  // the stationary partner sits opposite
    }

    // Partners for pair p of a rotation placed on set b (its pair, offset and set free).
    uint32_t SamePartners(const SearchState& s, int c, int32_t p, int32_t b) const {
        const int32_t offset = z_.Reduce(b - p);
        const bool north = FacesNorth(c, offset);
        const uint32_t offsets = PartnerOffsets(s, c, north) & ~Residues::Bit(offset);
        return s.freePairs[c] & z_.SubtractFrom(b, offsets) & z_.Shift(s.sameDifferences[c], p) & PinMask(c, b);
    }
    uint32_t CrossPartners(const SearchState& s, int c, int32_t p, int32_t b) const {
        if (shape_.rotations < 2) return 0;
        const int other = 1 - c;
        const bool north = FacesNorth(c, z_.Reduce(b - p));
        const uint32_t meetings = c == 0 ? z_.Shift(s.crossDifferences, p) : z_.SubtractFrom(p, s.crossDifferences);
        return s.freePairs[other] & z_.SubtractFrom(b, PartnerOffsets(s, other, north)) & meetings & PinMask(other, b);
    }
    bool StationaryPartner(const SearchState& s, int c, int32_t p, int32_t b) const {
        return s.stationaryLeft[StationarySlot(FacesNorth(c, z_.Reduce(b - p)))] > 0;
    }

    int CountAt(const SearchState& s, int c, int32_t p, int32_t b) const {
        return std::popcount(SamePartners(s, c, p, b)) + std::popcount(CrossPartners(s, c, p, b)) +
               (StationaryPartner(s, c, p, b) ? 1 : 0);
    }

    // Sets on which pair p of rotation c may still sit.
    uint32_t SetsForPair(const SearchState& s, int c, int32_t p) const {
        uint32_t sets = s.openSets & z_.Shift(s.freeOffsets[c], p);
        if (pinFirstPair_ && c == 0 && p == 0) sets &= Residues::Bit(0);
        return sets;
    }

    int CountFor(const SearchState& s, const Element& e) const {
        int count = 0;
        switch (e.kind) {
            case ElementKind::Pair:
                for (uint32_t sets = SetsForPair(s, e.rotation, e.value); sets != 0; sets &= sets - 1)
                    count += CountAt(s, e.rotation, e.value, std::countr_zero(sets));
                break;
            case ElementKind::Offset:
                for (uint32_t sets = s.openSets & z_.Shift(s.freePairs[e.rotation], e.value); sets != 0;
                     sets &= sets - 1) {
                    const int32_t b = std::countr_zero(sets);
                    const int32_t p = z_.Reduce(b - e.value);
                    if (SeatAllowed(e.rotation, p, b)) count += CountAt(s, e.rotation, p, b);
                }
                break;
            case ElementKind::Set:
                for (int c = 0; c < shape_.rotations; ++c)
                    for (uint32_t pairs = s.freePairs[c] & z_.SubtractFrom(e.value, s.freeOffsets[c]); pairs != 0;
                         pairs &= pairs - 1) {
                        const int32_t p = std::countr_zero(pairs);
                        if (SeatAllowed(c, p, e.value)) count += CountAt(s, c, p, e.value);
                    }
                break;
        }
        return count;
    }

    CyclicTable MakeTable(int32_t b, int c, int32_t p, const CyclicSeat& partner) const {
        CyclicTable table;
        table.set = b;
        const CyclicSeat seat{c == 0 ? SeatKind::FirstRotation : SeatKind::SecondRotation, p};
        // Without a pattern the seat is NS; with one, whichever the pattern marks.
        const bool seatNorth = pattern_ == nullptr || FacesNorth(c, z_.Reduce(b - p));
        table.northSouth = seatNorth ? seat : partner;
        table.westEast = seatNorth ? partner : seat;
        return table;
    }

    // Tables for pair p of rotation c on set b. A set enumerates each table once: a partner of
    // the same rotation only when it is larger, one of the other rotation only from the first.
    void TablesAt(const SearchState& s, int c, int32_t p, int32_t b, bool onceFromSet,
                  std::vector<CyclicTable>& out) const {
        uint32_t same = SamePartners(s, c, p, b);
        if (onceFromSet) same &= ~((Residues::Bit(p) << 1) - 1);
        const SeatKind kind = c == 0 ? SeatKind::FirstRotation : SeatKind::SecondRotation;
        for (; same != 0; same &= same - 1) out.push_back(MakeTable(b, c, p, CyclicSeat{kind, std::countr_zero(same)}));
        if (!onceFromSet || c == 0) {
            const SeatKind otherKind = c == 0 ? SeatKind::SecondRotation : SeatKind::FirstRotation;
            for (uint32_t cross = CrossPartners(s, c, p, b); cross != 0; cross &= cross - 1)
                out.push_back(MakeTable(b, c, p, CyclicSeat{otherKind, std::countr_zero(cross)}));
        }
        if (StationaryPartner(s, c, p, b)) out.push_back(MakeTable(b, c, p, CyclicSeat{}));
    }

    std::vector<CyclicTable> TablesFor(const SearchState& s, const Element& e) const {
        std::vector<CyclicTable> tables;
        switch (e.kind) {
            case ElementKind::Pair:
                for (uint32_t sets = SetsForPair(s, e.rotation, e.value); sets != 0; sets &= sets - 1)
                    TablesAt(s, e.rotation, e.value, std::countr_zero(sets), false, tables);
                break;
            case ElementKind::Offset:
                for (uint32_t sets = s.openSets & z_.Shift(s.freePairs[e.rotation], e.value); sets != 0;
                     sets &= sets - 1) {
                    const int32_t b = std::countr_zero(sets);
                    const int32_t p = z_.Reduce(b - e.value);
                    if (SeatAllowed(e.rotation, p, b)) TablesAt(s, e.rotation, p, b, false, tables);
                }
                break;
            case ElementKind::Set:
                for (int c = 0; c < shape_.rotations; ++c)
                    for (uint32_t pairs = s.freePairs[c] & z_.SubtractFrom(e.value, s.freeOffsets[c]); pairs != 0;
                         pairs &= pairs - 1) {
                        const int32_t p = std::countr_zero(pairs);
                        if (SeatAllowed(c, p, e.value)) TablesAt(s, c, p, e.value, true, tables);
                    }
                break;
        }
        return tables;
    }

    void Place(SearchState& s, CyclicTable& table) const {
        const int32_t b = table.set;
        if (shape_.sharedSet && b == 0 && s.setRoom[0] == 1) table.sharesSet = true;
        if (--s.setRoom[b] == 0) s.openSets &= ~Residues::Bit(b);

        const CyclicSeat* seats[2] = {&table.northSouth, &table.westEast};
        for (int i = 0; i < 2; ++i) {
            const CyclicSeat& seat = *seats[i];
            if (seat.kind == SeatKind::Stationary) {
                --s.stationaryLeft[pattern_ == nullptr ? 0 : i];
                continue;
            }
            const int c = seat.kind == SeatKind::FirstRotation ? 0 : 1;
            s.freePairs[c] &= ~Residues::Bit(seat.pair);
            s.freeOffsets[c] &= ~Residues::Bit(z_.Reduce(b - seat.pair));
        }
        const CyclicSeat& ns = table.northSouth;
        const CyclicSeat& we = table.westEast;
        if (ns.kind == SeatKind::Stationary || we.kind == SeatKind::Stationary) return;
        if (ns.kind == we.kind) {
            const int c = ns.kind == SeatKind::FirstRotation ? 0 : 1;
            const int32_t d = z_.Reduce(ns.pair - we.pair);
            s.sameDifferences[c] &= ~(Residues::Bit(d) | Residues::Bit(z_.Reduce(-d)));
        } else {
            const int32_t first = ns.kind == SeatKind::FirstRotation ? ns.pair : we.pair;
            const int32_t second = ns.kind == SeatKind::FirstRotation ? we.pair : ns.pair;
            s.crossDifferences &= ~Residues::Bit(z_.Reduce(second - first));
        }
    }

    // Counting bounds no single element shows.
    bool Hopeless(const SearchState& s) const {
        int freeSeats = 0;
        for (int c = 0; c < shape_.rotations; ++c) freeSeats += std::popcount(s.freePairs[c]);
        const int stationary = s.stationaryLeft[0] + s.stationaryLeft[1];
        if (stationary > freeSeats) return true;
        if (pattern_ != nullptr) {
            int facingSouth = 0;
            for (int c = 0; c < shape_.rotations; ++c)
                facingSouth += std::popcount(s.freeOffsets[c] & ~pattern_->north[c]);
            if (s.stationaryLeft[0] > facingSouth || s.stationaryLeft[1] > freeSeats - facingSouth) return true;
        }
        if (shape_.rotations == 1) {
            // Each table of two rotating pairs needs a difference of its own.
            const int rotatingTables = (freeSeats - stationary) / 2;
            if (rotatingTables > std::popcount(s.sameDifferences[0]) / 2) return true;
        }
        return false;
    }

    bool Descend(const SearchState& s) {
        if (++nodes_ > nodeLimit_) {
            limitHit_ = true;
            return false;
        }
        if (Hopeless(s)) return false;

        Element best;
        int bestCount = INT_MAX;
        bool anyLeft = false;
        auto consider = [&](const Element& e) {
            anyLeft = true;
            const int count = CountFor(s, e);
            if (count < bestCount) {
                bestCount = count;
                best = e;
            }
            return count > 0;
        };
        for (int c = 0; c < shape_.rotations; ++c) {
            for (uint32_t pairs = s.freePairs[c]; pairs != 0; pairs &= pairs - 1)
                if (!consider({ElementKind::Pair, c, std::countr_zero(pairs)})) return false;
            for (uint32_t offsets = s.freeOffsets[c]; offsets != 0; offsets &= offsets - 1)
                if (!consider({ElementKind::Offset, c, std::countr_zero(offsets)})) return false;
        }
        if (!anyLeft) return s.stationaryLeft[0] + s.stationaryLeft[1] == 0;
        if (shape_.rotations == 2) {
            // Every set is played when T >= R.
            for (uint32_t sets = s.openSets; sets != 0; sets &= sets - 1)
                if (!consider({ElementKind::Set, 0, std::countr_zero(sets)})) return false;
        }

        for (CyclicTable& table : TablesFor(s, best)) {
            SearchState next = s;
            Place(next, table);
            placed_.push_back(table);
            if (Descend(next)) return true;
            placed_.pop_back();
            if (limitHit_) return false;
        }
        return false;
    }

    MovementShape shape_;
    const DirectionPattern* pattern_;
    Residues z_;
    int64_t nodeLimit_;
    int64_t nodes_ = 0;
    bool limitHit_ = false;
    bool pinFirstPair_ = false;
    std::vector<CyclicTable> placed_;
};

}  // namespace

SearchResult FindCyclicMovement(const MovementShape& shape, const DirectionPattern* pattern, int64_t nodeLimit) {
    return Search(shape, pattern, nodeLimit).Run();
}

}  // namespace schemelibrary
