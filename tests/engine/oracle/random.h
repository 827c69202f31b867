#pragma once
// The program's one random generator: a 32-bit linear congruential generator.
// Each draw steps seed := seed * 134775813 + 1 (mod 2^32); a draw below n is
// the upper 32 bits of the 64-bit product seed * n. Maps are reproduced seed
// for seed by other implementations, so the formula must never change.

#include <cstdint>

namespace tavrin::oracle {

struct TRandom {
    std::uint32_t Seed = 0;

    // A number from 0 to n - 1.
    constexpr std::uint32_t Draw(std::uint32_t n) {
        Seed = Seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(Seed) * n) >> 32);
    }
};

} // namespace tavrin::oracle
