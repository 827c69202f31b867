#include "map_code_text.h"

#include "acceptance.h"
#include "map_state.h"
#include "map_string.h"
#include "share_code.h"

#include <memory>

namespace tavrin {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsCodeChar(char c) {
    return IsDigit(c) || IsLetter(c) || c == '-';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Lower(text[at + i]) != word[i])
            return false;
    return true;
}

// Whether a token that failed as a share code still looks like one, so that
// the user hears of a mistake rather than of no code at all: three or more
// groups of 4 or 5 letters and digits joined by hyphens, or 12 or more
// letters and digits with at least one of each.
bool LooksLikeShareCode(std::string_view token) {
    std::size_t groups = 0, size = 0;
    bool digit = false, letter = false;
    for (const char c : token) {
        if (c == '-') {
            if (size < 4 || size > 5)
                return false;
            ++groups, size = 0;
            continue;
        }
        ++size;
        digit = digit || IsDigit(c);
        letter = letter || IsLetter(c);
    }
    if (groups > 0)
        return groups >= 2 && size >= 4 && size <= 5;
    return size >= 12 && digit && letter;
}

std::optional<std::string> ShareCodeMapString(std::string_view token) {
    try {
        return MapStringOfShareCode(token);
    } catch (const EShareCodeMistake&) {
        return std::nullopt;
    }
}

// The run of code characters at `at`, without hyphens at either end.
std::string_view TokenAt(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && IsCodeChar(text[end]))
        ++end;
    std::string_view token = text.substr(at, end - at);
    while (!token.empty() && token.front() == '-')
        token.remove_prefix(1);
    while (!token.empty() && token.back() == '-')
        token.remove_suffix(1);
    return token;
}

std::optional<TFoundMapCode> FindLink(std::string_view text, bool& mistake) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!StartsWithNoCase(text, at, ShareLinkScheme) || (at > 0 && IsLetter(text[at - 1])))
            continue;
        std::size_t code = at + ShareLinkScheme.size();
        while (code < text.size() && text[code] == '/')
            ++code;
        const std::string_view token = TokenAt(text, code);
        if (auto map = ShareCodeMapString(token))
            return TFoundMapCode{TMapCodeForm::Link, std::move(*map), {}};
        mistake = true;
    }
    return std::nullopt;
}

std::optional<TFoundMapCode> FindShareCode(std::string_view text, bool& mistake) {
    std::size_t at = 0;
    while (at < text.size()) {
        if (!IsCodeChar(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && IsCodeChar(text[end]))
            ++end;
        const std::string_view token = TokenAt(text, at);
        if (auto map = ShareCodeMapString(token))
            return TFoundMapCode{TMapCodeForm::ShareCode, std::move(*map), {}};
        if (LooksLikeShareCode(token))
            mistake = true;
        at = end;
    }
    return std::nullopt;
}

bool IsMapStringAt(std::string_view text, std::size_t at) {
    for (std::size_t r = at + 2; r < at + MapStringLength; r += 3)
        if (text[r] < 'e' || text[r] > 'j')
            return false;
    return true;
}

// The whole text (but for blanks and line breaks around it) when it is 60
// bytes of any kind, which the map string's own reader then checks (a bad
// rotation is answered as Load Map answers it); otherwise the first 60
// characters inside a run of printable characters whose rotations are all
// e..j.
std::optional<TFoundMapCode> FindMapString(std::string_view text) {
    std::string_view whole = text;
    constexpr std::string_view blanks = " \t\r\n\v\f";
    whole.remove_prefix(std::min(whole.find_first_not_of(blanks), whole.size()));
    whole.remove_suffix(whole.size() - (whole.find_last_not_of(blanks) + 1));
    if (whole.size() == MapStringLength)
        return TFoundMapCode{TMapCodeForm::MapString, std::string(whole), {}};
    std::size_t runStart = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        const bool printable = at < text.size() && text[at] > ' ' && text[at] < 127;
        if (printable)
            continue;
        for (std::size_t w = runStart; w + MapStringLength <= at; ++w)
            if (IsMapStringAt(text, w))
                return TFoundMapCode{
                    TMapCodeForm::MapString, std::string(text.substr(w, MapStringLength)), {}};
        runStart = at + 1;
    }
    return std::nullopt;
}

// Decimal digits at `at` (moved past them): none when there are none or the
// number passes `max`.
std::optional<std::int64_t> NumberAt(std::string_view text, std::size_t& at, std::int64_t max) {
    const std::size_t first = at;
    std::int64_t value = 0;
    bool over = false;
    while (at < text.size() && IsDigit(text[at])) {
        value = value * 10 + (text[at] - '0');
        over = over || value > max;
        if (over)
            value = max + 1;
        ++at;
    }
    if (at == first || over)
        return std::nullopt;
    return value;
}

void SkipAny(std::string_view text, std::size_t& at, std::string_view chars) {
    while (at < text.size() && chars.find(text[at]) != std::string_view::npos)
        ++at;
}

std::optional<TSeedMap> SeedMapOf(std::int64_t seed, std::optional<std::int64_t> map) {
    if (map && (*map < 1 || *map > MaxSeedMap))
        return std::nullopt;
    return TSeedMap{static_cast<std::uint32_t>(seed), map.value_or(1)};
}

// "seed N", "seed N, map k", "seed N/k"; then "N/k" standing alone.
std::optional<TFoundMapCode> FindSeed(std::string_view text) {
    constexpr std::int64_t MaxSeed = 0xffffffffLL;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!StartsWithNoCase(text, at, "seed") || (at > 0 && IsLetter(text[at - 1])))
            continue;
        std::size_t p = at + 4;
        SkipAny(text, p, " \t:#=");
        const auto seed = NumberAt(text, p, MaxSeed);
        if (!seed)
            continue;
        std::optional<std::int64_t> map;
        std::size_t q = p;
        SkipAny(text, q, " \t,;");
        if (q < text.size() && text[q] == '/') {
            ++q;
            map = NumberAt(text, q, MaxSeedMap);
        } else if (StartsWithNoCase(text, q, "map")) {
            q += 3;
            SkipAny(text, q, " \t:#");
            map = NumberAt(text, q, MaxSeedMap);
        }
        if (const auto found = SeedMapOf(*seed, map))
            return TFoundMapCode{TMapCodeForm::Seed, {}, *found};
    }
    for (std::size_t slash = 1; slash + 1 < text.size(); ++slash) {
        if (text[slash] != '/' || !IsDigit(text[slash - 1]) || !IsDigit(text[slash + 1]))
            continue;
        std::size_t first = slash;
        while (first > 0 && IsDigit(text[first - 1]))
            --first;
        if (first > 0 &&
            (IsCodeChar(text[first - 1]) || text[first - 1] == '/' || text[first - 1] == '.'))
            continue;
        std::size_t p = first;
        const auto seed = NumberAt(text, p, MaxSeed);
        std::size_t q = slash + 1;
        const auto map = NumberAt(text, q, MaxSeedMap);
        if (q < text.size() && (IsCodeChar(text[q]) || text[q] == '/'))
            continue;
        if (seed && map)
            if (const auto found = SeedMapOf(*seed, map))
                return TFoundMapCode{TMapCodeForm::Seed, {}, *found};
    }
    return std::nullopt;
}

} // namespace

TMapCodeSearch FindMapCode(std::string_view text) {
    TMapCodeSearch search;
    if (auto found = FindLink(text, search.Mistake))
        search.Found = std::move(found);
    else if (auto code = FindShareCode(text, search.Mistake))
        search.Found = std::move(code);
    else if (auto line = FindMapString(text))
        search.Found = std::move(line);
    else
        search.Found = FindSeed(text);
    return search;
}

std::string MapStringOfSeed(TSeedMap seedMap) {
    const auto state = std::make_unique<TMapState>();
    InitTiles(*state, seedMap.Seed);
    for (std::int64_t k = 0; k < seedMap.Map; ++k)
        CreateMap(*state);
    return MakeMapString(*state);
}

std::string SeedMapText(TSeedMap seedMap) {
    return "Seed " + std::to_string(seedMap.Seed) + ", map " + std::to_string(seedMap.Map);
}

} // namespace tavrin
