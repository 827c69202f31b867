#pragma once
// The web page's one map session: the session core over an engine state of
// its own, and what the page draws from the map shown. Plain C++ over the
// core and the map geometry; the binding only converts its answers for
// JavaScript. Every command ends in one of two ways: done, or refused with
// the text to show, the map and the sequence before it kept as they were.

#include "criteria_explanation.h"
#include "layout_completion.h"
#include "location.h"
#include "map_criteria.h"
#include "map_figures.h"
#include "map_layout.h"
#include "map_places.h"
#include "map_state.h"
#include "route_search.h"
#include "session_core.h"
#include "sheet_plan.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::web {

// The name the page gives a map not made from a seed.
inline constexpr const char* PastedMapName = "Pasted map";

// What ended a command, with the text the page shows for it.
struct TRefusal {
    std::string Text;
};

struct TPageMap {
    std::string MapString;            // the 60 map-string bytes (Latin-1)
    std::vector<std::string> Listing; // the 20 lines of the tile listing
    std::vector<std::string> Names;   // the tiles' display names, in tile order
    std::string ShareCode;            // the map's share code, grouped
    TMapFigures Figures;
    std::vector<TPoint> CutOff;        // where the clearings the start cannot reach lie
    std::optional<std::uint32_t> Seed; // set when the map is "Seed N, map k"
    std::int64_t Number = 0;
    std::string Name;       // "Seed N, map k", or "Pasted map"
    std::string KeyFigures; // "95/95 reachable, longest 17"
    TLayoutBox Box;
    TMapPlaces Places;
    // An edited map (one shared with pins, or with findings): the page shows
    // its finding line and marks, and offers Complete Map and Re-roll Unpinned.
    bool Edited = false;
    std::string FindingLine;
    std::vector<std::array<TPoint, 2>> Bars; // along every edge whose roads disagree
    std::vector<TPoint> Rings;               // on every clearing no road reaches
    std::vector<int> Pins;                   // the pinned tiles, in tile order
};

struct TPageRoute {
    std::vector<std::string> Lines; // as the route query lists them
    bool Found = false;
    std::vector<TPoint> Stops;              // every clearing on the way, start first
    std::vector<std::vector<TPoint>> Roads; // the course of each road, in order
};

class TPageSession {
public:
    // A fresh engine with the generator seeded from the clock, as the
    // program starts; "Seed N, map k" counts from there.
    TPageSession();
    TPageSession(const TPageSession&) = delete;
    TPageSession& operator=(const TPageSession&) = delete;

    // Create Map: the next map of the generator's sequence.
    TPageMap CreateMap();
    // The map a text holds, read as the window's Paste Map Code reads the
    // clipboard (a share code, a tavrin: link, a map string, "seed N" or
    // "N/k", with other words around it or not), from the page's address
    // (after its "#") or its box. A text with none, or a code with a
    // mistake, is refused in the core's words for its source; an address
    // that asks for nothing answers nothing.
    std::optional<TPageMap> OpenText(std::u32string_view text, TTextSource source);

    // Create Map Until, a slice at a time so that the page stays responsive:
    // StartSearch reads the criteria (a bad one is refused with its one-line
    // text); each SearchOn runs up to `maps` more maps of the generator's
    // sequence on a copy of the engine, and answers the map that meets the
    // criteria, named by seed and number, or nothing yet. Past MapSearchLimit
    // maps in all the search gives up with its message. The map shown stays
    // until a map is found.
    // A wish no map can meet is refused at once with its one-line reason.
    void StartSearch(std::string_view criteria);
    std::optional<TPageMap> SearchOn(std::int64_t maps);
    std::int64_t SearchTried() const { return SearchMaps; }

    // How the sample meets `criteria`, after growing it by up to `grow` maps
    // (the page grows it a slice at a time); a bad or impossible wish is
    // refused in its one line.
    TWishExplanation ExplainWish(std::string_view criteria, int grow);
    std::int64_t WishSampleTarget() const { return WishSampleSize; }

    // The editor's completions of the map shown, by the core's editing
    // rules: Complete Map keeps every tile, Re-roll Unpinned only the pinned
    // ones (the pins stay). Each draws from the page's own completion seeds,
    // never from the Create Map sequence; the completed map is a new map in
    // the history. A map that cannot be completed is refused in words, the
    // map shown kept.
    TPageMap CompleteMap();
    TPageMap RerollUnpinned();

    TPageRoute Route(TLocation from, TLocation to) const;
    // The clearing under picture point `p` within `reach` pixels, or none.
    TLocation ClearingAt(TPoint p, double reach) const;
    // Where a clearing lies on the picture of the map shown.
    TPoint ClearingCentre(TLocation location) const;

    // Messages the engine showed during the last command ("Internal error:
    // nposs=..."), in order; the command went on after each.
    const std::vector<std::string>& Messages() const { return Sink.Texts; }
    // The map string of the tiles as they are.
    std::string MapString() const;
    // The set-up sheet of the map shown on `paper` (A4, Letter or A3), dated
    // `date`, its QR code opening the page at `address`.
    TSheetPlan SheetPlan(std::string_view paper, std::string_view date,
                         std::string_view address) const;

private:
    struct TCollectedMessages : IMessageSink {
        std::vector<std::string> Texts;
        void ShowMessage(std::string_view text) override { Texts.emplace_back(text); }
    };
    // Lays the map out as the window draws it, and names it.
    TPageMap Shown();
    // Runs `change` on the tiles; if it throws, the map before it comes back.
    template <typename Change> void Guarded(Change change);
    TPageMap Complete(bool reroll);

    std::unique_ptr<TMapState> State = std::make_unique<TMapState>();
    TCollectedMessages Sink;
    std::unique_ptr<TSessionCore> Core;
    // The engine as it was before the command under way, to go back to.
    std::unique_ptr<TMapState> Before = std::make_unique<TMapState>();
    // The search under way: its criteria, its engine and the maps it made.
    TCriteria SearchCriteria;
    std::unique_ptr<TMapState> SearchState;
    std::int64_t SearchMaps = 0;
    // The sample a wish is explained by, made only once the page asks.
    std::unique_ptr<TWishSample> WishSample;
    // The tiles the shared code pinned, kept through re-rolls.
    TTileSet Pins{};
    // The seed of the next completion: the page's own generator.
    std::uint32_t CompletionSeed = 0;
    // The map shown is a completion, named by where its editing began.
    bool CompletedShown = false;
};

} // namespace tavrin::web
