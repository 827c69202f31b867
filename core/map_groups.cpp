#include "map_groups.h"

#include "cell.h"
#include "hex_shape.h"
#include "map_layout.h"
#include "placing_order.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace tavrin {
namespace {

// Groups nearer than this on the picture are shown as one.
constexpr double Nearby = TileBoxSide;

bool Touch(const TTile& a, const TTile& b) {
    const TCell cell{a.Col, a.Row};
    if (cell == TCell{b.Col, b.Row})
        return true;
    for (const TEdge edge : AllEdges)
        if (Neighbour(cell, edge) == TCell{b.Col, b.Row})
            return true;
    return false;
}

TBox Grown(const TBox& box, double by) {
    return {box.X - by / 2, box.Y - by / 2, box.W + by, box.H + by};
}

} // namespace

TBox TileBox(const TMapState& state, int tile) {
    const TLayoutBox box = LayoutBox(state);
    const TTile& t = state.Tiles[tile];
    return {static_cast<double>(TileX(t.Col)) + box.OffsetX(),
            static_cast<double>(TileY(t.Col, t.Row)) + box.OffsetY(),
            static_cast<double>(tileart::HexWidth), static_cast<double>(tileart::HexHeight)};
}

std::vector<TMapGroup> MapGroups(const TMapState& state) {
    std::array<int, TileCount + 1> group{};
    std::iota(group.begin(), group.end(), 0);
    const auto root = [&](int t) {
        while (group[static_cast<std::size_t>(t)] != t)
            t = group[static_cast<std::size_t>(t)];
        return t;
    };
    for (int a = 1; a <= TileCount; ++a)
        for (int b = a + 1; b <= TileCount; ++b)
            if (Touch(state.Tiles[a], state.Tiles[b]))
                group[static_cast<std::size_t>(root(b))] = root(a);

    std::vector<TMapGroup> groups;
    for (int t = 1; t <= TileCount; ++t) {
        const int r = root(t);
        auto it = std::find_if(groups.begin(), groups.end(),
                               [&](const TMapGroup& g) { return root(g.Tiles.front()) == r; });
        if (it == groups.end()) {
            groups.push_back({});
            it = groups.end() - 1;
        }
        it->Tiles.push_back(t);
        it->Part = it->Part.United(TileBox(state, t));
    }
    // Groups that lie close together are shown together.
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < groups.size() && !merged; ++i)
            for (std::size_t j = i + 1; j < groups.size() && !merged; ++j)
                if (Grown(groups[i].Part, Nearby).Overlaps(groups[j].Part)) {
                    groups[i].Part = groups[i].Part.United(groups[j].Part);
                    groups[i].Tiles.insert(groups[i].Tiles.end(), groups[j].Tiles.begin(),
                                           groups[j].Tiles.end());
                    std::sort(groups[i].Tiles.begin(), groups[i].Tiles.end());
                    groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                }
    }
    const auto first = [](const TMapGroup& g) {
        const bool start =
            std::find(g.Tiles.begin(), g.Tiles.end(), FirstLaidTile) != g.Tiles.end();
        return start ? 0 : g.Tiles.front();
    };
    std::sort(groups.begin(), groups.end(),
              [&](const TMapGroup& a, const TMapGroup& b) { return first(a) < first(b); });
    return groups;
}

} // namespace tavrin
