#pragma once
// The window's map session: the session core (core/session_core.h) with
// signals. No widgets and no rules of its own: the window asks it to make,
// load, open and revisit maps, then shows the tiles when it says the map
// has changed, and its enabled states follow its signals.
//
// Errors of the engine leave the operations as they arise, without a
// signal; the state the engine left stays, as every command leaves it.

#include "map_state.h"
#include "session_core.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

class TMapSession : public QObject {
    Q_OBJECT

public:
    // `state` outlives the session; the generator's seed at this moment
    // starts the session's sequence.
    explicit TMapSession(tavrin::TMapState& state, QObject* parent = nullptr);

    const TMapHistory& History() const { return Core.History(); }
    // The map shown with what names it; null before the first map.
    const THistoryEntry* Current() const { return Core.Current(); }
    bool CanGoBack() const { return Core.CanGoBack(); }
    bool CanGoForward() const { return Core.CanGoForward(); }

    // The seed Create Map's sequence started from, if a number names it.
    std::optional<std::uint32_t> SequenceSeed() const;
    // "Seed N, map k" for the map shown, or empty.
    QString SeedText() const;

    void CreateMap();
    void CreateMapFromSeed(std::uint32_t seed, std::int64_t map = 1);
    void TakeMapFound(std::int64_t made);
    // See TSessionCore::LoadMapLine; `source` says where a map not read from
    // a file came from.
    bool LoadMapLine(std::string_view line, const QString& file, const QString& source = {});
    // The map the text holds; the answer says what to show when none is
    // opened (TSessionCore::OpenText).
    tavrin::TOpenAnswer OpenText(const QString& text, tavrin::TTextSource source);
    void MapSaved(const QString& file);
    bool Back();
    bool Forward();
    void RestoreHistory(std::deque<THistoryEntry> entries);

    // The tiles pinned on the map shown (bit t for tile t): the pins of the
    // share code it was opened from or of the editor it was left from. They
    // stay with that map, through Back and Forward, until another map is
    // pinned.
    std::uint32_t Pins() const;
    void SetPins(std::uint32_t pins);

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

private:
    void Announce();

    tavrin::TSessionCore Core;
    std::string PinnedMap; // the map string the pins belong to
    std::uint32_t PinMask = 0;
};
