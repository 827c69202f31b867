// The map editor's rules: laws over many generated maps (an edit touches
// only the tiles it names, undoing returns the tile records byte for byte, a
// completion keeps every pinned tile), the cells under a point, and the
// names and sentences the editor gives.

#include "acceptance.h"
#include "editor_places.h"
#include "map_editor.h"
#include "map_string.h"
#include "test_state.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tavrin {
namespace {

// The placement of every tile, byte for byte.
bool SameTiles(const TMapState& a, const TMapState& b) {
    for (int t = 1; t <= TileCount; ++t)
        if (std::memcmp(&a.Tiles[t], &b.Tiles[t], sizeof(TTile)) != 0)
            return false;
    return true;
}

// The tiles whose spot or pin an edit changes.
std::vector<int> Touched(const TMapEdit& edit) {
    std::vector<int> tiles;
    for (int t = 1; t <= TileCount; ++t)
        if (edit.Before.Tiles[t] != edit.After.Tiles[t] ||
            edit.Before.Pins[t] != edit.After.Pins[t])
            tiles.push_back(t);
    return tiles;
}

std::unique_ptr<TMapState> GeneratedMap(std::uint32_t seed) {
    auto state = test::FreshState(seed);
    CreateMap(*state);
    return state;
}

// An empty cell beside the map.
TCell EmptyCellBeside(const TMapEditor& editor, int tile) {
    const TTile& t = editor.State().Tiles[tile];
    for (int e = 1; e <= 6; ++e) {
        const TCell cell = Neighbour({t.Col, t.Row}, TEdge(e));
        if (editor.TileIn(cell) == 0)
            return cell;
    }
    TCell far{t.Col + 1, t.Row};
    while (editor.TileIn(far) != 0)
        ++far.Col;
    return far;
}

// Over many maps, a random run of every kind of edit: each edit changes
// exactly the tiles it names and no two laid tiles ever share a cell; undoing
// the run in reverse returns the tile records byte for byte.
TEST(MapEditor, EditsTouchOnlyTheirTilesAndUndoRestoresEveryByte) {
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        const auto shown = GeneratedMap(seed);
        TMapEditor editor(*shown, seed);
        TRandom pick{seed * 7919u};
        std::vector<TMapEdit> done;
        for (int step = 0; step < 40; ++step) {
            const int a = static_cast<int>(pick.Draw(TileCount)) + 1;
            const int b = static_cast<int>(pick.Draw(TileCount)) + 1;
            std::optional<TMapEdit> edit;
            std::vector<int> names{a};
            switch (pick.Draw(6)) {
            case 0:
                edit = editor.Turn(a, pick.Draw(2) ? 1 : -1);
                break;
            case 1:
                edit = editor.MoveTo(a, EmptyCellBeside(editor, b));
                break;
            case 2: { // a swap, or a tile from the tray laid on another
                const TTile& other = editor.State().Tiles[b];
                const TCell cell{other.Col, other.Row};
                names.push_back(editor.TileIn(cell));
                edit = editor.MoveTo(a, cell);
                break;
            }
            case 3:
                edit = editor.Lift(a);
                break;
            case 4:
                edit = editor.TogglePin(a);
                break;
            default:
                edit = editor.MoveTo(a, EmptyCellBeside(editor, StartTile));
                break;
            }
            if (!edit)
                continue;
            ASSERT_EQ(edit->Before, editor.Layout());
            const std::vector<int> touched = Touched(*edit);
            for (int t : touched)
                EXPECT_NE(std::find(names.begin(), names.end(), t), names.end())
                    << edit->Name << " moved tile " << t << " (seed " << seed << ")";
            editor.Apply(edit->After);
            done.push_back(*edit);
            for (int t = 1; t <= TileCount; ++t) {
                const TTile& tile = editor.State().Tiles[t];
                if (tile.Placed) {
                    EXPECT_EQ(editor.TileIn({tile.Col, tile.Row}), t) << edit->Name;
                }
                EXPECT_TRUE(tile.Placed || !editor.IsPinned(t)) << edit->Name;
            }
        }
        for (auto it = done.rbegin(); it != done.rend(); ++it)
            editor.Apply(it->Before);
        EXPECT_TRUE(SameTiles(editor.State(), *shown)) << "seed " << seed;
    }
}

// The edits in detail: a turn goes round 6 to 1 and back; a tile from the
// tray dropped on a laid one sends that one to the tray without its pin; a
// pin needs a laid tile; an edit that changes nothing is none.
TEST(MapEditor, EditsFollowTheirRules) {
    const auto shown = GeneratedMap(5);
    TMapEditor editor(*shown, 5);
    const int scarp = 3;
    const auto rotation = [&] { return editor.State().Tiles[StartTile].Rotation; };
    while (rotation() != 6)
        editor.Apply(editor.Turn(StartTile, 1)->After);
    EXPECT_EQ(editor.Turn(StartTile, 1)->After.Tiles[StartTile].Rotation, 1);
    editor.Apply(editor.Turn(StartTile, 1)->After);
    EXPECT_EQ(editor.Turn(StartTile, -1)->After.Tiles[StartTile].Rotation, 6);
    EXPECT_FALSE(editor.Turn(StartTile, 6));

    editor.Apply(editor.TogglePin(StartTile)->After);
    editor.Apply(editor.Lift(scarp)->After);
    EXPECT_EQ(editor.Tray(), std::vector<int>{scarp});
    EXPECT_FALSE(editor.TogglePin(scarp));
    EXPECT_FALSE(editor.Lift(scarp));
    const TEditLayout swapped = editor.MoveTo(scarp, {0, 0})->After;
    EXPECT_TRUE(swapped.Tiles[scarp].Placed);
    EXPECT_EQ(swapped.Tiles[scarp].Col, 0);
    EXPECT_FALSE(swapped.Tiles[StartTile].Placed);
    EXPECT_FALSE(swapped.Pins[StartTile]);
    EXPECT_FALSE(editor.MoveTo(StartTile, {0, 0}));
    EXPECT_EQ(
        LeaveRefusal(editor),
        "1 tile waits in the tray: lay them, or use Complete Map, before leaving the editor.");
}

// The arrows go to a laid tile that lies that way on the drawn map; from the
// tray they come back to March Land.
TEST(MapEditor, ArrowsSelectATileThatWay) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        const auto shown = GeneratedMap(seed);
        TMapEditor editor(*shown, seed);
        const TEditorFrame frame = EditorFrame(editor.State());
        for (TArrow arrow : {TArrow::Left, TArrow::Right, TArrow::Up, TArrow::Down}) {
            editor.Select(StartTile);
            if (!editor.SelectToward(arrow))
                continue;
            const TTile& to = editor.State().Tiles[editor.Selected()];
            const TPoint a = CellCentre({0, 0}, frame);
            const TPoint b = CellCentre({to.Col, to.Row}, frame);
            const double along[] = {a.X - b.X, b.X - a.X, a.Y - b.Y, b.Y - a.Y};
            EXPECT_GT(along[static_cast<int>(arrow)], 0) << "seed " << seed;
        }
        editor.Apply(editor.Lift(2)->After);
        editor.Select(2);
        EXPECT_TRUE(editor.SelectToward(TArrow::Up));
        EXPECT_EQ(editor.Selected(), StartTile);
    }
}

// A completion keeps every pinned tile where it is and gives a map with no
// finding; the map shown and its generator are not touched.
TEST(MapEditor, RerollKeepsThePinnedTiles) {
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
        const auto shown = GeneratedMap(seed);
        const auto before = std::make_unique<TMapState>(*shown);
        TMapEditor editor(*shown, seed);
        for (int tile : {StartTile, 1, 20})
            editor.Apply(editor.TogglePin(tile)->After);
        const TCompletionEdit result = editor.RerollUnpinned();
        ASSERT_TRUE(result.Edit) << result.Sentence;
        for (int tile : {StartTile, 1, 20})
            EXPECT_EQ(result.Edit->After.Tiles[tile], result.Edit->Before.Tiles[tile]);
        editor.Apply(result.Edit->After);
        EXPECT_TRUE(editor.Findings().empty()) << FindingLine(editor.Findings());
        EXPECT_TRUE(SameTiles(*shown, *before));
        EXPECT_EQ(shown->Random.Seed, before->Random.Seed);
    }
}

// Every point of a cell's hexagon, negative columns too, lies in that cell.
TEST(EditorPlaces, PointsOfAHexagonLieInItsCell) {
    const auto state = GeneratedMap(3);
    const TEditorFrame frame = EditorFrame(*state);
    for (std::int32_t col = -3; col <= 3; ++col) {
        for (std::int32_t row = -2; row <= 2; ++row) {
            const TPoint centre = CellCentre({col, row}, frame);
            EXPECT_EQ(CellAt(centre, frame), (TCell{col, row}));
            for (const TPoint& corner : CellHexagon({col, row}, frame)) {
                const TPoint inside{centre.X + 0.9 * (corner.X - centre.X),
                                    centre.Y + 0.9 * (corner.Y - centre.Y)};
                EXPECT_EQ(CellAt(inside, frame), (TCell{col, row}));
            }
        }
    }
}

// An edited map is named after the map its editing began from.
TEST(MapEditor, EditedMapsAreNamedAfterTheirOrigin) {
    const auto state = GeneratedMap(4);
    const std::string line = MakeMapString(*state);
    EXPECT_EQ(EditedSource(TSeedPosition{4, 2}, "", line), "edited from Seed 4, map 2");
    const std::string fromCode = EditedSource(std::nullopt, "pasted code", line);
    EXPECT_EQ(fromCode.rfind("edited from ", 0), 0u);
    EXPECT_GT(fromCode.size(), 30u);
    EXPECT_EQ(EditedSource(std::nullopt, "edited from Seed 4, map 2", line),
              "edited from Seed 4, map 2");
}

} // namespace
} // namespace tavrin
