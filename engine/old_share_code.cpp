#include "old_share_code.h"

#include "errors.h"
#include "map_string.h"
#include "share_code.h"
#include "share_code_payload.h"

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace tavrin {
namespace {

// GF(32) as polynomials over GF(2) modulo x^5 + x^2 + 1, which is primitive:
// the powers of x run through all 31 non-zero elements.
struct TField {
    std::array<std::uint8_t, 31> Power{};
    std::array<std::uint8_t, 32> Log{};
};

constexpr TField MakeField() {
    TField f;
    unsigned value = 1;
    for (unsigned i = 0; i < 31; ++i) {
        f.Power[i] = static_cast<std::uint8_t>(value);
        f.Log[value] = static_cast<std::uint8_t>(i);
        value <<= 1;
        if (value & 32u)
            value ^= 0x25u;
    }
    return f;
}

constexpr TField Field = MakeField();

constexpr std::uint8_t Multiply(std::uint8_t a, std::uint8_t b) {
    if (a == 0 || b == 0)
        return 0;
    return Field.Power[(Field.Log[a] + Field.Log[b]) % 31];
}

constexpr std::uint8_t Divide(std::uint8_t a, std::uint8_t b) {
    if (a == 0)
        return 0;
    return Field.Power[(Field.Log[a] + 31 - Field.Log[b]) % 31];
}

// The symbols x_i, i counted from the last one, satisfy sum x_i = 0 and
// sum x^i x_i = 0.
std::pair<std::uint8_t, std::uint8_t> CheckSums(const std::vector<std::uint8_t>& symbols) {
    std::uint8_t plain = 0;
    std::uint8_t weighted = 0;
    for (std::size_t j = 0; j < symbols.size(); ++j) {
        plain ^= symbols[j];
        weighted ^= Multiply(Field.Power[(symbols.size() - 1 - j) % 31], symbols[j]);
    }
    return {plain, weighted};
}

void AppendCheck(std::vector<std::uint8_t>& symbols) {
    symbols.push_back(0);
    symbols.push_back(0);
    const auto [a, b] = CheckSums(symbols);
    const std::uint8_t c1 = Divide(a ^ b, 1 ^ Field.Power[1]);
    symbols[symbols.size() - 2] = c1;
    symbols[symbols.size() - 1] = a ^ c1;
}

constexpr std::size_t MinPayloadSymbols = 10;

enum TMode : std::uint32_t { ClusterAtOrigin, ClusterElsewhere, Positions, Bytes, ModeCount };

std::vector<std::uint8_t> Symbols(std::string_view mapString) {
    using namespace share_payload;
    const bool atOrigin = ClusterStart(mapString) == TCell{0, 0};
    TMixedRadixWriter w;
    if (const auto cluster = ClusterDigits(mapString, !atOrigin)) {
        w.Put(atOrigin ? ClusterAtOrigin : ClusterElsewhere, ModeCount);
        w.Append(*cluster);
    } else if (RotationsValid(mapString)) {
        w.Put(Positions, ModeCount);
        w.Append(PositionDigits(mapString));
    } else {
        w.Put(Bytes, ModeCount);
        w.Append(ByteDigits(mapString));
    }
    std::vector<std::uint8_t> symbols = w.Base32(MinPayloadSymbols);
    AppendCheck(symbols);
    return symbols;
}

} // namespace

std::optional<std::string> MapStringOfOldShareCode(std::string_view code) {
    std::vector<std::uint8_t> symbols;
    for (const char c : code) {
        if (c == '-')
            continue;
        const int value = ShareSymbolValue(c);
        if (value < 0)
            return std::nullopt;
        symbols.push_back(static_cast<std::uint8_t>(value));
    }
    std::string shape;
    for (const char c : code)
        shape += c == '-' ? '-' : 'x';
    if (symbols.size() < MinPayloadSymbols + 2 || code.find('-') == std::string_view::npos ||
        GroupShareSymbols(std::string(symbols.size(), 'x')) != shape ||
        CheckSums(symbols) != std::pair<std::uint8_t, std::uint8_t>{0, 0})
        return std::nullopt;
    using namespace share_payload;
    TMixedRadixReader r(std::vector<std::uint8_t>(symbols.begin(), symbols.end() - 2));
    std::optional<std::string> s;
    switch (r.Take(ModeCount)) {
    case ClusterAtOrigin:
        s = TakeCluster(r, TCell{0, 0});
        break;
    case ClusterElsewhere:
        s = TakeCluster(r, std::nullopt);
        break;
    case Positions:
        s = TakePositions(r);
        break;
    default:
        s = TakeBytes(r);
    }
    if (!s || !r.Empty() || Symbols(*s) != symbols)
        return std::nullopt;
    return s;
}

std::string OldShareCode(std::string_view mapString) {
    if (mapString.size() != MapStringLength)
        throw ERangeError();
    std::string spelled;
    for (const std::uint8_t v : Symbols(mapString))
        spelled += ShareCodeAlphabet[v];
    return GroupShareSymbols(spelled);
}

} // namespace tavrin
