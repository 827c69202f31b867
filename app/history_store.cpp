#include "history_store.h"

#include "kept_maps.h"

#include <QSettings>

namespace {

const QString HistoryKey = QStringLiteral("History");
const QString CodeKey = QStringLiteral("Code");
const QString SeedKey = QStringLiteral("Seed");
const QString MapKey = QStringLiteral("Map");
const QString FileKey = QStringLiteral("File");
const QString SourceKey = QStringLiteral("Source");

bool RotationsValid(const std::string& map) {
    for (std::size_t r = 2; r < map.size(); r += 3)
        if (map[r] < 'e' || map[r] > 'j')
            return false;
    return true;
}

} // namespace

void StoreHistory(QSettings& settings, const TMapHistory& history) {
    const std::deque<THistoryEntry> entries = history.Kept();
    settings.remove(HistoryKey);
    settings.beginWriteArray(HistoryKey, static_cast<int>(entries.size()));
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const THistoryEntry& entry = entries[static_cast<std::size_t>(i)];
        settings.setArrayIndex(i);
        settings.setValue(CodeKey, StoredMap(entry.MapString));
        if (entry.Position) {
            settings.setValue(SeedKey, entry.Position->Seed);
            settings.setValue(MapKey, static_cast<qlonglong>(entry.Position->Map));
        }
        if (!entry.File.empty())
            settings.setValue(FileKey, QString::fromStdString(entry.File));
        if (!entry.Source.empty())
            settings.setValue(SourceKey, QString::fromStdString(entry.Source));
    }
    settings.endArray();
}

std::deque<THistoryEntry> StoredHistory(QSettings& settings) {
    std::deque<THistoryEntry> entries;
    const int size = settings.beginReadArray(HistoryKey);
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        const std::optional<std::string> map = StoredMapString(settings.value(CodeKey).toString());
        if (!map || !RotationsValid(*map))
            continue;
        THistoryEntry entry{*map, std::nullopt, {}, {}};
        bool seedOk = false, mapOk = false;
        const uint seed = settings.value(SeedKey).toUInt(&seedOk);
        const qlonglong number = settings.value(MapKey).toLongLong(&mapOk);
        if (seedOk && mapOk && number >= 1)
            entry.Position = TSeedPosition{seed, number};
        entry.File = settings.value(FileKey).toString().toStdString();
        entry.Source = settings.value(SourceKey).toString().toStdString();
        entries.push_back(std::move(entry));
    }
    settings.endArray();
    return entries;
}
