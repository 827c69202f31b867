#include "sheet_plan.h"

#include "errors.h"
#include "map_groups.h"
#include "map_layout.h"
#include "rotation_mark.h"
#include "sheet_header.h"
#include "sheet_table.h"
#include "tile_name_places.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tavrin {
namespace {

constexpr double PointsPerMillimetre = 72 / 25.4;
constexpr double Gap = 10;       // between the header, the maps and the table
constexpr double GridPoints = 7; // grid numbers
constexpr double GridSpace = 2;  // between a grid number and the map

// Room for the grid numbers round a view: row numbers to its left, column
// numbers above and below.
struct TGridRoom {
    double Left = 0;
    double Above = 0;
};

TGridRoom GridRoom(const TMapState& state) {
    TGridRoom room;
    for (int t = 1; t <= TileCount; ++t)
        room.Left = std::max(
            room.Left, TextWidth(std::to_string(state.Tiles[t].Row), TSheetFont::Sans, GridPoints));
    room.Left += 2 * GridSpace;
    room.Above = LineHeight(GridPoints) + GridSpace;
    return room;
}

// A view with the room its grid numbers take round it.
TBox Footprint(const TBox& part, double scale, const TGridRoom& grid) {
    return {0, 0, grid.Left + part.W * scale, 2 * grid.Above + part.H * scale};
}

// Where shelf packing puts each part's footprint in a room of `w` x `h`
// (footprint top-left corners); nothing when one does not fit.
std::optional<std::vector<TBox>> Pack(const std::vector<TBox>& parts, double scale, double w,
                                      double h, const TGridRoom& grid) {
    std::vector<TBox> placed;
    double x = 0, y = 0, shelf = 0;
    for (const TBox& part : parts) {
        TBox box = Footprint(part, scale, grid);
        if (box.W > w)
            return std::nullopt;
        if (x > 0 && x + box.W > w) {
            y += shelf + Gap;
            x = 0;
            shelf = 0;
        }
        box.X = x;
        box.Y = y;
        if (box.Bottom() > h)
            return std::nullopt;
        placed.push_back(box);
        x += box.W + Gap;
        shelf = std::max(shelf, box.H);
    }
    return placed;
}

// The largest scale at which the parts pack into `w` x `h`; 0 when none.
double FitScale(const std::vector<TBox>& parts, double w, double h, const TGridRoom& grid) {
    double high = std::numeric_limits<double>::max();
    for (const TBox& part : parts)
        high = std::min({high, (w - grid.Left) / part.W, (h - 2 * grid.Above) / part.H});
    if (high <= 0)
        return 0;
    if (Pack(parts, high, w, h, grid))
        return high;
    double low = 0;
    for (int i = 0; i < 40; ++i) {
        const double mid = (low + high) / 2;
        (Pack(parts, mid, w, h, grid) ? low : high) = mid;
    }
    return low;
}

// Puts a view of `part` of group `group` on the page, its footprint's
// top-left corner at `at`, with the grid numbers of the columns and rows
// whose middles it shows.
void AddView(TSheetPage& page, const TMapState& state, const TMapGroup& group, const TBox& part,
             double scale, const TGridRoom& grid, double atX, double atY) {
    const TSheetMapView view{{atX + grid.Left, atY + grid.Above, part.W * scale, part.H * scale},
                             part};
    page.Maps.push_back(view);
    const TLayoutBox box = LayoutBox(state);
    std::int32_t minCol = state.Tiles[group.Tiles.front()].Col, maxCol = minCol;
    std::int32_t minRow = state.Tiles[group.Tiles.front()].Row, maxRow = minRow;
    for (const int t : group.Tiles) {
        minCol = std::min(minCol, state.Tiles[t].Col);
        maxCol = std::max(maxCol, state.Tiles[t].Col);
        minRow = std::min(minRow, state.Tiles[t].Row);
        maxRow = std::max(maxRow, state.Tiles[t].Row);
    }
    const double line = LineHeight(GridPoints);
    const auto label = [&](const TBox& at, const std::string& text, TBox& last) {
        if (last.Overlaps(at))
            return;
        page.Texts.push_back(
            {at, text, TSheetFont::Sans, GridPoints, TSheetAlign::Centre, TSheetPart::Grid});
        last = at;
    };
    std::optional<std::int32_t> left;
    TBox lastAbove, lastBelow, lastRow;
    for (std::int32_t col = minCol; col <= maxCol; ++col) {
        const double middle = TileX(col) + box.OffsetX() + TileBoxSide / 2.0;
        if (middle < part.X || middle > part.Right())
            continue;
        if (!left)
            left = col;
        const std::string text = std::to_string(col);
        const double w = TextWidth(text, TSheetFont::Sans, GridPoints) + 2;
        const double x = std::clamp(view.Page.X + (middle - part.X) * scale - w / 2, view.Page.X,
                                    view.Page.Right() - w);
        label({x, view.Page.Y - grid.Above, w, line}, text, lastAbove);
        label({x, view.Page.Bottom() + GridSpace, w, line}, text, lastBelow);
    }
    if (!left)
        return;
    // Rows by the leftmost column shown; a row whose middle there lies just
    // off the view (other columns reach further) is numbered at its edge.
    for (std::int32_t row = minRow; row <= maxRow; ++row) {
        const double middle = TileY(*left, row) + box.OffsetY() + 175 / 2.0;
        if (middle < part.Y - RowStep / 2.0 || middle > part.Bottom() + RowStep / 2.0)
            continue;
        const double y = std::clamp(view.Page.Y + (middle - part.Y) * scale - line / 2, view.Page.Y,
                                    view.Page.Bottom() - line);
        label({atX, y, grid.Left - GridSpace, line}, std::to_string(row), lastRow);
    }
}

// A poster's cut of a group: how many parts along each way, and the parts.
struct TCut {
    int Columns = 1;
    int Rows = 1;
    std::vector<TBox> Parts; // row by row; an empty box where a part holds no tile
};

int PartsAlong(double length, double part, double overlap) {
    if (length <= part)
        return 1;
    return 1 + static_cast<int>(std::ceil((length - part) / (part - overlap) - 1e-9));
}

// Parts of equal size (so that none is a sliver) that overlap by `overlap`.
TCut Cut(const TMapState& state, const TMapGroup& group, double pw, double ph, double overlap) {
    TCut cut;
    const TBox& whole = group.Part;
    cut.Columns = PartsAlong(whole.W, pw, overlap);
    cut.Rows = PartsAlong(whole.H, ph, overlap);
    const double w = (whole.W + (cut.Columns - 1) * overlap) / cut.Columns;
    const double h = (whole.H + (cut.Rows - 1) * overlap) / cut.Rows;
    for (int r = 0; r < cut.Rows; ++r)
        for (int c = 0; c < cut.Columns; ++c) {
            const TBox part{whole.X + c * (w - overlap), whole.Y + r * (h - overlap), w, h};
            const bool holdsTile = std::any_of(group.Tiles.begin(), group.Tiles.end(), [&](int t) {
                return TileBox(state, t).Intersected(part).Area() >= 1;
            });
            cut.Parts.push_back(holdsTile ? part : TBox{});
        }
    return cut;
}

// Dashed lines on the view of part (r, c) where its neighbours' parts begin.
void AddDashes(TSheetPage& page, const TCut& cut, int r, int c, double scale) {
    const TSheetMapView& view = page.Maps.back();
    const auto at = [&](int rr, int cc) -> const TBox* {
        if (rr < 0 || cc < 0 || rr >= cut.Rows || cc >= cut.Columns)
            return nullptr;
        const TBox& part = cut.Parts[static_cast<std::size_t>(rr * cut.Columns + cc)];
        return part.Empty() ? nullptr : &part;
    };
    const TBox& part = view.Part;
    const auto vertical = [&](double x) {
        const double px = view.Page.X + (x - part.X) * scale;
        page.Dashes.push_back({px, view.Page.Y, px, view.Page.Bottom()});
    };
    const auto horizontal = [&](double y) {
        const double py = view.Page.Y + (y - part.Y) * scale;
        page.Dashes.push_back({view.Page.X, py, view.Page.Right(), py});
    };
    if (const TBox* n = at(r, c + 1))
        vertical(n->X);
    if (const TBox* n = at(r, c - 1))
        vertical(n->Right());
    if (const TBox* n = at(r + 1, c))
        horizontal(n->Y);
    if (const TBox* n = at(r - 1, c))
        horizontal(n->Bottom());
}

// The label at the foot of every page: the map's name and the page's place.
double LabelHeight(const TSheetWords& words, double width) {
    const std::string longest = words.MapName + ": page 99 of 99, map part row 99, column 99";
    return static_cast<double>(WrapText(longest, TSheetFont::Sans, SheetBodyPoints, width).size()) *
           LineHeight(SheetBodyPoints);
}

void AddPageLabels(TSheetPlan& plan, const TSheetWords& words,
                   const std::vector<std::string>& extras) {
    const double line = LineHeight(SheetBodyPoints);
    const double height = LabelHeight(words, plan.Width);
    const std::size_t count = plan.Pages.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string text = words.MapName + ": page " + std::to_string(i + 1) + " of " +
                                 std::to_string(count) + extras[i];
        double y = plan.Height - height;
        for (const std::string& piece :
             WrapText(text, TSheetFont::Sans, SheetBodyPoints, plan.Width)) {
            plan.Pages[i].Texts.push_back(
                {{0, y, TextWidth(piece, TSheetFont::Sans, SheetBodyPoints), line},
                 piece,
                 TSheetFont::Sans,
                 SheetBodyPoints,
                 TSheetAlign::Left,
                 TSheetPart::PageLabel});
            y += line;
        }
    }
}

void AddHeader(TSheetPage& page, const TSheetHeader& header) {
    page.Texts.insert(page.Texts.end(), header.Texts.begin(), header.Texts.end());
    page.Qr = header.Qr;
    page.LegendMark = header.LegendMark;
    page.LegendArrow = header.LegendArrow;
}

// A sheet whose map fits whole: on the header's page, with the table below
// or beside it (`table` 1 or 2) or on a page of its own (0).
struct TWhole {
    bool Landscape = false;
    int Table = 0;
    double Scale = 0;
};

} // namespace

TSheetPaper PaperArea(std::string_view name) {
    std::string word(name);
    for (char& c : word)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    const auto area = [](double w, double h) {
        return TSheetPaper{(w - 2 * SheetMarginMillimetres) * PointsPerMillimetre,
                           (h - 2 * SheetMarginMillimetres) * PointsPerMillimetre};
    };
    if (word == "a4")
        return area(210, 297);
    if (word == "letter")
        return area(215.9, 279.4);
    if (word == "a3")
        return area(297, 420);
    throw ETavrinError("The paper must be A4, Letter or A3");
}

TSheetPlan PlanSheet(const TMapState& state, const TSheetWords& words, TSheetPaper paper,
                     double tileMillimetres) {
    const std::vector<TMapGroup> groups = MapGroups(state);
    std::vector<TBox> parts;
    for (const TMapGroup& group : groups)
        parts.push_back(group.Part);
    const double asked = tileMillimetres * PointsPerMillimetre / TileBoxSide;
    const double needed = asked > 0 ? asked : ReadableScale(state);
    const TGridRoom grid = GridRoom(state);
    const TSheetTable table = MeasureTable(words);

    TSheetPlan plan;
    plan.QrText = words.Link;
    for (int t = 1; t <= TileCount; ++t) {
        const TBox at = TileBox(state, t);
        auto mark = RotationMarkOf(state.Tiles[t], t, state.Tiles[t].Rotation);
        for (tileart::TPoint& p : mark)
            p = {p.X + at.X, p.Y + at.Y};
        plan.Marks[static_cast<std::size_t>(t - 1)] = mark;
    }
    const auto area = [&](bool landscape) {
        return landscape ? TSheetPaper{paper.Height, paper.Width} : paper;
    };
    const auto scaleIn = [&](double w, double h) {
        if (asked > 0)
            return Pack(parts, asked, w, h, grid) ? asked : 0.0;
        return FitScale(parts, w, h, grid);
    };

    // One page with the table if it can be, else the table on a second.
    std::optional<TWhole> best;
    for (const bool twoPages : {false, true}) {
        for (const bool landscape : {false, true}) {
            const TSheetPaper room = area(landscape);
            const double top = SheetHeader(words, room.Width, false).Height + Gap;
            const double bottom = room.Height - LabelHeight(words, room.Width) - Gap;
            for (const int where : twoPages ? std::vector<int>{0} : std::vector<int>{1, 2}) {
                const double w = where == 2 ? room.Width - table.Width() - Gap : room.Width;
                const double h = where == 1 ? bottom - top - table.Height() - Gap : bottom - top;
                const double s = scaleIn(w, h);
                if (s >= needed - 1e-9 && (!best || s > best->Scale))
                    best = TWhole{landscape, where, s};
            }
        }
        if (best)
            break;
    }
    if (best) {
        plan.Landscape = best->Landscape;
        const TSheetPaper room = area(plan.Landscape);
        plan.Width = room.Width;
        plan.Height = room.Height;
        plan.Scale = best->Scale;
        const TSheetHeader header = SheetHeader(words, room.Width, false);
        const double top = header.Height + Gap;
        const double bottom = room.Height - LabelHeight(words, room.Width) - Gap;
        const double w = best->Table == 2 ? room.Width - table.Width() - Gap : room.Width;
        const double h = best->Table == 1 ? bottom - top - table.Height() - Gap : bottom - top;
        const std::vector<TBox> placed = *Pack(parts, plan.Scale, w, h, grid);
        TSheetPage page;
        AddHeader(page, header);
        double usedW = 0, usedH = 0;
        for (std::size_t i = 0; i < groups.size(); ++i) {
            AddView(page, state, groups[i], parts[i], plan.Scale, grid, placed[i].X,
                    top + placed[i].Y);
            usedW = std::max(usedW, placed[i].Right());
            usedH = std::max(usedH, placed[i].Bottom());
        }
        plan.Pages.push_back(page);
        if (best->Table == 0)
            plan.Pages.emplace_back();
        TSheetPage& tablePage = plan.Pages.back();
        if (best->Table == 0)
            PlaceTable(tablePage, table, words, 0, 0);
        else if (best->Table == 1)
            PlaceTable(tablePage, table, words, 0, top + usedH + Gap);
        else
            PlaceTable(tablePage, table, words, usedW + Gap, top);
        AddPageLabels(plan, words, std::vector<std::string>(plan.Pages.size()));
        return plan;
    }

    // A poster: the header and the table, then the map's parts at the size
    // needed, in the orientation that takes fewer pages (upright on a tie).
    std::optional<TSheetPlan> poster;
    for (const bool landscape : {false, true}) {
        TSheetPlan candidate = plan;
        const TSheetPaper room = area(landscape);
        candidate.Landscape = landscape;
        candidate.Width = room.Width;
        candidate.Height = room.Height;
        candidate.Scale = needed;
        const double labels = LabelHeight(words, room.Width);
        const double roomH = room.Height - labels - Gap;
        const double pw = (room.Width - grid.Left) / needed;
        const double ph = (roomH - 2 * grid.Above) / needed;
        const double overlap = PosterOverlap / needed;
        if (pw <= 2 * overlap || ph <= 2 * overlap)
            continue;
        std::vector<TCut> cuts;
        bool anyCut = false;
        for (const TMapGroup& group : groups) {
            cuts.push_back(Cut(state, group, pw, ph, overlap));
            anyCut = anyCut || cuts.back().Parts.size() > 1;
        }
        const TSheetHeader header = SheetHeader(words, room.Width, anyCut);
        TSheetPage first;
        AddHeader(first, header);
        PlaceTable(first, table, words, 0, header.Height + Gap);
        candidate.Pages.push_back(first);
        std::vector<std::string> extras(1);

        // Groups whole on a page share pages; cut ones take a page a part.
        std::vector<std::size_t> whole;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            const TCut& cut = cuts[g];
            if (cut.Parts.size() == 1) {
                whole.push_back(g);
                continue;
            }
            for (int r = 0; r < cut.Rows; ++r)
                for (int c = 0; c < cut.Columns; ++c) {
                    const TBox& part = cut.Parts[static_cast<std::size_t>(r * cut.Columns + c)];
                    if (part.Empty())
                        continue;
                    TSheetPage page;
                    AddView(page, state, groups[g], part, needed, grid, 0, 0);
                    AddDashes(page, cut, r, c, needed);
                    candidate.Pages.push_back(page);
                    extras.push_back(", map part row " + std::to_string(r + 1) + ", column " +
                                     std::to_string(c + 1));
                }
        }
        for (std::size_t i = 0; i < whole.size();) {
            // As many of the whole groups as fit on the next page.
            std::size_t n = whole.size() - i;
            std::vector<TBox> some;
            while (n > 1) {
                some.clear();
                for (std::size_t k = i; k < i + n; ++k)
                    some.push_back(parts[whole[k]]);
                if (Pack(some, needed, room.Width, roomH, grid))
                    break;
                --n;
            }
            some.clear();
            for (std::size_t k = i; k < i + n; ++k)
                some.push_back(parts[whole[k]]);
            const std::vector<TBox> placed = *Pack(some, needed, room.Width, roomH, grid);
            TSheetPage page;
            for (std::size_t k = 0; k < n; ++k)
                AddView(page, state, groups[whole[i + k]], parts[whole[i + k]], needed, grid,
                        placed[k].X, placed[k].Y);
            candidate.Pages.push_back(page);
            extras.emplace_back();
            i += n;
        }
        AddPageLabels(candidate, words, extras);
        if (!poster || candidate.Pages.size() < poster->Pages.size())
            poster = std::move(candidate);
    }
    if (poster)
        return *poster;
    return plan; // no page at all: the paper cannot take the map at that size
}

} // namespace tavrin
