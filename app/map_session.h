#pragma once
// The map session: the map shown, what names it, the maps shown before it,
// and the sequence that Create Map goes on with. No widgets: the window asks
// it to make, load and revisit maps, then shows the tiles; the session tells
// whoever listens by signals, and the window's enabled states follow them.
//
// Every map it takes (created, made from a seed, loaded, pasted) is written
// into the tiles with every tile placed and becomes the history's current
// map; Back and Forward write a map of the history into the tiles again.
// Errors of the engine leave the operations as they arise; the state the
// engine left stays, as every command leaves it.

#include "map_history.h"
#include "map_seed.h"
#include "map_state.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

class TMapSession : public QObject {
    Q_OBJECT

public:
    // `state` outlives the session. The generator's seed at this moment
    // starts the session's sequence, so the first Create Map is "map 1" of it.
    explicit TMapSession(tavrin::TMapState& state, QObject* parent = nullptr);

    tavrin::TMapState& State() { return State_; }
    const TMapHistory& History() const { return History_; }
    // The map shown with what names it; null before the first map.
    const THistoryEntry* Current() const { return History_.Current(); }
    bool HasMap() const { return Current() != nullptr; }
    bool CanGoBack() const { return History_.CanGoBack(); }
    bool CanGoForward() const { return History_.CanGoForward(); }

    // The seed Create Map's sequence started from; none once a failed Create
    // Map has left the generator somewhere no number names.
    std::optional<std::uint32_t> SequenceSeed() const;

    // "Seed N, map k" for the map shown; empty when it was not made from a
    // seed in this session.
    QString SeedText() const;

    // Create Map: the next accepted map of the generator's sequence.
    void CreateMap();
    // Sets the generator to `seed` and makes that seed's map `map` (the maps
    // before it are made, not shown); Create Map goes on from there.
    void CreateMapFromSeed(std::uint32_t seed, std::int64_t map = 1);
    // The tiles and the generator hold the map `made` Create Maps further
    // along the sequence (Create Map Until made them on a copy of the
    // state): it is named and taken as the last of them would have been.
    void TakeMapFound(std::int64_t made);

    // A map line read from `file` (empty for a pasted code). False when the
    // line has the wrong length: its message is shown and nothing changes. A
    // bad rotation raises before any tile is written.
    // `source` says where a map not read from a file came from.
    bool LoadMapLine(std::string_view line, const QString& file, const QString& source = {});

    // The map shown now lives in `file` too (it was saved there).
    void MapSaved(const QString& file);

    // Step through the history; false (nothing changed) when there is no map
    // that way.
    bool Back();
    bool Forward();

    // The maps of an earlier run, none of them shown: Back shows the last.
    void RestoreHistory(std::deque<THistoryEntry> entries);

    // Where the map shown stands and where it came from, for the status bar:
    // "map 3 of 8", then its file's name or its source; empty without a map.
    QString PlaceText() const;

signals:
    // The tiles hold another map: list and draw them.
    void mapChanged();
    // What names the map shown (seed and number, file) has changed.
    void namingChanged();
    // Back or Forward became possible or impossible.
    void historyChanged();
    // The first map of the session has come; there is a map from then on.
    void mapPresentChanged(bool present);

private:
    void Take(THistoryEntry entry);
    void ShowEntry(const THistoryEntry& entry);
    void PlaceAllTiles();
    void Announce();

    tavrin::TMapState& State_;
    TMapHistory History_;
    std::optional<TSeedPosition> Sequence_;
};
