#include "map_session.h"

#include "ui_language.h"

#include <QFileInfo>

TMapSession::TMapSession(tavrin::TMapState& state, QObject* parent)
    : QObject(parent), Core(state) {}

std::optional<std::uint32_t> TMapSession::SequenceSeed() const {
    if (const auto sequence = Core.Sequence())
        return sequence->Seed;
    return std::nullopt;
}

QString TMapSession::SeedText() const {
    return QString::fromStdString(Core.SeedText());
}

void TMapSession::CreateMap() {
    Core.CreateMap();
    Announce();
}

void TMapSession::TakeMapFound(std::int64_t made) {
    Core.TakeMapFound(made);
    Announce();
}

void TMapSession::CreateMapFromSeed(std::uint32_t seed, std::int64_t map) {
    Core.CreateMapFromSeed(seed, map);
    Announce();
}

bool TMapSession::LoadMapLine(std::string_view line, const QString& file, const QString& source) {
    if (!Core.LoadMapLine(line, file.toStdString(), source.toStdString()))
        return false;
    Announce();
    return true;
}

tavrin::TOpenAnswer TMapSession::OpenText(const QString& text, tavrin::TTextSource source) {
    const tavrin::TOpenAnswer answer =
        Core.OpenText(tavrin::TextBytes(text.toStdU32String()), source);
    if (answer.End == tavrin::TOpenEnd::Opened) {
        if (answer.Pins != 0)
            SetPins(answer.Pins);
        Announce();
    }
    return answer;
}

void TMapSession::MapSaved(const QString& file) {
    if (Core.MapSaved(file.toStdString()))
        emit namingChanged();
}

bool TMapSession::Back() {
    if (!Core.Back())
        return false;
    Announce();
    return true;
}

bool TMapSession::Forward() {
    if (!Core.Forward())
        return false;
    Announce();
    return true;
}

void TMapSession::RestoreHistory(std::deque<THistoryEntry> entries) {
    Core.RestoreHistory(std::move(entries));
    emit historyChanged();
    emit namingChanged();
}

std::uint32_t TMapSession::Pins() const {
    const THistoryEntry* current = Current();
    return current && current->MapString == PinnedMap ? PinMask : 0;
}

void TMapSession::SetPins(std::uint32_t pins) {
    if (const THistoryEntry* current = Current()) {
        PinnedMap = current->MapString;
        PinMask = pins;
    }
}

QString TMapSession::PlaceText() const {
    const THistoryEntry* current = Current();
    if (!current)
        return {};
    QString text = tr("map %1 of %2").arg(History().Index() + 1).arg(History().Size());
    if (!current->File.empty())
        text += QStringLiteral(", ") + QFileInfo(QString::fromStdString(current->File)).fileName();
    else if (!current->Source.empty())
        text += QStringLiteral(", ") + CoreText(current->Source);
    return text;
}

void TMapSession::Announce() {
    emit historyChanged();
    emit namingChanged();
    emit mapChanged();
}
