#include "kept_maps.h"

#include "settings_keys.h"
#include "settings_store.h"
#include "share_code.h"

#include <QSettings>
#include <algorithm>

namespace {

std::vector<tavrin::TKeptMap> Read(QSettings& settings) {
    std::vector<tavrin::TKeptMap> maps;
    // Entries past the limit are never looked at, however many the list
    // claims to hold.
    const int size = std::min(settings.beginReadArray(SettingsKey::KeptMaps),
                              static_cast<int>(tavrin::KeptMapLimit));
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        if (const auto map =
                tavrin::StoredMapOfCode(settings.value(SettingsKey::Code).toString().toStdString()))
            maps.push_back({settings.value(SettingsKey::Name).toString().toStdString(), *map});
    }
    settings.endArray();
    return maps;
}

void Write(QSettings& settings, const std::vector<tavrin::TKeptMap>& maps) {
    settings.remove(SettingsKey::KeptMaps);
    settings.beginWriteArray(SettingsKey::KeptMaps, static_cast<int>(maps.size()));
    for (int i = 0; i < static_cast<int>(maps.size()); ++i) {
        const tavrin::TKeptMap& map = maps[static_cast<std::size_t>(i)];
        settings.setArrayIndex(i);
        settings.setValue(SettingsKey::Name, QString::fromStdString(map.Name));
        settings.setValue(SettingsKey::Code,
                          QString::fromStdString(tavrin::ShareCode(map.MapString)));
    }
    settings.endArray();
}

} // namespace

std::vector<tavrin::TKeptMap> TKeptMaps::Maps() const {
    Store.Refresh();
    return Read(Store.Settings());
}

bool TKeptMaps::Add(tavrin::TKeptMap map) {
    return Change(
        [&map](std::vector<tavrin::TKeptMap>& maps) { tavrin::KeepMap(maps, std::move(map)); });
}

bool TKeptMaps::Remove(const tavrin::TKeptMap& map) {
    return Change(
        [&map](std::vector<tavrin::TKeptMap>& maps) { tavrin::RemoveKeptMap(maps, map); });
}

bool TKeptMaps::Change(const std::function<void(std::vector<tavrin::TKeptMap>&)>& change) {
    return Store.Change([&change](QSettings& settings) {
        std::vector<tavrin::TKeptMap> maps = Read(settings);
        change(maps);
        Write(settings, maps);
    });
}
