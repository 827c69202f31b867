#include "share_code.h"

#include "galois_field.h"
#include "map_string.h"
#include "old_share_code.h"
#include "share_code_payload.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace tavrin {
namespace {

// GF(1024) modulo x^10 + x^3 + 1.
constexpr TGaloisField<10, 0x409> Field;
static_assert(Field.Primitive, "x must generate every non-zero element");

constexpr std::size_t CheckSymbols = 4;

// The two sums over the symbol pairs: zero and zero for a good code. The
// symbols are an even number, as every code's are.
std::pair<std::uint16_t, std::uint16_t> CheckSums(const std::vector<std::uint8_t>& symbols) {
    std::uint16_t plain = 0;
    std::uint16_t weighted = 0;
    const std::size_t pairs = symbols.size() / 2;
    for (std::size_t j = 0; j < pairs; ++j) {
        const auto y = static_cast<std::uint16_t>(symbols[2 * j] * 32 + symbols[2 * j + 1]);
        plain ^= y;
        weighted ^= Field.Multiply(Field.Weight(pairs - 1 - j), y);
    }
    return {plain, weighted};
}

// Appends the two check pairs c1, c0 that make both sums zero:
// c1 + c0 = A and x c1 + c0 = B, where A and B are the sums so far.
void AppendCheck(std::vector<std::uint8_t>& symbols) {
    symbols.resize(symbols.size() + CheckSymbols, 0);
    const auto [a, b] = CheckSums(symbols);
    const std::uint16_t c1 = Field.Divide(a ^ b, 1 ^ Field.Weight(1));
    const std::uint16_t c0 = a ^ c1;
    const std::size_t at = symbols.size() - CheckSymbols;
    symbols[at] = static_cast<std::uint8_t>(c1 >> 5);
    symbols[at + 1] = static_cast<std::uint8_t>(c1 & 31);
    symbols[at + 2] = static_cast<std::uint8_t>(c0 >> 5);
    symbols[at + 3] = static_cast<std::uint8_t>(c0 & 31);
}

enum class TForm { Generated, Cluster, Positions, Bytes };

// A form and whether the code carries pins.
struct TShape {
    TForm Form;
    bool Pinned;
};

// The pins take 20 bits: four symbols more than the same map without them.
constexpr std::size_t PinSymbols = 4;
constexpr std::uint32_t PinRadix = 1u << 20;

// Each form's length in symbols, check included; the payload is padded to
// fill it.
constexpr std::array<std::pair<TForm, std::size_t>, 4> FormLengths{{
    {TForm::Generated, GeneratedShareCodeSymbols},
    {TForm::Cluster, 42},   // start cell 16 bits, shape at most 60, tiles and rotations 109
    {TForm::Positions, 80}, // 20 x (8 + 8 + log2 6) bits
    {TForm::Bytes, 104},    // 480 bits, and 20 more that must be zero
}};

std::size_t LengthOf(TShape shape) {
    for (const auto& [f, length] : FormLengths)
        if (f == shape.Form)
            return length + (shape.Pinned ? PinSymbols : 0);
    return 0;
}

std::optional<TShape> ShapeOfLength(std::size_t symbols) {
    for (const auto& [form, length] : FormLengths)
        for (const bool pinned : {false, true})
            if (LengthOf({form, pinned}) == symbols)
                return TShape{form, pinned};
    return std::nullopt;
}

constexpr bool LengthsListed() {
    for (const auto& [form, length] : FormLengths)
        for (const std::size_t l : {length, length + PinSymbols})
            if (std::find(ShareCodeLengths.begin(), ShareCodeLengths.end(), l) ==
                ShareCodeLengths.end())
                return false;
    return ShareCodeLengths.size() == 2 * FormLengths.size();
}
static_assert(LengthsListed(), "ShareCodeLengths lists every form's length, pinned or not");

// The number's leading symbols are mostly zero (a generated map takes 25 to
// 31 of the 32) and its last ones much alike (the cluster's first cells), so
// each symbol is mixed with a hash of all those below it: codes do not start
// or end alike. Reading undoes it from the last symbol up. The check covers
// the symbols as written.
std::uint8_t Mix(std::size_t at, const std::vector<std::uint8_t>& plain) {
    std::uint32_t x = 0x9e3779b9u + static_cast<std::uint32_t>(at);
    for (std::size_t below = at + 1; below < plain.size(); ++below)
        x = (x ^ plain[below]) * 0x01000193u; // FNV-1a
    x ^= x >> 15;
    x *= 0x2c1b3c6du;
    x ^= x >> 12;
    return static_cast<std::uint8_t>(x % 32);
}

void Spread(std::vector<std::uint8_t>& plain) {
    std::vector<std::uint8_t> out(plain.size());
    for (std::size_t at = 0; at < plain.size(); ++at)
        out[at] = plain[at] ^ Mix(at, plain);
    plain = std::move(out);
}

void Unspread(std::vector<std::uint8_t>& written) {
    for (std::size_t at = written.size(); at-- > 0;)
        written[at] ^= Mix(at, written); // the symbols below are plain already
}

// The digits padded to the form's length, with the check; none when they do
// not fit.
std::optional<std::vector<std::uint8_t>> Fitted(const TMixedRadixWriter& map, TForm form,
                                                TPinMask pins) {
    const bool pinned = pins != 0;
    TMixedRadixWriter w;
    if (pinned) {
        w.Put(pins >> 1, PinRadix);
        w.Append(map);
    }
    const std::size_t payload = LengthOf({form, pinned}) - CheckSymbols;
    std::vector<std::uint8_t> symbols = (pinned ? w : map).Base32(payload);
    if (symbols.size() != payload)
        return std::nullopt;
    Spread(symbols);
    AppendCheck(symbols);
    return symbols;
}

// The pins below the map's digits add a factor of 2^20 to its number, just
// what four symbols more hold: a map takes the same form pinned or not.
std::vector<std::uint8_t> Symbols(std::string_view mapString, TPinMask pins) {
    if (mapString.size() != MapStringLength || (pins & ~AllPins) != 0)
        throw ERangeError();
    using namespace share_payload;
    if (ClusterStart(mapString) == TCell{0, 0})
        if (const auto cluster = ClusterDigits(mapString, false))
            if (auto symbols = Fitted(*cluster, TForm::Generated, pins))
                return *symbols;
    if (const auto cluster = ClusterDigits(mapString, true))
        if (auto symbols = Fitted(*cluster, TForm::Cluster, pins))
            return *symbols;
    if (RotationsValid(mapString))
        if (auto symbols = Fitted(PositionDigits(mapString), TForm::Positions, pins))
            return *symbols;
    return *Fitted(ByteDigits(mapString), TForm::Bytes, pins);
}

std::string Spelled(const std::vector<std::uint8_t>& symbols) {
    std::string s;
    for (const std::uint8_t v : symbols)
        s += ShareCodeAlphabet[v];
    return s;
}

std::optional<TSharedMap> Decoded(const std::vector<std::uint8_t>& symbols) {
    const auto shape = ShapeOfLength(symbols.size());
    if (!shape || CheckSums(symbols) != std::pair<std::uint16_t, std::uint16_t>{0, 0})
        return std::nullopt;
    using namespace share_payload;
    std::vector<std::uint8_t> number(symbols.begin(), symbols.end() - CheckSymbols);
    Unspread(number);
    TMixedRadixReader r(number);
    const TPinMask pins = shape->Pinned ? r.Take(PinRadix) << 1 : 0;
    std::optional<std::string> s;
    switch (shape->Form) {
    case TForm::Generated:
        s = TakeCluster(r, TCell{0, 0});
        break;
    case TForm::Cluster:
        s = TakeCluster(r, std::nullopt);
        break;
    case TForm::Positions:
        s = TakePositions(r);
        break;
    case TForm::Bytes:
        s = TakeBytes(r);
        break;
    }
    // Only the code that ShareCode gives for the map read is that map's code:
    // nothing left over, no other form.
    if (!s || !r.Empty() || Symbols(*s, pins) != symbols)
        return std::nullopt;
    return TSharedMap{std::move(*s), pins};
}

} // namespace

int ShareSymbolValue(char c) {
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    if (c == 'I' || c == 'L')
        return 1;
    if (c == 'O')
        return 0;
    const auto at = ShareCodeAlphabet.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::string ShareCodeSymbols(std::string_view mapString, TPinMask pins) {
    return Spelled(Symbols(mapString, pins));
}

std::string ShareCode(std::string_view mapString, TPinMask pins) {
    return GroupShareSymbols(ShareCodeSymbols(mapString, pins));
}

std::string ShareLink(std::string_view mapString, TPinMask pins) {
    return std::string(ShareLinkScheme) + ShareCode(mapString, pins);
}

std::string GroupShareSymbols(std::string_view symbols) {
    const std::size_t groups = std::max<std::size_t>(symbols.size() / 4, 1);
    const std::size_t longer = symbols.size() >= 12 ? symbols.size() % 4 : 0;
    std::string out;
    std::size_t at = 0;
    for (std::size_t g = 0; g < groups && at < symbols.size(); ++g) {
        const std::size_t size = g + 1 == groups ? symbols.size() - at : (g < longer ? 5 : 4);
        if (g > 0)
            out += '-';
        out += symbols.substr(at, size);
        at += size;
    }
    return out;
}

std::optional<std::string> ReadShareCode(std::string_view code) {
    if (auto shared = ReadPinnedShareCode(code))
        return std::move(shared->MapString);
    return std::nullopt;
}

std::optional<TSharedMap> ReadPinnedShareCode(std::string_view code) {
    // Only a few lengths are codes; anything else is refused before any
    // arithmetic, which keeps reading the words of a long text cheap.
    if (code.size() > MaxShareCodeChars ||
        !ShapeOfLength(code.size() -
                       static_cast<std::size_t>(std::count(code.begin(), code.end(), '-'))))
        return std::nullopt;
    std::vector<std::uint8_t> symbols;
    bool hyphens = false;
    for (const char c : code) {
        if (c == '-') {
            hyphens = true;
            continue;
        }
        const int value = ShareSymbolValue(c);
        if (value < 0)
            return std::nullopt;
        symbols.push_back(static_cast<std::uint8_t>(value));
    }
    // A hyphen out of place is a mistake too: a symbol typed over a hyphen
    // must not pass as a longer code.
    if (hyphens) {
        std::string shape;
        for (const char c : code)
            shape += c == '-' ? '-' : 'x';
        if (GroupShareSymbols(std::string(symbols.size(), 'x')) != shape)
            return std::nullopt;
    }
    return Decoded(symbols);
}

std::string MapStringOfShareCode(std::string_view code) {
    if (auto map = ReadShareCode(code))
        return std::move(*map);
    if (code.size() <= MaxShareCodeChars)
        if (auto map = MapStringOfOldShareCode(code))
            return std::move(*map);
    throw EShareCodeMistake();
}

} // namespace tavrin
