#pragma once
// Range-checked indexing and overflow-checked 32-bit arithmetic.
//
// Every table of the engine is indexed by a number with a fixed range (tile
// 1..20, clearing 0..6, road slot 1..5, edge 1..6, ...). CheckedArray keeps the
// declared bounds and raises ERangeError for any index outside them, so a bad
// number read from a file or computed from a bad map ends the command instead
// of touching memory. The arithmetic helpers raise EIntOverflow where a signed
// 32-bit result would wrap. Both are plain aggregates/functions: a
// CheckedArray is trivially copyable and holds no pointers.

#include "errors.h"

#include <cstddef>
#include <cstdint>

namespace tavrin::oracle {

template <typename T, int Lo, int Hi> struct CheckedArray {
    static_assert(Lo <= Hi, "empty index range");
    static constexpr int Low = Lo;
    static constexpr int High = Hi;
    static constexpr std::size_t Size = static_cast<std::size_t>(Hi - Lo + 1);

    T Items[Size];

    static constexpr std::size_t Slot(std::int64_t index) {
        if (index < Lo || index > Hi)
            throw ERangeError();
        return static_cast<std::size_t>(index - Lo);
    }
    constexpr T& operator[](std::int64_t index) { return Items[Slot(index)]; }
    constexpr const T& operator[](std::int64_t index) const { return Items[Slot(index)]; }
};

// A value that must lie in Lo..Hi before it is stored in a narrower field.
template <int Lo, int Hi> constexpr std::uint8_t InRange(std::int64_t value) {
    static_assert(0 <= Lo && Hi <= 255, "byte ranges only");
    if (value < Lo || value > Hi)
        throw ERangeError();
    return static_cast<std::uint8_t>(value);
}

constexpr std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t r = 0;
    if (__builtin_add_overflow(a, b, &r))
        throw EIntOverflow();
    return r;
}

constexpr std::int32_t CheckedSub(std::int32_t a, std::int32_t b) {
    std::int32_t r = 0;
    if (__builtin_sub_overflow(a, b, &r))
        throw EIntOverflow();
    return r;
}

constexpr std::int32_t CheckedMul(std::int32_t a, std::int32_t b) {
    std::int32_t r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        throw EIntOverflow();
    return r;
}

} // namespace tavrin::oracle
