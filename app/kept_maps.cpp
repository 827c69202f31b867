#include "kept_maps.h"

#include "share_code.h"

#include <QSettings>

namespace {

const QString MapsKey = QStringLiteral("KeptMaps");
const QString NameKey = QStringLiteral("Name");
const QString CodeKey = QStringLiteral("Code");

} // namespace

QString StoredMap(const std::string& mapString) {
    return QString::fromStdString(tavrin::ShareCode(mapString));
}

std::optional<std::string> StoredMapString(const QString& stored) {
    try {
        return tavrin::MapStringOfShareCode(stored.toStdString());
    } catch (const tavrin::EShareCodeMistake&) {
        return std::nullopt;
    }
}

QList<TKeptMap> TKeptMaps::Maps() const {
    QList<TKeptMap> maps;
    const int size = Settings.beginReadArray(MapsKey);
    for (int i = 0; i < size && maps.size() < Limit; ++i) {
        Settings.setArrayIndex(i);
        if (const auto map = StoredMapString(Settings.value(CodeKey).toString()))
            maps.append({Settings.value(NameKey).toString(), *map});
    }
    Settings.endArray();
    return maps;
}

// The list's rules are the core's (core/kept_map_list.h); this class only
// reads and writes it.
tavrin::TKeptMapList TKeptMaps::List() const {
    std::vector<tavrin::TKeptMapEntry> entries;
    for (const TKeptMap& map : Maps())
        entries.push_back({map.Name.toStdString(), map.MapString});
    return tavrin::TKeptMapList(std::move(entries));
}

void TKeptMaps::Add(const TKeptMap& map) {
    tavrin::TKeptMapList list = List();
    list.Add({map.Name.toStdString(), map.MapString});
    Write(list);
}

void TKeptMaps::Remove(qsizetype index) {
    tavrin::TKeptMapList list = List();
    if (index >= 0 && list.Remove(static_cast<std::size_t>(index)))
        Write(list);
}

void TKeptMaps::Write(const tavrin::TKeptMapList& list) {
    const std::vector<tavrin::TKeptMapEntry>& maps = list.Maps();
    Settings.remove(MapsKey);
    Settings.beginWriteArray(MapsKey, static_cast<int>(maps.size()));
    for (int i = 0; i < static_cast<int>(maps.size()); ++i) {
        Settings.setArrayIndex(i);
        Settings.setValue(NameKey, QString::fromStdString(maps[static_cast<std::size_t>(i)].Name));
        Settings.setValue(CodeKey, StoredMap(maps[static_cast<std::size_t>(i)].MapString));
    }
    Settings.endArray();
}
