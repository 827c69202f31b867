#include "history_store.h"

#include "settings_keys.h"
#include "settings_store.h"
#include "share_code.h"
#include "stored_maps.h"

#include <QSettings>
#include <algorithm>

namespace {

using TEntries = std::deque<THistoryEntry>;

TEntries ReadEntries(QSettings& settings) {
    TEntries entries;
    const int size = settings.beginReadArray(SettingsKey::History);
    // The newest entries are the last: only the last HistoryLimit indices
    // are looked at, however many the list claims to hold.
    for (int i = std::max(0, size - static_cast<int>(tavrin::HistoryLimit)); i < size; ++i) {
        settings.setArrayIndex(i);
        const std::optional<std::string> map =
            tavrin::StoredMapOfCode(settings.value(SettingsKey::Code).toString().toStdString());
        if (!map)
            continue;
        THistoryEntry entry{*map, std::nullopt, {}, {}};
        bool seedOk = false, mapOk = false;
        const uint seed = settings.value(SettingsKey::Seed).toUInt(&seedOk);
        const qlonglong number = settings.value(SettingsKey::Map).toLongLong(&mapOk);
        if (seedOk && mapOk && number >= 1)
            entry.Position = TSeedPosition{seed, number};
        entry.File = settings.value(SettingsKey::File).toString().toStdString();
        if (entry.File.size() > tavrin::StoredPathLength)
            entry.File.clear();
        entry.Source =
            tavrin::ShownName(settings.value(SettingsKey::Source).toString().toStdString());
        entries.push_back(std::move(entry));
    }
    settings.endArray();
    return entries;
}

void WriteEntries(QSettings& settings, const TEntries& entries) {
    settings.remove(SettingsKey::History);
    settings.beginWriteArray(SettingsKey::History, static_cast<int>(entries.size()));
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const THistoryEntry& entry = entries[static_cast<std::size_t>(i)];
        settings.setArrayIndex(i);
        settings.setValue(SettingsKey::Code,
                          QString::fromStdString(tavrin::ShareCode(entry.MapString)));
        if (entry.Position) {
            settings.setValue(SettingsKey::Seed, entry.Position->Seed);
            settings.setValue(SettingsKey::Map, static_cast<qlonglong>(entry.Position->Map));
        }
        if (!entry.File.empty())
            settings.setValue(SettingsKey::File, QString::fromStdString(entry.File));
        if (!entry.Source.empty())
            settings.setValue(SettingsKey::Source, QString::fromStdString(entry.Source));
    }
    settings.endArray();
}

// One step of a window's history: the maps it left, and those it showed.
struct THistoryStep {
    std::vector<THistoryEntry> Left;
    std::vector<THistoryEntry> Added;
};

std::size_t CommonStart(const TEntries& before, std::size_t from, const TEntries& after) {
    std::size_t n = 0;
    while (from + n < before.size() && n < after.size() && before[from + n] == after[n])
        ++n;
    return n;
}

// A step keeps the start of the history and changes its end. A history at
// its limit also loses its oldest map as it grows (all the others stay),
// which the stored history, with a limit of its own, need not follow.
THistoryStep StepBetween(const TEntries& before, const TEntries& after) {
    std::size_t dropped = 0;
    std::size_t kept = CommonStart(before, 0, after);
    if (before.size() >= tavrin::HistoryLimit && kept < before.size() &&
        CommonStart(before, 1, after) == before.size() - 1) {
        dropped = 1;
        kept = before.size() - 1;
    }
    return {{before.begin() + static_cast<std::ptrdiff_t>(dropped + kept), before.end()},
            {after.begin() + static_cast<std::ptrdiff_t>(kept), after.end()}};
}

// The last stored entry equal to `entry`: the newest, the one a window most
// likely added.
TEntries::iterator LastEqual(TEntries& stored, const THistoryEntry& entry) {
    const auto found = std::find(stored.rbegin(), stored.rend(), entry);
    return found == stored.rend() ? stored.end() : std::prev(found.base());
}

void Apply(TEntries& stored, const THistoryStep& step) {
    std::size_t i = 0;
    // The same map named anew (saved to a file) keeps its place.
    for (; i < step.Left.size() && i < step.Added.size(); ++i) {
        const THistoryEntry& left = step.Left[i];
        const THistoryEntry& added = step.Added[i];
        if (left.MapString != added.MapString || left.Position != added.Position)
            break;
        const auto at = LastEqual(stored, left);
        if (at == stored.end())
            stored.push_back(added);
        else
            *at = added;
    }
    for (std::size_t j = i; j < step.Left.size(); ++j)
        if (const auto at = LastEqual(stored, step.Left[j]); at != stored.end())
            stored.erase(at);
    for (std::size_t j = i; j < step.Added.size(); ++j)
        stored.push_back(step.Added[j]);
    while (stored.size() > tavrin::HistoryLimit)
        stored.pop_front();
}

} // namespace

TEntries THistoryStore::Read() {
    Store.Refresh();
    Followed = ReadEntries(Store.Settings());
    return Followed;
}

bool THistoryStore::Follow(const TEntries& kept) {
    const THistoryStep step = StepBetween(Followed, kept);
    Followed = kept;
    if (step.Left.empty() && step.Added.empty())
        return true;
    return Store.Change([&step](QSettings& settings) {
        TEntries stored = ReadEntries(settings);
        Apply(stored, step);
        WriteEntries(settings, stored);
    });
}
