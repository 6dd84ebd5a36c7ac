// SPDX-License-Identifier: GPL-3.0-or-later
#include "PatternShortlist.h"

#include "Residues.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <map>
#include <numeric>
#include <tuple>

namespace schemelibrary {

namespace {

constexpr std::size_t KeptKeys = 3;
constexpr std::size_t RawPatternsPerKey = 50000;
constexpr std::size_t ClassesPerKey = 40;

// Local search: climbs from this many starts, each ended after this many moves without gain.
constexpr int ClimbStarts = 400;
constexpr int ClimbPatience = 4000;

// The window sweep keeps two bytes per mask of R bits, and gives up after this many pairs.
constexpr int32_t MaxSweepRounds = 24;
constexpr int64_t SweepWorkLimit = 2'000'000'000;

// The best few keys met so far, with the patterns that reached them.
class BestPatterns {
public:
    void Offer(const BalanceKey& key, const DirectionPattern& pattern) {
        if (byKey_.size() == KeptKeys && key > byKey_.rbegin()->first) return;
        auto& patterns = byKey_[key];
        if (patterns.size() < RawPatternsPerKey) patterns.push_back(pattern);
        if (byKey_.size() > KeptKeys) byKey_.erase(std::prev(byKey_.end()));
    }
    const std::map<BalanceKey, std::vector<DirectionPattern>>& byKey() const { return byKey_; }

private:
    std::map<BalanceKey, std::vector<DirectionPattern>> byKey_;
};

// Every mask of `bits` bits below 2^width, in increasing order.
template <typename Visit>
void ForEachMask(int32_t width, int32_t bits, Visit&& visit) {
    if (bits < 0 || bits > width) return;
    const uint64_t end = uint64_t{1} << width;
    uint64_t mask = (uint64_t{1} << bits) - 1;
    while (mask < end) {
        visit(static_cast<uint32_t>(mask));
        if (mask == 0) return;
        const uint64_t low = mask | (mask - 1);
        mask = (low + 1) | (((~low & (low + 1)) - 1) >> (std::countr_zero(mask) + 1));
    }
}

uint32_t SmallestTurn(const Residues& z, uint32_t mask) {
    uint32_t smallest = mask;
    for (int32_t k = 1; k < z.modulus(); ++k) smallest = std::min(smallest, z.Shift(mask, k));
    return smallest;
}

auto Order(const DirectionPattern& p) { return std::tuple(p.north[0], p.north[1], p.stationaryNorth); }

// A deterministic stream of numbers for the local search.
class Stream {
public:
    explicit Stream(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint32_t Below(uint32_t n) {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<uint32_t>((state_ >> 33) % n);
    }

private:
    uint64_t state_;
};

void WeighEverySingle(const MovementShape& shape, BestPatterns& best) {
    for (int m = 0; m <= shape.stationary; ++m)
        ForEachMask(shape.rounds, shape.tables - m, [&](uint32_t north) {
            const DirectionPattern pattern{{north, 0}, m};
            best.Offer(KeyOfPattern(shape, pattern), pattern);
        });
}

void WeighEveryPair(const MovementShape& shape, BestPatterns& best) {
    const Residues z(shape.rounds);
    // Each rotation's offsets turn freely, so one turn of each mask is enough.
    std::vector<uint32_t> turns;
    for (uint32_t mask = 0; mask <= z.all(); ++mask)
        if (SmallestTurn(z, mask) == mask) turns.push_back(mask);
    for (const uint32_t first : turns)
        for (const uint32_t second : turns) {
            const int m = shape.tables - std::popcount(first) - std::popcount(second);
            if (m < 0 || m > shape.stationary) continue;
            const DirectionPattern pattern{{first, second}, m};
            best.Offer(KeyOfPattern(shape, pattern), pattern);
        }
}

// Hill climbing over the seats' directions, keeping T seats NS: a move turns one NS seat to WE
// and one WE seat to NS; moves that do not worsen the key are kept.
void ClimbPairs(const MovementShape& shape, BestPatterns& best) {
    const int32_t r = shape.rounds;
    const int items = 2 * r + shape.stationary;
    Stream stream(static_cast<uint64_t>(r) * 100 + static_cast<uint64_t>(shape.tables));
    std::vector<int> north(items);

    auto patternOf = [&] {
        DirectionPattern pattern;
        for (int i = 0; i < items; ++i) {
            if (!north[i]) continue;
            if (i < 2 * r)
                pattern.north[i / r] |= Residues::Bit(i % r);
            else
                ++pattern.stationaryNorth;
        }
        return pattern;
    };

    for (int start = 0; start < ClimbStarts; ++start) {
        std::fill(north.begin(), north.end(), 0);
        for (int placed = 0; placed < shape.tables;) {
            const int i = static_cast<int>(stream.Below(static_cast<uint32_t>(items)));
            if (!north[i]) {
                north[i] = 1;
                ++placed;
            }
        }
        BalanceKey current = KeyOfPattern(shape, patternOf());
        for (int idle = 0; idle < ClimbPatience; ++idle) {
            int i = 0;
            int j = 0;
            do {
                i = static_cast<int>(stream.Below(static_cast<uint32_t>(items)));
            } while (!north[i]);
            do {
                j = static_cast<int>(stream.Below(static_cast<uint32_t>(items)));
            } while (north[j]);
            north[i] = 0;
            north[j] = 1;
            const DirectionPattern pattern = patternOf();
            const BalanceKey key = KeyOfPattern(shape, pattern);
            if (key <= current) {
                if (key < current) idle = 0;
                current = key;
                best.Offer(key, pattern);
            } else {
                north[i] = 1;
                north[j] = 0;
            }
        }
    }
}

uint32_t SmallestImage(const Residues& z, uint32_t mask) {
    uint32_t smallest = SmallestTurn(z, mask);
    for (int32_t unit = 2; unit < z.modulus(); ++unit)
        if (std::gcd(unit, z.modulus()) == 1) smallest = std::min(smallest, SmallestTurn(z, z.Multiply(mask, unit)));
    return smallest;
}

// Decides spread by spread whether some pattern of a two-rotation shape fits a window of counts.
// A pattern fits [low, low + spread] only if each rotation's mask does on its own (its counts
// with itself, and with the stationary pairs), so the masks are filtered first and only the
// survivors are paired. Turning one rotation's mask only permutes the counts between the
// rotations, so both masks are taken up to turning, the first also up to units.
class WindowSweep {
public:
    explicit WindowSweep(const MovementShape& shape) : shape_(shape), z_(shape.rounds) {
        const uint32_t masks = z_.all() + 1;
        lowest_.resize(masks);
        highest_.resize(masks);
        for (uint32_t mask = 0; mask < masks; ++mask) {
            int32_t low = shape.rounds;
            int32_t high = 0;
            for (int32_t d = 1; 2 * d <= shape.rounds; ++d) {
                const int32_t same = shape.rounds - std::popcount(mask ^ z_.Shift(mask, d));
                low = std::min(low, same);
                high = std::max(high, same);
            }
            lowest_[mask] = static_cast<uint8_t>(low);
            highest_[mask] = static_cast<uint8_t>(high);
        }
    }

    // Offers every fitting pattern; true when there was one, nullopt past the work limit.
    std::optional<bool> Sweep(int32_t spread, int64_t workLimit, BestPatterns& best) const {
        const int32_t r = shape_.rounds;
        int64_t work = 0;
        bool any = false;
        // The counts' total is fixed (each set is played T times NS and T times WE), so a window
        // that holds them all holds their mean, R (T - 1) / (2T - 1).
        const int64_t meanNumerator = int64_t{r} * (shape_.tables - 1);
        const int64_t meanDenominator = 2 * int64_t{shape_.tables} - 1;
        for (int32_t low = 0; low + spread <= r; ++low) {
            if (int64_t{low} * meanDenominator > meanNumerator) break;
            if (int64_t{low + spread} * meanDenominator < meanNumerator) continue;
            const int32_t high = low + spread;
            auto inside = [&](int32_t count) { return count >= low && count <= high; };
            for (int m = 0; m <= shape_.stationary; ++m) {
                const int west = shape_.stationary - m;
                if (m * (m - 1) / 2 + west * (west - 1) / 2 > 0 && !inside(r)) continue;
                if (m * west > 0 && !inside(0)) continue;
                auto fits = [&](uint32_t mask) {
                    if (lowest_[mask] < low || highest_[mask] > high) return false;
                    const int32_t north = std::popcount(mask);
                    return (m == 0 || inside(north)) && (west == 0 || inside(r - north));
                };
                std::vector<std::vector<uint32_t>> byNorth(static_cast<std::size_t>(r) + 1);
                std::vector<uint32_t> firsts;
                for (uint32_t mask = 0; mask <= z_.all(); ++mask) {
                    if (!fits(mask) || SmallestTurn(z_, mask) != mask) continue;
                    byNorth[std::popcount(mask)].push_back(mask);
                    if (SmallestImage(z_, mask) == mask) firsts.push_back(mask);
                }
                for (const uint32_t first : firsts) {
                    const int32_t north = shape_.tables - m - std::popcount(first);
                    if (north < 0 || north > r) continue;
                    for (const uint32_t second : byNorth[north]) {
                        if (++work > workLimit) return std::nullopt;
                        bool fitting = true;
                        for (int32_t d = 0; d < r && fitting; ++d)
                            fitting = inside(r - std::popcount(first ^ z_.Shift(second, d)));
                        if (!fitting) continue;
                        const DirectionPattern pattern{{first, second}, m};
                        best.Offer(KeyOfPattern(shape_, pattern), pattern);
                        any = true;
                    }
                }
            }
        }
        return any;
    }

private:
    MovementShape shape_;
    Residues z_;
    std::vector<uint8_t> lowest_;  // per mask: the counts of its rotation's pairs among themselves
    std::vector<uint8_t> highest_;
};

}  // namespace

DirectionPattern CanonicalPattern(const MovementShape& shape, const DirectionPattern& pattern) {
    const Residues z(shape.rounds);
    const bool two = shape.rotations == 2;
    DirectionPattern smallest = pattern;
    bool first = true;
    for (int32_t unit = 1; unit <= std::max(1, shape.rounds - 1); ++unit) {
        if (std::gcd(unit, shape.rounds) != 1) continue;
        for (int flip = 0; flip < 2; ++flip)
            for (int swap = 0; swap < (two ? 2 : 1); ++swap) {
                uint32_t a = z.Multiply(pattern.north[0], unit);
                uint32_t b = two ? z.Multiply(pattern.north[1], unit) : 0;
                int m = pattern.stationaryNorth;
                if (flip) {
                    a = ~a & z.all();
                    if (two) b = ~b & z.all();
                    m = shape.stationary - m;
                }
                if (swap) std::swap(a, b);
                const DirectionPattern image{{SmallestTurn(z, a), SmallestTurn(z, b)}, m};
                if (first || Order(image) < Order(smallest)) smallest = image;
                first = false;
            }
    }
    return smallest;
}

std::optional<bool> SpreadPossible(const MovementShape& shape, int32_t spread, int64_t workLimit) {
    if (shape.rotations != 2 || shape.rounds < 2 || shape.rounds > MaxSweepRounds) return std::nullopt;
    BestPatterns ignored;
    return WindowSweep(shape).Sweep(spread, workLimit, ignored);
}

PatternShortlist ShortlistPatterns(const MovementShape& shape) {
    PatternShortlist shortlist;
    BestPatterns best;
    if (shape.rotations == 1) {
        WeighEverySingle(shape, best);
        shortlist.everyPatternWeighed = true;
    } else if (shape.rounds <= ExhaustivePairRounds) {
        WeighEveryPair(shape, best);
        shortlist.everyPatternWeighed = true;
    } else {
        ClimbPairs(shape, best);
    }
    shortlist.smallestPossibleSpread = best.byKey().empty() ? 0 : best.byKey().begin()->first.spread;
    if (!shortlist.everyPatternWeighed && !best.byKey().empty() && shape.rounds <= MaxSweepRounds) {
        // Windows up to the climb's spread are swept in full: the first that fits holds every
        // pattern of its spread, and so the best.
        const WindowSweep sweep(shape);
        const int32_t climbed = shortlist.smallestPossibleSpread;
        for (int32_t spread = SpreadLowerBound(shape); spread <= climbed; ++spread) {
            BestPatterns narrower;
            const std::optional<bool> fits = sweep.Sweep(spread, SweepWorkLimit, narrower);
            shortlist.smallestPossibleSpread = spread;
            if (!fits) break;
            if (*fits) {
                best = narrower;
                shortlist.everyPatternWeighed = true;
                break;
            }
            shortlist.smallestPossibleSpread = spread + 1;
        }
    }

    for (const auto& [key, patterns] : best.byKey()) {
        std::vector<DirectionPattern> classes;
        classes.reserve(patterns.size());
        for (const DirectionPattern& pattern : patterns) classes.push_back(CanonicalPattern(shape, pattern));
        std::sort(classes.begin(), classes.end(),
                  [](const DirectionPattern& a, const DirectionPattern& b) { return Order(a) < Order(b); });
        classes.erase(std::unique(classes.begin(), classes.end()), classes.end());
        if (classes.size() > ClassesPerKey) classes.resize(ClassesPerKey);
        for (const DirectionPattern& pattern : classes) shortlist.patterns.push_back({pattern, key});
    }
    return shortlist;
}

}  // namespace schemelibrary
