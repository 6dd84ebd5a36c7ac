// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <bit>
#include <cstdint>

namespace schemelibrary {

// Sets of residues modulo R (R <= 31) as bit masks: bit i stands for residue i.
class Residues {
public:
    explicit Residues(int32_t modulus)
        : modulus_(modulus), all_(modulus >= 32 ? ~uint32_t{0} : (uint32_t{1} << modulus) - 1) {}

    int32_t modulus() const { return modulus_; }
    uint32_t all() const { return all_; }

    int32_t Reduce(int64_t x) const {
        const int64_t r = x % modulus_;
        return static_cast<int32_t>(r < 0 ? r + modulus_ : r);
    }

    // { i + k }
    uint32_t Shift(uint32_t mask, int32_t k) const {
        k = Reduce(k);
        if (k == 0) return mask;
        return ((mask << k) | (mask >> (modulus_ - k))) & all_;
    }

    // { -i }
    uint32_t Negate(uint32_t mask) const {
        // Reversing the R bits maps i to R - 1 - i; one step more gives -i.
        uint32_t reversed = mask;
        reversed = ((reversed >> 1) & 0x55555555u) | ((reversed & 0x55555555u) << 1);
        reversed = ((reversed >> 2) & 0x33333333u) | ((reversed & 0x33333333u) << 2);
        reversed = ((reversed >> 4) & 0x0F0F0F0Fu) | ((reversed & 0x0F0F0F0Fu) << 4);
        reversed = ((reversed >> 8) & 0x00FF00FFu) | ((reversed & 0x00FF00FFu) << 8);
        reversed = (reversed >> 16) | (reversed << 16);
        return Shift(reversed >> (32 - modulus_), 1);
    }

    // { k - i }
    uint32_t SubtractFrom(int32_t k, uint32_t mask) const { return Shift(Negate(mask), k); }

    // { u * i }
    uint32_t Multiply(uint32_t mask, int32_t u) const {
        uint32_t result = 0;
        for (uint32_t rest = mask; rest != 0; rest &= rest - 1)
            result |= uint32_t{1} << Reduce(int64_t{std::countr_zero(rest)} * u);
        return result;
    }

    static bool Has(uint32_t mask, int32_t i) { return (mask >> i) & 1u; }
    static uint32_t Bit(int32_t i) { return uint32_t{1} << i; }

private:
    int32_t modulus_;
    uint32_t all_;
};

}  // namespace schemelibrary
