#include "arguments.h"

#include "catalogue.h"
#include "errors.h"
#include "translatable.h"

#include <algorithm>
#include <charconv>

namespace tavrin::cli {

TArguments::TArguments(const std::vector<std::string>& args, std::size_t first,
                       const std::vector<std::string>& valued,
                       const std::vector<std::string>& flags) {
    auto known = [](const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    for (std::size_t i = first; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.starts_with("--")) {
            if (known(valued, a)) {
                if (i + 1 >= args.size())
                    throw ETavrinError(
                        FillText(TAVRIN_TEXT("Core", "option %1 needs a value"), {a}));
                if (Option(a))
                    throw ETavrinError(FillText(TAVRIN_TEXT("Core", "option %1 given twice"), {a}));
                options_.emplace_back(a, args[++i]);
            } else if (known(flags, a)) {
                flags_.push_back(a);
            } else {
                throw ETavrinError(FillText(TAVRIN_TEXT("Core", "unknown option %1"), {a}));
            }
        } else {
            positional_.push_back(a);
        }
    }
}

std::optional<std::string> TArguments::Option(const std::string& name) const {
    for (const auto& [key, value] : options_)
        if (key == name)
            return value;
    return std::nullopt;
}

bool TArguments::Flag(const std::string& name) const {
    return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

std::int64_t ParseNumber(const std::string& text, std::int64_t low, std::int64_t high,
                         const std::string& what) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high)
        throw ETavrinError(
            FillText(TAVRIN_TEXT("Core", "%1 must be a whole number from %2 to %3, not '%4'"),
                     {what, std::to_string(low), std::to_string(high), text}));
    return value;
}

std::uint8_t ParseTile(const std::string& text) {
    for (int t = 1; t <= TileCount; ++t)
        if (TileFileNames[t] == text)
            return static_cast<std::uint8_t>(t);
    if (!text.empty() &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return static_cast<std::uint8_t>(
            ParseNumber(text, 1, TileCount, TAVRIN_TEXT("Core", "a tile")));
    throw ETavrinError(FillText(
        TAVRIN_TEXT("Core", "unknown tile '%1': give 1..20 or a token such as MarchLand"), {text}));
}

std::string TakesNoWord(const std::string& command, const TArguments& args) {
    return FillText(TAVRIN_TEXT("Core", "%1 takes no word '%2'"),
                    {command, args.Positional().front()});
}

} // namespace tavrin::cli
