#pragma once
// The map session every door wraps: the map shown, what names it, the maps
// shown before it, and the place in the generator's sequence that Create Map
// goes on from. The window adapts it to signals (app/map_session.h), the web
// page and tavrin-cli call it as it is.
//
// Every map it takes (created, made from a seed, loaded, opened from text)
// is written into the tiles with every tile placed and becomes the
// history's current map; Back and Forward write a map of the history into
// the tiles again. Errors of the engine leave the operations as they arise;
// the state the engine left stays, as every command of the window leaves it
// (a door that wants the map before it back restores it itself).

#include "map_history.h"
#include "map_seed.h"
#include "map_state.h"
#include "map_text_answer.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

class TSessionCore {
public:
    // `state` outlives the session. The generator's seed at this moment
    // starts the session's sequence, so the first Create Map is "map 1" of it.
    explicit TSessionCore(TMapState& state);

    const TMapHistory& History() const { return History_; }
    // The map shown with what names it; null before the first map.
    const THistoryEntry* Current() const { return History_.Current(); }
    bool CanGoBack() const { return History_.CanGoBack(); }
    bool CanGoForward() const { return History_.CanGoForward(); }

    // Where Create Map goes on from: the seed and the maps made of it so
    // far; none once a failed Create Map has left the generator somewhere no
    // number names.
    std::optional<TSeedPosition> Sequence() const { return Sequence_; }
    // Puts the sequence back where it was before a command that failed, for
    // a door that restores the generator too.
    void ResumeSequence(std::optional<TSeedPosition> sequence) { Sequence_ = sequence; }

    // "Seed N, map k" for the map shown; empty when it was not made from a
    // seed in this session.
    std::string SeedText() const;

    // Create Map: the next accepted map of the generator's sequence.
    void CreateMap();
    // Sets the generator to `seed` and makes that seed's map `map` (the maps
    // before it are made, not shown); Create Map goes on from there.
    void CreateMapFromSeed(std::uint32_t seed, std::int64_t map = 1);
    // The tiles and the generator hold the map `made` Create Maps further
    // along the sequence (Create Map Until made them on a copy of the
    // state): it is named and taken as the last of them would have been.
    void TakeMapFound(std::int64_t made);

    // A map line read from `file` (empty when the map came from elsewhere;
    // `source` says from where). False when the line has the wrong length:
    // the engine has said so and nothing changes. A bad rotation raises
    // before any tile is written.
    bool LoadMapLine(std::string_view line, std::string file, std::string source = {});

    // The map the text holds, in any form the map code finder reads (a share
    // code, a tavrin: link, a map string, "seed N" or "N/k", with words
    // around it or not), with the answer its source gives.
    TOpenAnswer OpenText(std::string_view bytes, TTextSource source);

    // The map shown now lives in `file` too (it was saved there). False when
    // that changes nothing.
    bool MapSaved(const std::string& file);

    // Step through the history; false (nothing changed) when there is no map
    // that way.
    bool Back();
    bool Forward();

    // The maps of an earlier run, none of them shown: Back shows the last.
    void RestoreHistory(std::deque<THistoryEntry> entries) { History_.Restore(std::move(entries)); }

private:
    void PlaceAllTiles();

    TMapState& State_;
    TMapHistory History_;
    std::optional<TSeedPosition> Sequence_;
};

} // namespace tavrin
