#pragma once
// A small Galois field GF(2^Bits) as polynomials over GF(2) modulo a
// primitive polynomial, with tables of powers and logarithms of x built at
// compile time. The share code's checks compute in it.

#include <array>
#include <cstdint>

namespace tavrin {

template <unsigned Bits, unsigned Polynomial> struct TGaloisField {
    static constexpr unsigned Size = 1u << Bits;
    static constexpr unsigned Order = Size - 1; // of the non-zero elements

    std::array<std::uint16_t, Order> Power{};
    std::array<std::uint16_t, Size> Log{};
    bool Primitive = true; // x runs through every non-zero element

    constexpr TGaloisField() {
        unsigned value = 1;
        for (unsigned i = 0; i < Order; ++i) {
            Primitive = Primitive && (i == 0 || value != 1);
            Power[i] = static_cast<std::uint16_t>(value);
            Log[value] = static_cast<std::uint16_t>(i);
            value <<= 1;
            if (value & Size)
                value ^= Polynomial;
        }
    }

    constexpr std::uint16_t Multiply(std::uint16_t a, std::uint16_t b) const {
        if (a == 0 || b == 0)
            return 0;
        return Power[(Log[a] + Log[b]) % Order];
    }

    constexpr std::uint16_t Divide(std::uint16_t a, std::uint16_t b) const {
        if (a == 0)
            return 0;
        return Power[(Log[a] + Order - Log[b]) % Order];
    }

    // x^i, the weight of the symbol i places from the end.
    constexpr std::uint16_t Weight(std::size_t i) const { return Power[i % Order]; }
};

} // namespace tavrin
