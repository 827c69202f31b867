#include "share_code.h"

#include "cell.h"
#include "map_state.h"
#include "map_string.h"
#include "mixed_radix.h"

#include <algorithm>
#include <array>
#include <optional>

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

// x^position, the weight of the symbol `position` places from the end.
constexpr std::uint8_t Weight(std::size_t position) {
    return Field.Power[position % 31];
}

// The two check sums of a whole code: zero and zero for a good one.
std::pair<std::uint8_t, std::uint8_t> CheckSums(const std::vector<std::uint8_t>& symbols) {
    std::uint8_t plain = 0;
    std::uint8_t weighted = 0;
    for (std::size_t j = 0; j < symbols.size(); ++j) {
        plain ^= symbols[j];
        weighted ^= Multiply(Weight(symbols.size() - 1 - j), symbols[j]);
    }
    return {plain, weighted};
}

// Appends the two check symbols c1, c0 that make both sums zero:
// c1 + c0 = A and x c1 + c0 = B, where A and B are the sums so far.
void AppendCheck(std::vector<std::uint8_t>& symbols) {
    symbols.push_back(0);
    symbols.push_back(0);
    const auto [a, b] = CheckSums(symbols);
    const std::uint8_t c1 = Divide(a ^ b, 1 ^ Weight(1));
    symbols[symbols.size() - 2] = c1;
    symbols[symbols.size() - 1] = a ^ c1;
}

// The number before its check symbols has at least this many digits, so
// that every code has at least three groups.
constexpr std::size_t MinPayloadSymbols = 10;

enum TMode : std::uint32_t { ClusterAtOrigin, ClusterElsewhere, Positions, Bytes, ModeCount };

constexpr int ByteOffset = 100; // the map string holds each value + 100

struct TPlacement {
    TCell Cell;
    int Rotation; // the character's code - 100; 1..6 for a map the tiles can take
};

std::array<TPlacement, TileCount + 1> Placements(std::string_view mapString) {
    std::array<TPlacement, TileCount + 1> p{};
    for (int t = 1; t <= TileCount; ++t) {
        const auto at = static_cast<std::size_t>(3 * (t - 1));
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(mapString[i]); };
        p[static_cast<std::size_t>(t)] = {{byte(at) - ByteOffset, byte(at + 1) - ByteOffset},
                                          byte(at + 2) - ByteOffset};
    }
    return p;
}

bool InByteRange(TCell cell) {
    return cell.Col >= -ByteOffset && cell.Col <= 255 - ByteOffset && cell.Row >= -ByteOffset &&
           cell.Row <= 255 - ByteOffset;
}

// Reading or writing the shape of a cluster: cells are visited breadth first
// from the start cell, each cell's neighbours across edges 1..6 in turn. Each
// neighbour not met before and within the map string's range takes one
// binary digit (1: a tile lies there) until the 20th cell is found, so the
// digits that follow from the shape are never written.
class TClusterWalk {
public:
    explicit TClusterWalk(TCell start) { cells_.push_back(start), seen_.push_back(start); }

    // Calls `occupied(cell)` for each neighbour that takes a digit; it
    // answers whether a tile lies there. False when the walk runs out of
    // cells before the 20th.
    template <class Occupied> bool Walk(Occupied occupied) {
        for (std::size_t next = 0; cells_.size() < TileCount; ++next) {
            if (next == cells_.size())
                return false;
            for (const TEdge edge : AllEdges) {
                if (cells_.size() == TileCount)
                    break;
                const TCell cell = Neighbour(cells_[next], edge);
                if (!InByteRange(cell) ||
                    std::find(seen_.begin(), seen_.end(), cell) != seen_.end())
                    continue;
                seen_.push_back(cell);
                if (occupied(cell))
                    cells_.push_back(cell);
            }
        }
        return true;
    }

    const std::vector<TCell>& Cells() const { return cells_; }

private:
    std::vector<TCell> cells_; // the cluster's cells in the order found
    std::vector<TCell> seen_;
};

bool RotationsValid(const std::array<TPlacement, TileCount + 1>& p) {
    return std::all_of(p.begin() + 1, p.end(),
                       [](const TPlacement& t) { return t.Rotation >= 1 && t.Rotation <= 6; });
}

// The tile in each cell of a cluster, or none when tiles share a cell.
int TileIn(const std::array<TPlacement, TileCount + 1>& p, TCell cell) {
    for (int t = 1; t <= TileCount; ++t)
        if (p[static_cast<std::size_t>(t)].Cell == cell)
            return t;
    return 0;
}

bool PutCluster(TMixedRadixWriter& w, const std::array<TPlacement, TileCount + 1>& p) {
    for (int t = 1; t <= TileCount; ++t)
        for (int u = t + 1; u <= TileCount; ++u)
            if (p[static_cast<std::size_t>(t)].Cell == p[static_cast<std::size_t>(u)].Cell)
                return false;
    const TCell start = p[StartTile].Cell;
    TMixedRadixWriter shape;
    TClusterWalk walk(start);
    const bool connected = walk.Walk([&](TCell cell) {
        const bool occupied = TileIn(p, cell) != 0;
        shape.Put(occupied ? 1 : 0, 2);
        return occupied;
    });
    if (!connected)
        return false;
    const bool atOrigin = start == TCell{0, 0};
    w.Put(atOrigin ? ClusterAtOrigin : ClusterElsewhere, ModeCount);
    if (!atOrigin) {
        w.Put(static_cast<std::uint32_t>(start.Col + ByteOffset), 256);
        w.Put(static_cast<std::uint32_t>(start.Row + ByteOffset), 256);
    }
    w.Append(shape);
    // The tiles of the cells after the start, each as its place among the
    // tiles not yet given, in tile order.
    std::vector<int> left;
    for (int t = 1; t <= TileCount; ++t)
        if (t != StartTile)
            left.push_back(t);
    for (std::size_t k = 1; k < walk.Cells().size(); ++k) {
        const auto at = std::find(left.begin(), left.end(), TileIn(p, walk.Cells()[k]));
        w.Put(static_cast<std::uint32_t>(at - left.begin()),
              static_cast<std::uint32_t>(left.size()));
        left.erase(at);
    }
    for (int t = 1; t <= TileCount; ++t)
        w.Put(static_cast<std::uint32_t>(p[static_cast<std::size_t>(t)].Rotation - 1), 6);
    return true;
}

std::optional<std::string> TakeCluster(TMixedRadixReader& r, TCell start) {
    std::array<TPlacement, TileCount + 1> p{};
    TClusterWalk walk(start);
    if (!walk.Walk([&](TCell) { return r.Take(2) == 1; }))
        return std::nullopt;
    std::vector<int> left;
    for (int t = 1; t <= TileCount; ++t)
        if (t != StartTile)
            left.push_back(t);
    p[StartTile].Cell = start;
    for (std::size_t k = 1; k < walk.Cells().size(); ++k) {
        const std::uint32_t at = r.Take(static_cast<std::uint32_t>(left.size()));
        p[static_cast<std::size_t>(left[at])].Cell = walk.Cells()[k];
        left.erase(left.begin() + at);
    }
    std::string s;
    for (int t = 1; t <= TileCount; ++t) {
        const TPlacement& tile = p[static_cast<std::size_t>(t)];
        s += static_cast<char>(tile.Cell.Col + ByteOffset);
        s += static_cast<char>(tile.Cell.Row + ByteOffset);
        s += static_cast<char>(static_cast<int>(r.Take(6)) + 1 + ByteOffset);
    }
    return s;
}

std::vector<std::uint8_t> Symbols(std::string_view mapString) {
    if (mapString.size() != MapStringLength)
        throw ERangeError();
    const auto p = Placements(mapString);
    TMixedRadixWriter w;
    if (!RotationsValid(p) || !PutCluster(w, p)) {
        w = {};
        if (RotationsValid(p)) {
            w.Put(Positions, ModeCount);
            for (int t = 1; t <= TileCount; ++t) {
                const TPlacement& tile = p[static_cast<std::size_t>(t)];
                w.Put(static_cast<std::uint32_t>(tile.Cell.Col + ByteOffset), 256);
                w.Put(static_cast<std::uint32_t>(tile.Cell.Row + ByteOffset), 256);
                w.Put(static_cast<std::uint32_t>(tile.Rotation - 1), 6);
            }
        } else {
            w.Put(Bytes, ModeCount);
            for (const char c : mapString)
                w.Put(static_cast<unsigned char>(c), 256);
        }
    }
    std::vector<std::uint8_t> symbols = w.Base32(MinPayloadSymbols);
    AppendCheck(symbols);
    return symbols;
}

std::string Spelled(const std::vector<std::uint8_t>& symbols) {
    std::string s;
    for (const std::uint8_t v : symbols)
        s += ShareCodeAlphabet[v];
    return s;
}

std::string Decoded(const std::vector<std::uint8_t>& symbols) {
    if (symbols.size() < MinPayloadSymbols + 2 ||
        CheckSums(symbols) != std::pair<std::uint8_t, std::uint8_t>{0, 0})
        throw EShareCodeMistake();
    TMixedRadixReader r(std::vector<std::uint8_t>(symbols.begin(), symbols.end() - 2));
    std::optional<std::string> s;
    switch (r.Take(ModeCount)) {
    case ClusterAtOrigin:
        s = TakeCluster(r, {0, 0});
        break;
    case ClusterElsewhere: {
        const auto col = static_cast<std::int32_t>(r.Take(256)) - ByteOffset;
        const auto row = static_cast<std::int32_t>(r.Take(256)) - ByteOffset;
        s = TakeCluster(r, {col, row});
        break;
    }
    case Positions:
        s.emplace();
        for (int t = 1; t <= TileCount; ++t) {
            *s += static_cast<char>(r.Take(256));
            *s += static_cast<char>(r.Take(256));
            *s += static_cast<char>(r.Take(6) + 1 + ByteOffset);
        }
        break;
    default:
        s.emplace();
        for (std::size_t i = 0; i < MapStringLength; ++i)
            *s += static_cast<char>(r.Take(256));
    }
    // Only the code that ShareCode gives for the map read is that map's code:
    // nothing left over, no other form or padding.
    if (!s || !r.Empty() || Symbols(*s) != symbols)
        throw EShareCodeMistake();
    return *s;
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

std::string ShareCodeSymbols(std::string_view mapString) {
    return Spelled(Symbols(mapString));
}

std::string ShareCode(std::string_view mapString) {
    return GroupShareSymbols(ShareCodeSymbols(mapString));
}

std::string ShareLink(std::string_view mapString) {
    return std::string(ShareLinkScheme) + ShareCode(mapString);
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

std::string MapStringOfShareCode(std::string_view code) {
    // No code is longer (the longest has 99 symbols and 24 hyphens); reading
    // a longer text would take time growing with the square of its length.
    if (code.size() > MaxShareCodeChars)
        throw EShareCodeMistake();
    std::vector<std::uint8_t> symbols;
    bool hyphens = false;
    for (const char c : code) {
        if (c == '-') {
            hyphens = true;
            continue;
        }
        const int value = ShareSymbolValue(c);
        if (value < 0)
            throw EShareCodeMistake();
        symbols.push_back(static_cast<std::uint8_t>(value));
    }
    // A hyphen out of place is a mistake too: a symbol typed over a hyphen
    // must not pass as a longer code.
    if (hyphens) {
        std::string shape;
        for (const char c : code)
            shape += c == '-' ? '-' : 'x';
        if (GroupShareSymbols(std::string(symbols.size(), 'x')) != shape)
            throw EShareCodeMistake();
    }
    return Decoded(symbols);
}

} // namespace tavrin
