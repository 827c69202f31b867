#include "map_session.h"

#include "acceptance.h"
#include "map_string.h"

#include <QFileInfo>

TMapSession::TMapSession(tavrin::TMapState& state, QObject* parent)
    : QObject(parent), State_(state), Sequence_(TSeedPosition{state.Random.Seed, 0}) {}

std::optional<std::uint32_t> TMapSession::SequenceSeed() const {
    if (!Sequence_)
        return std::nullopt;
    return Sequence_->Seed;
}

QString TMapSession::SeedText() const {
    const THistoryEntry* current = Current();
    if (!current || !current->Position)
        return {};
    return QString::fromStdString(::SeedText(*current->Position));
}

// A Create Map that fails part-way leaves the generator somewhere in its
// sequence that no number names, so the maps after it have no seed text.
void TMapSession::CreateMap() {
    try {
        tavrin::CreateMap(State_);
    } catch (...) {
        Sequence_.reset();
        throw;
    }
    if (Sequence_)
        ++Sequence_->Map;
    Take({tavrin::MakeMapString(State_), Sequence_, {}, {}});
}

void TMapSession::TakeMapFound(std::int64_t made) {
    if (Sequence_)
        Sequence_->Map += made;
    Take({tavrin::MakeMapString(State_), Sequence_, {}, {}});
}

void TMapSession::CreateMapFromSeed(std::uint32_t seed, std::int64_t map) {
    State_.Random.Seed = seed;
    Sequence_ = TSeedPosition{seed, 0};
    try {
        for (; Sequence_->Map + 1 < map; ++Sequence_->Map)
            tavrin::CreateMap(State_);
    } catch (...) {
        Sequence_.reset();
        throw;
    }
    CreateMap();
}

// Routes follow roads across an edge only between placed tiles, and nothing
// but Create Map places tiles: a map loaded before any was created could not
// be queried. A loaded map is complete, so every tile of it is placed.
bool TMapSession::LoadMapLine(std::string_view line, const QString& file, const QString& source) {
    if (!tavrin::ReadMapString(State_, line))
        return false;
    PlaceAllTiles();
    Take({std::string(line), std::nullopt, file.toStdString(), source.toStdString()});
    return true;
}

void TMapSession::MapSaved(const QString& file) {
    if (!HasMap() || History_.Current()->File == file.toStdString())
        return;
    History_.NameCurrent(file.toStdString());
    emit namingChanged();
}

bool TMapSession::Back() {
    if (!CanGoBack())
        return false;
    const bool first = !HasMap();
    ShowEntry(History_.Back());
    if (first)
        emit mapPresentChanged(true);
    return true;
}

bool TMapSession::Forward() {
    if (!CanGoForward())
        return false;
    ShowEntry(History_.Forward());
    return true;
}

void TMapSession::RestoreHistory(std::deque<THistoryEntry> entries) {
    History_.Restore(std::move(entries));
    emit historyChanged();
    emit namingChanged();
}

QString TMapSession::PlaceText() const {
    const THistoryEntry* current = Current();
    if (!current)
        return {};
    QString text = QStringLiteral("map %1 of %2").arg(History_.Index() + 1).arg(History_.Size());
    if (!current->File.empty())
        text += QStringLiteral(", ") + QFileInfo(QString::fromStdString(current->File)).fileName();
    else if (!current->Source.empty())
        text += QStringLiteral(", ") + QString::fromStdString(current->Source);
    return text;
}

void TMapSession::PlaceAllTiles() {
    for (int t = 1; t <= tavrin::TileCount; ++t)
        State_.Tiles[t].Placed = true;
}

// The tiles hold a new map: it becomes the history's current map (dropping
// the maps ahead) and everyone hears of it.
void TMapSession::Take(THistoryEntry entry) {
    const bool first = !HasMap();
    History_.Add(std::move(entry));
    if (first)
        emit mapPresentChanged(true);
    Announce();
}

// Every map of the history was complete when it was shown, so every tile of
// it is placed again.
void TMapSession::ShowEntry(const THistoryEntry& entry) {
    if (!tavrin::ReadMapString(State_, entry.MapString))
        return;
    PlaceAllTiles();
    Announce();
}

void TMapSession::Announce() {
    emit historyChanged();
    emit namingChanged();
    emit mapChanged();
}
