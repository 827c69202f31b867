#pragma once
// A whole number written as a list of digits, each with its own radix: the
// first digit is the least significant, and the radix of each digit may
// depend on the digits before it. A writer folds the digits into the number
// and gives it in base 32; a reader takes them back out in the same order.
// The number can be as large as the digits need (a map takes a few hundred
// bits), so it is kept as 32-bit limbs.

#include <cstdint>
#include <utility>
#include <vector>

namespace tavrin {

class TMixedRadixWriter {
public:
    // Appends a digit below `radix` (radix 1 and above).
    void Put(std::uint32_t digit, std::uint32_t radix);

    // Appends the digits of another writer, in their order.
    void Append(const TMixedRadixWriter& other);

    // The number in base 32, most significant digit first, padded with zeros
    // in front to at least `minDigits`.
    std::vector<std::uint8_t> Base32(std::size_t minDigits) const;

private:
    std::vector<std::pair<std::uint32_t, std::uint32_t>> digits_; // digit, radix
};

class TMixedRadixReader {
public:
    // `base32` most significant digit first, each below 32.
    explicit TMixedRadixReader(const std::vector<std::uint8_t>& base32);

    // The next digit of the given radix (1 and above).
    std::uint32_t Take(std::uint32_t radix);

    // True when every digit has been taken: what is left is zero.
    bool Empty() const { return limbs_.empty(); }

private:
    std::vector<std::uint32_t> limbs_; // least significant first, no zero on top
};

} // namespace tavrin
