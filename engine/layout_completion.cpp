#include "layout_completion.h"

#include "acceptance.h"
#include "generator.h"
#include "grid.h"
#include "layout_check.h"
#include "random.h"
#include "translatable.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace tavrin {
namespace {

// The cells a map string can hold.
constexpr std::int32_t LowestCell = -100;
constexpr std::int32_t HighestCell = 155;

// The cells a completion may use: around the kept tiles as far as the tiles
// still to lay can reach, within the map string's range. Each cell holds its
// tile (0 while free) and a stamp that marks it as met by the current scan.
class TCompletionGrid {
public:
    TCompletionGrid(const TMapState& state, std::uint32_t kept, int toLay) {
        TCell low{0, 0}, high{0, 0};
        bool first = true;
        for (int t = 1; t <= TileCount; ++t) {
            if ((kept >> t & 1) == 0)
                continue;
            const TCell c = CellOf(state.Tiles[t]);
            low = first ? c : TCell{std::min(low.Col, c.Col), std::min(low.Row, c.Row)};
            high = first ? c : TCell{std::max(high.Col, c.Col), std::max(high.Row, c.Row)};
            first = false;
        }
        const int reach = toLay + 1;
        Low = {std::max(LowestCell, low.Col - reach), std::max(LowestCell, low.Row - reach)};
        High = {std::min(HighestCell, high.Col + reach), std::min(HighestCell, high.Row + reach)};
        Height = High.Row - Low.Row + 1;
        Cells.assign(static_cast<std::size_t>((High.Col - Low.Col + 1) * Height), {});
    }

    bool Inside(TCell c) const {
        return c.Col >= Low.Col && c.Col <= High.Col && c.Row >= Low.Row && c.Row <= High.Row;
    }

    struct TEntry {
        std::uint8_t Tile;
        std::uint32_t Stamp;
    };

    TEntry& At(TCell c) {
        return Cells[static_cast<std::size_t>((c.Col - Low.Col) * Height + (c.Row - Low.Row))];
    }

    std::uint8_t TileAt(TCell c) { return Inside(c) ? At(c).Tile : 0; }

private:
    TCell Low{}, High{};
    std::int32_t Height = 0;
    std::vector<TEntry> Cells;
};

struct TPlacement {
    TCell Cell;
    int Rotation;
};

class TCompleter {
public:
    TCompleter(TMapState& state, std::uint32_t kept, std::uint32_t seed)
        : State(state), Kept(kept), KeptCount(std::popcount(kept)),
          Grid(state, kept, TileCount - KeptCount), Random{seed} {
        for (int t = 1; t <= TileCount; ++t)
            if ((Kept >> t & 1) != 0)
                Grid.At(CellOf(State.Tiles[t])).Tile = static_cast<std::uint8_t>(t);
    }

    // Whether a cell lies where a map string can hold it.
    static bool InRange(TCell c) {
        return c.Col >= LowestCell && c.Col <= HighestCell && c.Row >= LowestCell &&
               c.Row <= HighestCell;
    }

    // One layout: every tile not kept laid, or false when one finds no place.
    bool Attempt() {
        Laid = Kept;
        Order.clear();
        for (int t = 1; t <= TileCount; ++t)
            if ((Kept >> t & 1) != 0)
                Order.push_back(t);
        if (Order.empty())
            Lay(StartTile, {{0, 0}, static_cast<int>(Random.Draw(6)) + 1});
        while (std::popcount(Laid) < TileCount) {
            const int tile = FreeTileFrom(Laid, Random.Draw(TileCount));
            // As the generator does, the third tile on goes beside two laid
            // tiles where it can; around kept tiles that need not join up,
            // beside one.
            if (!Collect(tile, Order.size() >= 2) && !Collect(tile, false))
                return false;
            Lay(tile, Candidates[Random.Draw(static_cast<std::uint32_t>(Candidates.size()))]);
        }
        return true;
    }

    // Lifts every tile the attempt laid.
    void Lift() {
        for (const int t : Order)
            if ((Kept >> t & 1) == 0) {
                Grid.At(CellOf(State.Tiles[t])).Tile = 0;
                UnplaceTile(State, t);
            }
    }

private:
    TMapState& State;
    const std::uint32_t Kept;
    const int KeptCount;
    TCompletionGrid Grid;
    TRandom Random;
    std::uint32_t Laid = 0;
    std::vector<int> Order; // laid tiles, kept ones first, in the order laid
    std::vector<TPlacement> Candidates;
    std::uint32_t Stamp = 0; // the current scan; 32 bits never wrap within a completion

    void Lay(int tile, TPlacement at) {
        PlaceTile(State, tile, at.Cell, TRotation(at.Rotation));
        Grid.At(at.Cell).Tile = static_cast<std::uint8_t>(tile);
        Laid |= 1u << tile;
        Order.push_back(tile);
    }

    TEdgeMask ExitsOf(int tile) const {
        return State.TileRoads[tile].ExitsAt[State.Tiles[tile].Rotation];
    }

    // The free cells beside the laid tiles (beside two of them with
    // `touchingTwo`) in the order the laid tiles meet them, each with the
    // rotations under which `tile`'s roads agree with every neighbour.
    bool Collect(int tile, bool touchingTwo) {
        Candidates.clear();
        ++Stamp;
        for (const int from : Order) {
            for (TEdge edge : AllEdges) {
                const TCell cell = Neighbour(CellOf(State.Tiles[from]), edge);
                if (!Grid.Inside(cell))
                    continue;
                TCompletionGrid::TEntry& entry = Grid.At(cell);
                if (entry.Tile != 0 || entry.Stamp == Stamp)
                    continue;
                entry.Stamp = Stamp;
                TEdgeMask faced = 0, crossed = 0;
                for (TEdge side : AllEdges) {
                    const int nb = Grid.TileAt(Neighbour(cell, side));
                    if (nb == 0)
                        continue;
                    faced |= Bit(side);
                    if (Has(ExitsOf(nb), Opposite(side)))
                        crossed |= Bit(side);
                }
                if (touchingTwo && std::popcount(faced) < 2)
                    continue;
                for (TRotation r : AllRotations)
                    if (((State.TileRoads[tile].ExitsAt[r.Number()] ^ crossed) & faced) == 0)
                        Candidates.push_back({cell, r.Number()});
            }
        }
        return !Candidates.empty();
    }
};

// The first finding among the kept tiles that no completion can mend: two
// in one cell, or roads that disagree.
const TLayoutFinding* Unmendable(const std::vector<TLayoutFinding>& findings) {
    for (const TLayoutFinding& f : findings)
        if (f.Kind == TFindingKind::SharedCell || f.Kind == TFindingKind::RoadMismatch)
            return &f;
    return nullptr;
}

std::string CannotComplete(const std::string& reason) {
    return FillText(TAVRIN_TEXT("Core", "The map cannot be completed: %1."), {reason});
}

// What a completion did, in words; whole sentences for one tile and for
// more, so that a language can say each its own way.
std::string LaidAround(int laid, int kept) {
    const std::string l = std::to_string(laid);
    const std::string k = std::to_string(kept);
    if (laid == 1 && kept == 1)
        return TAVRIN_TEXT("Core", "Laid 1 tile around 1 kept tile.");
    if (laid == 1)
        return FillText(TAVRIN_TEXT("Core", "Laid 1 tile around %1 kept tiles."), {k});
    if (kept == 1)
        return FillText(TAVRIN_TEXT("Core", "Laid %1 tiles around 1 kept tile."), {l});
    return FillText(TAVRIN_TEXT("Core", "Laid %1 tiles around %2 kept tiles."), {l, k});
}

} // namespace

TCompletion CompleteLayout(TMapState& state, const TTileSet& keep, std::uint32_t seed) {
    const auto before = state.Tiles;
    std::uint32_t kept = 0;
    for (int t = 1; t <= TileCount; ++t)
        if (keep[static_cast<std::size_t>(t)] && state.Tiles[t].Placed)
            kept |= 1u << t;
        else
            UnplaceTile(state, t);

    for (int t = 1; t <= TileCount; ++t)
        if ((kept >> t & 1) != 0 && !TCompleter::InRange(CellOf(state.Tiles[t]))) {
            state.Tiles = before;
            return {false, 0,
                    FillText(TAVRIN_TEXT("Core", "The map cannot be completed: %1 lies outside "
                                                 "the map's columns and rows (-100 to 155)."),
                             {state.Tiles[t].Name.View()})};
        }

    const std::vector<TLayoutFinding> keptFindings = CheckLayout(state);
    if (const TLayoutFinding* f = Unmendable(keptFindings)) {
        state.Tiles = before;
        return {false, 0, CannotComplete(f->Sentence)};
    }

    TCompleter completer(state, kept, seed);
    const int toLay = TileCount - std::popcount(kept);
    for (int attempt = 1; attempt <= CompletionAttemptLimit; ++attempt) {
        if (completer.Attempt() && MapAccepted(state) && CheckLayout(state).empty())
            return {true, attempt, LaidAround(toLay, TileCount - toLay)};
        completer.Lift();
        if (toLay == 0)
            break; // nothing to lay: the kept tiles are the whole answer
    }
    state.Tiles = before;
    if (toLay == 0)
        return {false, 1, CannotComplete(keptFindings.front().Sentence)};
    return {false, CompletionAttemptLimit,
            FillText(TAVRIN_TEXT("Core", "No map passes around the kept tiles after %1 tries; "
                                         "every tile stays where it was."),
                     {std::to_string(CompletionAttemptLimit)})};
}

} // namespace tavrin
