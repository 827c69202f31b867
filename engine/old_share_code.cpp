#include "old_share_code.h"

#include "acceptance.h"
#include "errors.h"
#include "galois_field.h"
#include "map_string.h"
#include "share_code.h"
#include "share_code_payload.h"

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace tavrin {
namespace {

// GF(32) modulo x^5 + x^2 + 1.
constexpr TGaloisField<5, 0x25> OldField;
static_assert(OldField.Primitive, "x must generate every non-zero element");

// The symbols x_i, i counted from the last one, satisfy sum x_i = 0 and
// sum x^i x_i = 0.
std::pair<std::uint8_t, std::uint8_t> OldCheckSums(const std::vector<std::uint8_t>& symbols) {
    std::uint8_t plain = 0;
    std::uint8_t weighted = 0;
    for (std::size_t j = 0; j < symbols.size(); ++j) {
        plain ^= symbols[j];
        weighted ^= static_cast<std::uint8_t>(
            OldField.Multiply(OldField.Weight(symbols.size() - 1 - j), symbols[j]));
    }
    return {plain, weighted};
}

void AppendOldCheck(std::vector<std::uint8_t>& symbols) {
    symbols.push_back(0);
    symbols.push_back(0);
    const auto [a, b] = OldCheckSums(symbols);
    const auto c1 = static_cast<std::uint8_t>(OldField.Divide(a ^ b, 1 ^ OldField.Weight(1)));
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
    AppendOldCheck(symbols);
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
    const bool hyphens = code.find('-') != std::string_view::npos;
    if (symbols.size() < MinPayloadSymbols + 2 ||
        (hyphens && GroupShareSymbols(std::string(symbols.size(), 'x')) != shape) ||
        OldCheckSums(symbols) != std::pair<std::uint8_t, std::uint8_t>{0, 0})
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

bool MadeLikeAGeneratedMap(std::string_view mapString) {
    if (share_payload::ClusterStart(mapString) != TCell{0, 0} ||
        !share_payload::ClusterDigits(mapString, false))
        return false;
    const auto state = std::make_unique<TMapState>();
    InitTiles(*state);
    ReadMapString(*state, mapString);
    for (int t = 1; t <= TileCount; ++t)
        state->Tiles[t].Placed = true;
    return MapAccepted(*state);
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
