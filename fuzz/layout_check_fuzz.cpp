// Fuzz target: layouts as the map editor can leave them (tiles off the map,
// on one cell, apart, turned any way), three bytes a tile: whether it is
// placed, its column and row near the centre, and its rotation. Checked
// against the laws of the layout check and the completion:
// - the findings come in the order of their kinds, each one line, and name
//   every tile that is off the map;
// - no finding means the acceptance test passes;
// - a completion around the placed tiles (when the input's last byte is
//   odd) keeps them and leaves no finding, or fails with every tile as it
//   was.
// A broken law aborts, which the fuzzer reports as a crash.

#include "acceptance.h"
#include "fuzz_check.h"
#include "layout_check.h"
#include "layout_completion.h"

#include <cstdint>
#include <cstring>
#include <memory>

using namespace tavrin;

namespace {

const TMapState& Catalogue() {
    static const auto state = [] {
        auto s = std::make_unique<TMapState>();
        InitTiles(*s, 1);
        return s;
    }();
    return *state;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto state = std::make_unique<TMapState>(Catalogue());
    int unplaced = 0;
    for (int t = 1; t <= TileCount; ++t) {
        const auto at = static_cast<std::size_t>(3 * (t - 1));
        const auto byte = [&](std::size_t i) { return i < size ? data[i] : std::uint8_t{0}; };
        TTile& tile = state->Tiles[t];
        tile.Placed = (byte(at) & 0x80) == 0;
        tile.Col = (byte(at) & 0x7f) % 9 - 4;
        tile.Row = byte(at + 1) % 9 - 4;
        tile.Rotation = static_cast<std::uint8_t>(byte(at + 2) % 6 + 1);
        unplaced += !tile.Placed;
    }

    const std::vector<TLayoutFinding> findings = CheckLayout(*state);
    int notPlaced = 0;
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const TLayoutFinding& f = findings[i];
        Check(!f.Sentence.empty() && f.Sentence.find('\n') == std::string::npos,
              "a finding is one line");
        Check(f.Tile >= 1 && f.Tile <= TileCount, "a finding names a tile");
        if (i > 0)
            Check(findings[i - 1].Kind <= f.Kind, "findings come in the order of their kinds");
        notPlaced += f.Kind == TFindingKind::NotPlaced;
    }
    Check(notPlaced == unplaced, "every tile off the map is named");
    if (findings.empty())
        Check(MapAccepted(*state), "a layout with no finding passes the acceptance test");

    if (size == 0 || (data[size - 1] & 1) == 0)
        return 0;
    TTileSet keep{};
    for (int t = 1; t <= TileCount; ++t)
        keep[static_cast<std::size_t>(t)] = state->Tiles[t].Placed;
    const auto before = std::make_unique<TMapState>(*state);
    const TCompletion done = CompleteLayout(*state, keep, size);
    if (!done.Complete) {
        Check(std::memcmp(&state->Tiles, &before->Tiles, sizeof state->Tiles) == 0,
              "a failed completion leaves every tile as it was");
        return 0;
    }
    Check(CheckLayout(*state).empty(), "a completed map has no finding");
    for (int t = 1; t <= TileCount; ++t)
        if (keep[static_cast<std::size_t>(t)])
            Check(state->Tiles[t].Col == before->Tiles[t].Col &&
                      state->Tiles[t].Row == before->Tiles[t].Row &&
                      state->Tiles[t].Rotation == before->Tiles[t].Rotation,
                  "a completion keeps every kept tile");
    return 0;
}
