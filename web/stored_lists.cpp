#include "stored_lists.h"

#include "share_code.h"

#include <charconv>

namespace tavrin::web {

namespace {

// The fields of a line, split at tabs; a line may end in CR LF.
std::vector<std::string_view> Fields(std::string_view line) {
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    std::vector<std::string_view> fields;
    for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos;) {
        fields.push_back(line.substr(0, tab));
        line.remove_prefix(tab + 1);
    }
    fields.push_back(line);
    return fields;
}

// A name on one line: tabs and line ends become spaces.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return line;
}

template <typename T> std::optional<T> Whole(std::string_view text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::vector<TKeptMap> ReadKeptMaps(std::string_view text) {
    std::vector<TKeptMap> maps;
    for (std::size_t line = 0; line < KeptMapLimit && !text.empty(); ++line) {
        const std::size_t end = text.find('\n');
        const std::vector<std::string_view> fields = Fields(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (const auto map = StoredMapOfCode(fields[0]))
            maps.push_back({fields.size() > 1 ? OneLine(fields[1]) : std::string(), *map});
    }
    return maps;
}

std::string KeptMapsText(const std::vector<TKeptMap>& maps) {
    std::string text;
    for (const TKeptMap& map : maps)
        text += ShareCode(map.MapString) + '\t' + OneLine(map.Name) + '\n';
    return text;
}

std::vector<TPageHistoryEntry> ReadHistory(std::string_view text) {
    // The newest lines are the last: only the last HistoryLimit are looked at.
    while (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    std::size_t start = 0;
    std::size_t at = text.size();
    for (std::size_t lines = 0; lines < HistoryLimit; ++lines) {
        const std::size_t newline = at == 0 ? std::string_view::npos : text.rfind('\n', at - 1);
        if (newline == std::string_view::npos) {
            start = 0;
            break;
        }
        at = newline;
        start = newline + 1;
    }
    text.remove_prefix(start);
    std::vector<TPageHistoryEntry> entries;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::vector<std::string_view> fields = Fields(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const auto map = StoredMapOfCode(fields[0]);
        if (!map)
            continue;
        TPageHistoryEntry entry{*map, std::nullopt, 0};
        if (fields.size() == 3) {
            const auto seed = Whole<std::uint32_t>(fields[1]);
            const auto number = Whole<std::int64_t>(fields[2]);
            if (seed && number && *number >= 1) {
                entry.Seed = seed;
                entry.Number = *number;
            }
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string HistoryText(const std::vector<TPageHistoryEntry>& entries) {
    std::string text;
    for (const TPageHistoryEntry& entry : entries) {
        text += ShareCode(entry.MapString) + '\t';
        if (entry.Seed)
            text += std::to_string(*entry.Seed) + '\t' + std::to_string(entry.Number);
        else
            text += '\t';
        text += '\n';
    }
    return text;
}

void AddToHistory(std::vector<TPageHistoryEntry>& stored, TPageHistoryEntry entry) {
    if (!stored.empty() && stored.back() == entry)
        return;
    stored.push_back(std::move(entry));
    if (stored.size() > HistoryLimit)
        stored.erase(stored.begin(), stored.end() - static_cast<std::ptrdiff_t>(HistoryLimit));
}

} // namespace tavrin::web
