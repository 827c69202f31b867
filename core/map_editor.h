#pragma once
// Laying a map by hand: the editing rules every door that edits a map
// follows. The editor holds its own copy of the map it was opened on; every
// edit is a pair of layouts, before and after, so an undo stack only ever
// applies one or the other and undoing returns the tile records byte for
// byte. The map shown elsewhere and the generator's sequence are never
// touched: completions draw from the editor's own generator.
//
// A tile is laid (in a cell, turned 1..6) or waits in the tray, off the map.
// Two tiles never share a cell through an edit: a tile dropped on another
// swaps places with it. A pinned tile stays where it is when the rest is
// re-rolled; a tile in the tray holds no pin.

#include "cell.h"
#include "layout_check.h"
#include "layout_completion.h"
#include "map_seed.h"
#include "map_state.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrin {

struct TTileSpot {
    bool Placed = false;
    std::int32_t Col = 0;
    std::int32_t Row = 0;
    std::uint8_t Rotation = 1;
    friend bool operator==(const TTileSpot&, const TTileSpot&) = default;
};

// Where every tile lies and which are pinned; index = tile number, 0 unused.
struct TEditLayout {
    std::array<TTileSpot, TileCount + 1> Tiles{};
    TTileSet Pins{};
    friend bool operator==(const TEditLayout&, const TEditLayout&) = default;
};

// One edit: what it is called ("Turn Scarp") and the layouts either side.
struct TMapEdit {
    std::string Name;
    TEditLayout Before;
    TEditLayout After;
};

// What Complete Map and Re-roll Unpinned give: the edit when the map was
// completed, else none and the sentence saying why nothing changed.
struct TCompletionEdit {
    std::optional<TMapEdit> Edit;
    std::string Sentence;
};

enum class TArrow : std::uint8_t { Left, Right, Up, Down };

class TMapEditor {
public:
    // Opens the map `shown` (its placement and catalogue), March Land
    // selected and the laid tiles of `pins` (bit t for tile t, as share
    // codes carry them) pinned. Completions draw from a generator of the
    // editor's own, started at `seed`.
    TMapEditor(const TMapState& shown, std::uint32_t seed, std::uint32_t pins = 0);
    // The pins as a share code carries them.
    std::uint32_t PinMask() const;

    // The map as edited; tiles in the tray have Placed clear.
    const TMapState& State() const { return State_; }
    TEditLayout Layout() const;
    bool IsPinned(int tile) const { return Pins_[tile]; }
    // The tiles waiting in the tray, in tile order.
    std::vector<int> Tray() const;
    // The laid tile in `cell`, 0 when the cell is empty.
    int TileIn(TCell cell) const;

    int Selected() const { return Selected_; }
    void Select(int tile);
    // Selects the nearest laid tile in the arrow's direction, as the map is
    // drawn; false (nothing changes) when there is none. From a tile in the
    // tray the arrows come back to March Land, or to the first laid tile.
    bool SelectToward(TArrow arrow);

    // The edits. Each is computed from the layout now and changes nothing
    // until Apply; none when it would change nothing.
    // Turns a tile `steps` steps clockwise (negative: anticlockwise).
    std::optional<TMapEdit> Turn(int tile, int steps) const;
    // Lays a tile (from the map or the tray) in `cell`: an empty cell takes
    // it; a tile there swaps places with it (into the tray, when the tile
    // dropped came from there). A pinned tile keeps its pin where it goes.
    std::optional<TMapEdit> MoveTo(int tile, TCell cell) const;
    // Puts a laid tile into the tray; its pin goes.
    std::optional<TMapEdit> Lift(int tile) const;
    // Pins or unpins a laid tile.
    std::optional<TMapEdit> TogglePin(int tile) const;
    // Lays the tray's tiles around every laid tile.
    TCompletionEdit CompleteMap();
    // Lifts every tile not pinned and completes again.
    TCompletionEdit RerollUnpinned();

    // Puts a layout in place: an edit's After to do it, its Before to undo it.
    void Apply(const TEditLayout& layout);

    std::vector<TLayoutFinding> Findings() const { return CheckLayout(State_); }

private:
    TCompletionEdit Complete(const TTileSet& keep, const char* name);
    TMapEdit EditOf(std::string name, const TEditLayout& after) const;

    TMapState State_;
    TTileSet Pins_{};
    int Selected_ = StartTile;
    TRandom Completions_;
};

// The line under the map while it is edited: the first finding's sentence,
// or that there is none.
std::string FindingLine(const std::vector<TLayoutFinding>& findings);

// Why the editor cannot be left yet: tiles wait in the tray. Empty when it
// can.
std::string LeaveRefusal(const TMapEditor& editor);

// Where an edited map came from, as the history names it: "edited from
// Seed 4, map 2", else "edited from" its share code. A map edited again keeps
// the name of the map its editing began from.
std::string EditedSource(const std::optional<TSeedPosition>& position, const std::string& source,
                         const std::string& mapString);

} // namespace tavrin
