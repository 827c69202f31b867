#pragma once
// The one table of texts that every door reads a map from
// (map_text_table.tsv), with the answer all of them give. The core's test
// checks each row for every source; each door's test checks that the door
// answers the table as the core does.

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrin::test {

struct TMapTextRow {
    enum TAnswer { Map, Seed, Refused, None };
    std::string Text;
    TAnswer Answer = None;
    std::string Refusal;          // for Refused: the answer every source gives
    std::uint32_t SeedNumber = 0; // for Map and Seed: map k of seed N
    std::int64_t MapNumber = 0;
};

inline std::vector<TMapTextRow> MapTextTable() {
    std::ifstream file(MAP_TEXT_TABLE);
    if (!file)
        throw std::runtime_error("cannot read " MAP_TEXT_TABLE);
    std::vector<TMapTextRow> rows;
    std::string line;
    while (std::getline(file, line)) {
        const auto tab = line.find('\t');
        if (line.starts_with('#') || tab == std::string::npos)
            continue;
        TMapTextRow row;
        row.Text = line.substr(0, tab);
        const std::string answer = line.substr(tab + 1);
        if (answer.starts_with("refused ")) {
            row.Answer = TMapTextRow::Refused;
            row.Refusal = answer.substr(8);
        } else if (answer != "none") {
            row.Answer = answer.starts_with("seed ") ? TMapTextRow::Seed : TMapTextRow::Map;
            const auto space = answer.find(' '), slash = answer.find('/');
            row.SeedNumber =
                static_cast<std::uint32_t>(std::stoul(answer.substr(space + 1, slash - space - 1)));
            row.MapNumber = std::stoll(answer.substr(slash + 1));
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace tavrin::test
