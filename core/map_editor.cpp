#include "map_editor.h"

#include "map_layout.h"
#include "share_code.h"
#include "translatable.h"

#include <cmath>
#include <limits>

namespace tavrin {

namespace {

constexpr std::string_view EditedPrefix = "edited from ";

std::string TileName(const TMapState& state, int tile) {
    return std::string(state.Tiles[tile].Name.View());
}

// The centre of a cell as the map is drawn, for the arrow keys' directions.
struct TCentre {
    double X;
    double Y;
};
TCentre CentreOf(const TTile& tile) {
    return {static_cast<double>(TileX(tile.Col)), static_cast<double>(TileY(tile.Col, tile.Row))};
}

} // namespace

TMapEditor::TMapEditor(const TMapState& shown, std::uint32_t seed, std::uint32_t pins)
    : State_(shown), Completions_{seed} {
    // The editor's copy says nothing on its own; its messages are its
    // sentences.
    State_.Messages = nullptr;
    for (int t = 1; t <= TileCount; ++t)
        Pins_[t] = (pins >> t & 1u) != 0 && State_.Tiles[t].Placed;
}

std::uint32_t TMapEditor::PinMask() const {
    std::uint32_t mask = 0;
    for (int t = 1; t <= TileCount; ++t)
        if (Pins_[t])
            mask |= 1u << t;
    return mask;
}

TEditLayout TMapEditor::Layout() const {
    TEditLayout layout;
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = State_.Tiles[t];
        layout.Tiles[t] = {tile.Placed, tile.Col, tile.Row, tile.Rotation};
    }
    layout.Pins = Pins_;
    return layout;
}

void TMapEditor::Apply(const TEditLayout& layout) {
    for (int t = 1; t <= TileCount; ++t) {
        TTile& tile = State_.Tiles[t];
        const TTileSpot& spot = layout.Tiles[t];
        tile.Placed = spot.Placed;
        tile.Col = spot.Col;
        tile.Row = spot.Row;
        tile.Rotation = spot.Rotation;
    }
    Pins_ = layout.Pins;
}

std::vector<int> TMapEditor::Tray() const {
    std::vector<int> tray;
    for (int t = 1; t <= TileCount; ++t)
        if (!State_.Tiles[t].Placed)
            tray.push_back(t);
    return tray;
}

int TMapEditor::TileIn(TCell cell) const {
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = State_.Tiles[t];
        if (tile.Placed && tile.Col == cell.Col && tile.Row == cell.Row)
            return t;
    }
    return 0;
}

void TMapEditor::Select(int tile) {
    if (tile >= 1 && tile <= TileCount)
        Selected_ = tile;
}

// The nearest laid tile within 60 degrees either side of the arrow, its
// distance across the arrow counting double, so that the tile straight ahead
// wins over one askew; a tie goes to the lower tile number.
bool TMapEditor::SelectToward(TArrow arrow) {
    if (!State_.Tiles[Selected_].Placed) {
        const int start = State_.Tiles[StartTile].Placed ? StartTile : 0;
        int first = start;
        for (int t = 1; first == 0 && t <= TileCount; ++t)
            if (State_.Tiles[t].Placed)
                first = t;
        if (first == 0)
            return false;
        Selected_ = first;
        return true;
    }
    static constexpr double Dx[] = {-1, 1, 0, 0};
    static constexpr double Dy[] = {0, 0, -1, 1};
    const int a = static_cast<int>(arrow);
    const TCentre from = CentreOf(State_.Tiles[Selected_]);
    int best = 0;
    double bestScore = std::numeric_limits<double>::max();
    for (int t = 1; t <= TileCount; ++t) {
        if (t == Selected_ || !State_.Tiles[t].Placed)
            continue;
        const TCentre to = CentreOf(State_.Tiles[t]);
        const double vx = to.X - from.X;
        const double vy = to.Y - from.Y;
        const double along = vx * Dx[a] + vy * Dy[a];
        const double across = std::abs(vx * Dy[a] - vy * Dx[a]);
        if (along <= 0 || across > along * 1.7321)
            continue;
        const double score = along + 2 * across;
        if (score < bestScore) {
            bestScore = score;
            best = t;
        }
    }
    if (best == 0)
        return false;
    Selected_ = best;
    return true;
}

TMapEdit TMapEditor::EditOf(std::string name, const TEditLayout& after) const {
    return {std::move(name), Layout(), after};
}

std::optional<TMapEdit> TMapEditor::Turn(int tile, int steps) const {
    if (tile < 1 || tile > TileCount || steps % 6 == 0)
        return std::nullopt;
    TEditLayout after = Layout();
    TTileSpot& spot = after.Tiles[tile];
    const int turned = ((spot.Rotation - 1 + steps) % 6 + 6) % 6 + 1;
    spot.Rotation = static_cast<std::uint8_t>(turned);
    return EditOf(FillText(TAVRIN_TEXT("Core", "Turn %1"), {TileName(State_, tile)}), after);
}

std::optional<TMapEdit> TMapEditor::MoveTo(int tile, TCell cell) const {
    if (tile < 1 || tile > TileCount)
        return std::nullopt;
    TEditLayout after = Layout();
    TTileSpot& moved = after.Tiles[tile];
    const int there = TileIn(cell);
    if (there == tile)
        return std::nullopt;
    const TTileSpot from = moved;
    moved.Placed = true;
    moved.Col = cell.Col;
    moved.Row = cell.Row;
    if (there == 0)
        return EditOf(FillText(TAVRIN_TEXT("Core", "Move %1"), {TileName(State_, tile)}), after);
    // The tile that was there takes the dropped tile's place, its pin with
    // it; a tile going into the tray holds none.
    TTileSpot& other = after.Tiles[there];
    other.Placed = from.Placed;
    other.Col = from.Placed ? from.Col : 0;
    other.Row = from.Placed ? from.Row : 0;
    if (!other.Placed)
        after.Pins[there] = false;
    return EditOf(FillText(TAVRIN_TEXT("Core", "Swap %1 and %2"),
                           {TileName(State_, tile), TileName(State_, there)}),
                  after);
}

std::optional<TMapEdit> TMapEditor::Lift(int tile) const {
    if (tile < 1 || tile > TileCount || !State_.Tiles[tile].Placed)
        return std::nullopt;
    TEditLayout after = Layout();
    // The tile keeps its turn in the tray, so laying it back turns it as
    // it was.
    TTileSpot& spot = after.Tiles[tile];
    spot.Placed = false;
    spot.Col = 0;
    spot.Row = 0;
    after.Pins[tile] = false;
    return EditOf(FillText(TAVRIN_TEXT("Core", "Lift %1"), {TileName(State_, tile)}), after);
}

std::optional<TMapEdit> TMapEditor::TogglePin(int tile) const {
    if (tile < 1 || tile > TileCount || !State_.Tiles[tile].Placed)
        return std::nullopt;
    TEditLayout after = Layout();
    after.Pins[tile] = !after.Pins[tile];
    return EditOf(FillText(after.Pins[tile] ? TAVRIN_TEXT("Core", "Pin %1")
                                            : TAVRIN_TEXT("Core", "Unpin %1"),
                           {TileName(State_, tile)}),
                  after);
}

TCompletionEdit TMapEditor::CompleteMap() {
    TTileSet keep{};
    for (int t = 1; t <= TileCount; ++t)
        keep[t] = State_.Tiles[t].Placed;
    return Complete(keep, TAVRIN_TEXT("Core", "Complete Map"));
}

TCompletionEdit TMapEditor::RerollUnpinned() {
    return Complete(Pins_, TAVRIN_TEXT("Core", "Re-roll Unpinned"));
}

// The completion works on a copy: the layout changes only through the edit,
// and a completion that fails leaves every tile where the user laid it.
// Each completion takes the next seed of the editor's own generator, so
// pressing again tries another map.
TCompletionEdit TMapEditor::Complete(const TTileSet& keep, const char* name) {
    Completions_.Draw(1);
    const std::uint32_t seed = Completions_.Seed;
    TMapState trial = State_;
    const TCompletion completion = CompleteLayout(trial, keep, seed);
    if (!completion.Complete)
        return {std::nullopt, completion.Sentence};
    TEditLayout after = Layout();
    for (int t = 1; t <= TileCount; ++t) {
        const TTile& tile = trial.Tiles[t];
        after.Tiles[t] = {tile.Placed, tile.Col, tile.Row, tile.Rotation};
    }
    TMapEdit edit = EditOf(name, after);
    if (edit.After == edit.Before)
        return {std::nullopt, completion.Sentence};
    return {std::move(edit), completion.Sentence};
}

std::string FindingLine(const std::vector<TLayoutFinding>& findings) {
    if (findings.empty())
        return TAVRIN_TEXT("Core", "No finding: every tile is laid, every road meets a road, and "
                                   "every tile is reached from March Land.");
    return findings.front().Sentence;
}

std::string LeaveRefusal(const TMapEditor& editor) {
    const std::size_t waiting = editor.Tray().size();
    if (waiting == 0)
        return {};
    if (waiting == 1)
        return TAVRIN_TEXT("Core", "1 tile waits in the tray: lay them, or use Complete Map, "
                                   "before leaving the editor.");
    return FillText(TAVRIN_TEXT("Core", "%1 tiles wait in the tray: lay them, or use Complete "
                                        "Map, before leaving the editor."),
                    {std::to_string(waiting)});
}

std::string EditedSource(const std::optional<TSeedPosition>& position, const std::string& source,
                         const std::string& mapString) {
    if (source.starts_with(EditedPrefix))
        return source;
    // The words are kept as they are, in English, in the history; the doors
    // translate them as they show them.
    const std::string from = position ? SeedText(*position) : ShareCode(mapString);
    return FillText(TAVRIN_TEXT("Core", "edited from %1"), {from});
}

} // namespace tavrin
