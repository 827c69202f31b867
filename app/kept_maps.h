#pragma once
// Map > Kept Maps: maps the user chose to keep, each with a name, remembered
// in the settings the window was given until the user removes them. Each
// map is stored as its share code, which any map has and which reads back
// byte for byte; an entry edited by hand into something that is no code is
// passed over.

#include "kept_map_list.h"

#include <QList>
#include <QString>
#include <optional>
#include <string>

class QSettings;

struct TKeptMap {
    QString Name;
    std::string MapString;
    friend bool operator==(const TKeptMap&, const TKeptMap&) = default;
};

class TKeptMaps {
public:
    static constexpr qsizetype Limit = tavrin::TKeptMapList::Limit;

    // `settings` outlives this object.
    explicit TKeptMaps(QSettings& settings) : Settings(settings) {}

    // Newest first, at most Limit.
    QList<TKeptMap> Maps() const;

    // Puts the map at the front; the oldest beyond Limit is dropped.
    void Add(const TKeptMap& map);
    void Remove(qsizetype index);

private:
    tavrin::TKeptMapList List() const;
    void Write(const tavrin::TKeptMapList& list);

    QSettings& Settings;
};

// A map as the settings hold it (its share code), and back; none for text
// that is no share code.
QString StoredMap(const std::string& mapString);
std::optional<std::string> StoredMapString(const QString& stored);
