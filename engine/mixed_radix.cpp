#include "mixed_radix.h"

#include <algorithm>
#include <cassert>

namespace tavrin {
namespace {

using TLimbs = std::vector<std::uint32_t>;

void MultiplyAdd(TLimbs& limbs, std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t& limb : limbs) {
        const std::uint64_t value = static_cast<std::uint64_t>(limb) * factor + carry;
        limb = static_cast<std::uint32_t>(value);
        carry = value >> 32;
    }
    if (carry != 0)
        limbs.push_back(static_cast<std::uint32_t>(carry));
}

// Divides in place and returns the remainder.
std::uint32_t DivideBy(TLimbs& limbs, std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (auto limb = limbs.rbegin(); limb != limbs.rend(); ++limb) {
        const std::uint64_t value = (remainder << 32) | *limb;
        *limb = static_cast<std::uint32_t>(value / divisor);
        remainder = value % divisor;
    }
    while (!limbs.empty() && limbs.back() == 0)
        limbs.pop_back();
    return static_cast<std::uint32_t>(remainder);
}

} // namespace

void TMixedRadixWriter::Put(std::uint32_t digit, std::uint32_t radix) {
    assert(radix >= 1 && digit < radix);
    digits_.emplace_back(digit, radix);
}

void TMixedRadixWriter::Append(const TMixedRadixWriter& other) {
    digits_.insert(digits_.end(), other.digits_.begin(), other.digits_.end());
}

std::vector<std::uint8_t> TMixedRadixWriter::Base32(std::size_t minDigits) const {
    TLimbs limbs;
    for (auto d = digits_.rbegin(); d != digits_.rend(); ++d) {
        MultiplyAdd(limbs, d->second, d->first);
        while (!limbs.empty() && limbs.back() == 0)
            limbs.pop_back();
    }
    std::vector<std::uint8_t> out;
    while (!limbs.empty())
        out.push_back(static_cast<std::uint8_t>(DivideBy(limbs, 32)));
    if (out.size() < minDigits)
        out.resize(minDigits, 0);
    std::reverse(out.begin(), out.end());
    return out;
}

TMixedRadixReader::TMixedRadixReader(const std::vector<std::uint8_t>& base32) {
    for (const std::uint8_t digit : base32) {
        assert(digit < 32);
        MultiplyAdd(limbs_, 32, digit);
        while (!limbs_.empty() && limbs_.back() == 0)
            limbs_.pop_back();
    }
}

std::uint32_t TMixedRadixReader::Take(std::uint32_t radix) {
    assert(radix >= 1);
    return DivideBy(limbs_, radix);
}

} // namespace tavrin
