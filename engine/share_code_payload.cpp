#include "share_code_payload.h"

#include "map_state.h"
#include "map_string.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tavrin::share_payload {
namespace {

constexpr int ByteOffset = 100; // the map string holds each value + 100

struct TPlacement {
    TCell Cell;
    int Rotation; // the character's code - 100; 1..6 for a map the tiles can take
};

using TPlacements = std::array<TPlacement, TileCount + 1>;

TPlacements Placements(std::string_view mapString) {
    TPlacements p{};
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

// The tile in a cell of a cluster, 0 for none.
int TileIn(const TPlacements& p, TCell cell) {
    for (int t = 1; t <= TileCount; ++t)
        if (p[static_cast<std::size_t>(t)].Cell == cell)
            return t;
    return 0;
}

std::vector<int> TilesAfterStart() {
    std::vector<int> left;
    for (int t = 1; t <= TileCount; ++t)
        if (t != StartTile)
            left.push_back(t);
    return left;
}

} // namespace

bool RotationsValid(std::string_view mapString) {
    const TPlacements p = Placements(mapString);
    return std::all_of(p.begin() + 1, p.end(),
                       [](const TPlacement& t) { return t.Rotation >= 1 && t.Rotation <= 6; });
}

TCell ClusterStart(std::string_view mapString) {
    return Placements(mapString)[StartTile].Cell;
}

std::optional<TMixedRadixWriter> ClusterDigits(std::string_view mapString, bool withStart) {
    if (!RotationsValid(mapString))
        return std::nullopt;
    const TPlacements p = Placements(mapString);
    for (int t = 1; t <= TileCount; ++t)
        for (int u = t + 1; u <= TileCount; ++u)
            if (p[static_cast<std::size_t>(t)].Cell == p[static_cast<std::size_t>(u)].Cell)
                return std::nullopt;
    const TCell start = p[StartTile].Cell;
    TMixedRadixWriter w;
    if (withStart) {
        w.Put(static_cast<std::uint32_t>(start.Col + ByteOffset), 256);
        w.Put(static_cast<std::uint32_t>(start.Row + ByteOffset), 256);
    }
    TClusterWalk walk(start);
    const bool connected = walk.Walk([&](TCell cell) {
        const bool occupied = TileIn(p, cell) != 0;
        w.Put(occupied ? 1 : 0, 2);
        return occupied;
    });
    if (!connected)
        return std::nullopt;
    // The tiles of the cells after the start, each as its place among the
    // tiles not yet given, in tile order.
    std::vector<int> left = TilesAfterStart();
    for (std::size_t k = 1; k < walk.Cells().size(); ++k) {
        const auto at = std::find(left.begin(), left.end(), TileIn(p, walk.Cells()[k]));
        w.Put(static_cast<std::uint32_t>(at - left.begin()),
              static_cast<std::uint32_t>(left.size()));
        left.erase(at);
    }
    for (int t = 1; t <= TileCount; ++t)
        w.Put(static_cast<std::uint32_t>(p[static_cast<std::size_t>(t)].Rotation - 1), 6);
    return w;
}

TMixedRadixWriter PositionDigits(std::string_view mapString) {
    const TPlacements p = Placements(mapString);
    TMixedRadixWriter w;
    for (int t = 1; t <= TileCount; ++t) {
        const TPlacement& tile = p[static_cast<std::size_t>(t)];
        w.Put(static_cast<std::uint32_t>(tile.Cell.Col + ByteOffset), 256);
        w.Put(static_cast<std::uint32_t>(tile.Cell.Row + ByteOffset), 256);
        w.Put(static_cast<std::uint32_t>(tile.Rotation - 1), 6);
    }
    return w;
}

TMixedRadixWriter ByteDigits(std::string_view mapString) {
    TMixedRadixWriter w;
    for (const char c : mapString)
        w.Put(static_cast<unsigned char>(c), 256);
    return w;
}

std::optional<std::string> TakeCluster(TMixedRadixReader& r, std::optional<TCell> start) {
    if (!start) {
        const auto col = static_cast<std::int32_t>(r.Take(256)) - ByteOffset;
        const auto row = static_cast<std::int32_t>(r.Take(256)) - ByteOffset;
        start = TCell{col, row};
    }
    TPlacements p{};
    TClusterWalk walk(*start);
    if (!walk.Walk([&](TCell) { return r.Take(2) == 1; }))
        return std::nullopt;
    std::vector<int> left = TilesAfterStart();
    p[StartTile].Cell = *start;
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

std::string TakePositions(TMixedRadixReader& r) {
    std::string s;
    for (int t = 1; t <= TileCount; ++t) {
        s += static_cast<char>(r.Take(256));
        s += static_cast<char>(r.Take(256));
        s += static_cast<char>(r.Take(6) + 1 + ByteOffset);
    }
    return s;
}

std::string TakeBytes(TMixedRadixReader& r) {
    std::string s;
    for (std::size_t i = 0; i < MapStringLength; ++i)
        s += static_cast<char>(r.Take(256));
    return s;
}

} // namespace tavrin::share_payload
