#pragma once
// Edges and rotations of the hexagonal grid, as small value types.
//
// Edges are numbered 1..6 clockwise from the top: 1 top, 2 upper right,
// 3 lower right, 4 bottom, 5 lower left, 6 upper left. Map edges are counted
// in the grid's frame, tile edges in the tile's own frame (the frame of the
// catalogue's roads); a tile with rotation r has its own edge 1 on map edge r.
//
// A TEdge or TRotation always holds 1..6: values from outside the engine
// (a map string's rotation character) come in through RotationFrom, which
// raises ERangeError; everything inside builds them from values that are in
// range by construction, which an assert checks.

#include "errors.h"

#include <array>
#include <cassert>
#include <cstdint>

namespace tavrin {

class TEdge {
public:
    constexpr explicit TEdge(int number) : Number_(static_cast<std::uint8_t>(number)) {
        assert(number >= 1 && number <= 6);
    }
    constexpr int Number() const { return Number_; }
    friend constexpr bool operator==(TEdge, TEdge) = default;

private:
    std::uint8_t Number_;
};

class TRotation {
public:
    constexpr explicit TRotation(int number) : Number_(static_cast<std::uint8_t>(number)) {
        assert(number >= 1 && number <= 6);
    }
    constexpr int Number() const { return Number_; }
    friend constexpr bool operator==(TRotation, TRotation) = default;

private:
    std::uint8_t Number_;
};

inline constexpr std::array<TEdge, 6> AllEdges{TEdge(1), TEdge(2), TEdge(3),
                                               TEdge(4), TEdge(5), TEdge(6)};
inline constexpr std::array<TRotation, 6> AllRotations{TRotation(1), TRotation(2), TRotation(3),
                                                       TRotation(4), TRotation(5), TRotation(6)};

// A rotation read from outside the engine; outside 1..6 it is ERangeError.
constexpr TRotation RotationFrom(std::int64_t number) {
    if (number < 1 || number > 6)
        throw ERangeError();
    return TRotation(static_cast<int>(number));
}

// The edge of the neighbouring cell that touches this one: 1 and 4, 2 and 5,
// 3 and 6 face each other.
constexpr TEdge Opposite(TEdge edge) {
    return TEdge(edge.Number() <= 3 ? edge.Number() + 3 : edge.Number() - 3);
}

// The map edge on which a tile's own edge lies under `rotation`.
constexpr TEdge ToMapEdge(TEdge tileEdge, TRotation rotation) {
    const int m = tileEdge.Number() + rotation.Number() - 1;
    return TEdge(m > 6 ? m - 6 : m);
}

// The tile's own edge that lies on a map edge under `rotation`.
constexpr TEdge ToTileEdge(TEdge mapEdge, TRotation rotation) {
    const int t = mapEdge.Number() - rotation.Number() + 1;
    return TEdge(t < 1 ? t + 6 : t);
}

// A set of edges as six bits: edge e is bit e - 1.
using TEdgeMask = std::uint8_t;

constexpr TEdgeMask Bit(TEdge edge) {
    return static_cast<TEdgeMask>(1u << (edge.Number() - 1));
}

constexpr bool Has(TEdgeMask mask, TEdge edge) {
    return (mask & Bit(edge)) != 0;
}

// The map edges of a set of tile edges under `rotation`: a turn of the six
// bits by rotation - 1 places.
constexpr TEdgeMask ToMapEdges(TEdgeMask tileEdges, TRotation rotation) {
    const unsigned turn = static_cast<unsigned>(rotation.Number() - 1);
    return static_cast<TEdgeMask>(((tileEdges << turn) | (tileEdges >> (6 - turn))) & 0x3fu);
}

} // namespace tavrin
