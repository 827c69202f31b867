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

void TKeptMaps::Add(const TKeptMap& map) {
    QList<TKeptMap> maps = Maps();
    maps.prepend(map);
    Write(maps.mid(0, Limit));
}

void TKeptMaps::Remove(qsizetype index) {
    QList<TKeptMap> maps = Maps();
    if (index >= 0 && index < maps.size())
        maps.removeAt(index);
    Write(maps);
}

void TKeptMaps::Write(const QList<TKeptMap>& maps) {
    Settings.remove(MapsKey);
    Settings.beginWriteArray(MapsKey, static_cast<int>(maps.size()));
    for (int i = 0; i < maps.size(); ++i) {
        Settings.setArrayIndex(i);
        Settings.setValue(NameKey, maps[i].Name);
        Settings.setValue(CodeKey, StoredMap(maps[i].MapString));
    }
    Settings.endArray();
}
