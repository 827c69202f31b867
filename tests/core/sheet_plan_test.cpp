// The set-up sheet's plan: laws over many maps and the three papers (no box
// on a page overlaps another, no poster part is a sliver or shows only sea,
// every page names its map), and the plans a loaded layout with tiles far
// apart and a size asked per tile give.

#include "acceptance.h"
#include "map_groups.h"
#include "sheet_plan.h"
#include "test_state.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

// The paintable areas of A4, Letter and A3 inside margins of 7 mm, upright.
constexpr double Mm = 72 / 25.4;
const std::vector<std::pair<const char*, TSheetPaper>> Papers{
    {"A4", {(210 - 14) * Mm, (297 - 14) * Mm}},
    {"Letter", {612 - 14 * Mm, 792 - 14 * Mm}},
    {"A3", {(297 - 14) * Mm, (420 - 14) * Mm}}};

std::unique_ptr<TMapState> MadeMap(std::uint32_t seed) {
    auto state = test::FreshState(seed);
    CreateMap(*state);
    return state;
}

// Seed 3's map with every tile but tile 11's group moved `far` columns
// right and rows down: a layout as a loaded or pasted map may hold it.
std::unique_ptr<TMapState> FarFlung(std::int32_t far) {
    auto state = MadeMap(3);
    for (int t = 1; t <= TileCount; ++t)
        if (state->Tiles[t].Col > 0) {
            state->Tiles[t].Col += 2 * far;
            state->Tiles[t].Row += far;
        }
    return state;
}

TSheetPlan Plan(const TMapState& state, TSheetPaper paper, double tileMillimetres = 0) {
    return PlanSheet(state, SheetWords(state, "Seed 3, map 1", "2026-01-02", "example.org/tavrin"),
                     paper, tileMillimetres);
}

// Every box a page shows that must stand clear of the others.
std::vector<std::pair<std::string, TBox>> Boxes(const TSheetPage& page) {
    std::vector<std::pair<std::string, TBox>> boxes;
    for (const TSheetText& text : page.Texts)
        if (text.Part != TSheetPart::Table)
            boxes.emplace_back("text '" + text.Text + "'", text.Box);
    for (const TSheetMapView& view : page.Maps)
        boxes.emplace_back("map", view.Page);
    for (const auto& [name, box] :
         {std::pair{"QR code", page.Qr}, std::pair{"legend mark", page.LegendMark},
          std::pair{"table", page.Table}})
        if (!box.Empty())
            boxes.emplace_back(name, box);
    return boxes;
}

void ExpectSound(const TMapState& state, const TSheetPlan& plan, const std::string& what,
                 const std::string& name = "Seed 3, map 1") {
    ASSERT_FALSE(plan.Pages.empty()) << what;
    const TBox area{0, 0, plan.Width, plan.Height};
    const std::vector<TMapGroup> groups = MapGroups(state);
    int rows = 0;
    for (std::size_t p = 0; p < plan.Pages.size(); ++p) {
        const TSheetPage& page = plan.Pages[p];
        const std::string where = what + ", page " + std::to_string(p + 1);
        const auto boxes = Boxes(page);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(area.Holds(boxes[i].second)) << where << ": " << boxes[i].first;
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(boxes[i].second.Overlaps(boxes[j].second))
                    << where << ": " << boxes[i].first << " and " << boxes[j].first;
        }
        for (const TSheetText& text : page.Texts) {
            if (text.Part == TSheetPart::Table) {
                EXPECT_TRUE(page.Table.Holds(text.Box)) << where << ": cell " << text.Text;
            }
        }
        rows += page.TableRows;
        EXPECT_TRUE(page.TableRows > 0 || !page.Maps.empty()) << where << " shows nothing";
        // Every view shows tiles, and a poster's part is no sliver: it spans
        // its group, or at least a fifth of the page, each way.
        for (const TSheetMapView& view : page.Maps) {
            const auto group = std::find_if(groups.begin(), groups.end(), [&](const TMapGroup& g) {
                return g.Part.Holds(view.Part);
            });
            ASSERT_NE(group, groups.end()) << where;
            const bool showsTile =
                std::any_of(group->Tiles.begin(), group->Tiles.end(), [&](int t) {
                    return TileBox(state, t).Intersected(view.Part).Area() >= 1;
                });
            EXPECT_TRUE(showsTile) << where;
            EXPECT_GE(view.Page.W, std::min(group->Part.W * plan.Scale, plan.Width / 5) - 1e-6)
                << where;
            EXPECT_GE(view.Page.H, std::min(group->Part.H * plan.Scale, plan.Height / 5) - 1e-6)
                << where;
        }
        std::string label;
        for (const TSheetText& text : page.Texts)
            if (text.Part == TSheetPart::PageLabel)
                label += text.Text + " ";
        const bool named = label.starts_with(name.substr(0, 10)) &&
                           label.find("page " + std::to_string(p + 1) + " of " +
                                      std::to_string(plan.Pages.size())) != std::string::npos;
        EXPECT_TRUE(named) << where;
    }
    EXPECT_EQ(rows, TileCount) << what;
}

TEST(SheetPlan, NoBoxOverlapsAnotherAndNoPartIsASliver) {
    for (std::uint32_t seed = 1; seed <= 25; ++seed) {
        const auto state = MadeMap(seed);
        for (const auto& [paper, area] : Papers)
            for (const double size : {0.0, 45.0})
                ExpectSound(*state, Plan(*state, area, size),
                            "seed " + std::to_string(seed) + " on " + paper + " at " +
                                std::to_string(size) + " mm");
    }
    for (const std::int32_t far : {1, 3, 40, 120})
        ExpectSound(*FarFlung(far), Plan(*FarFlung(far), Papers[0].second),
                    "far-flung " + std::to_string(far));
}

TEST(SheetPlan, MostGeneratedMapsTakeTwoA4PagesAtMost) {
    int fewPages = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        const auto state = MadeMap(seed);
        const TSheetPlan plan = Plan(*state, Papers[0].second);
        EXPECT_LE(plan.Pages.size(), 3u) << "seed " << seed;
        fewPages += plan.Pages.size() <= 2;
    }
    EXPECT_GE(fewPages, 30);
}

TEST(SheetPlan, FarFlungLayoutIsShownGroupByGroup) {
    const auto state = FarFlung(40);
    const TSheetPlan plan = Plan(*state, Papers[0].second);
    EXPECT_LE(plan.Pages.size(), 3u);
    std::size_t views = 0;
    for (const TSheetPage& page : plan.Pages)
        views += page.Maps.size();
    EXPECT_EQ(views, MapGroups(*state).size());
    EXPECT_GE(views, 2u);
}

TEST(SheetPlan, SizeAskedPerTileIsKept) {
    const auto state = MadeMap(7);
    const TSheetPlan plan = Plan(*state, Papers[0].second, 100);
    EXPECT_DOUBLE_EQ(plan.Scale * 200, 100 * Mm);
    EXPECT_GT(plan.Pages.size(), 3u);
}

TEST(SheetPlan, LongShareCodeWrapsBesideTheQrCode) {
    // Tiles strewn over the grid take the code's longest form.
    auto state = test::FreshState(1);
    for (int t = 1; t <= TileCount; ++t)
        test::Place(*state, t, (t * 37) % 200 - 100, (t * 53) % 200 - 100, t % 6 + 1);
    const TSheetWords words = SheetWords(*state, "", "2026-01-02", "");
    ASSERT_GT(words.ShareCode.size(), 60u);
    const TSheetPlan plan = PlanSheet(*state, words, Papers[1].second);
    ExpectSound(*state, plan, "strewn", words.ShareCode);
}

} // namespace
} // namespace tavrin
