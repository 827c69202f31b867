#include "map_code_text.h"

#include "acceptance.h"
#include "map_state.h"
#include "map_string.h"
#include "old_share_code.h"
#include "share_code.h"
#include "trimmed.h"

#include <memory>

namespace tavrin {
namespace {

constexpr std::string_view Blanks = " \t\r\n\v\f";

bool IsBlank(char c) {
    return c != '\0' && Blanks.find(c) != std::string_view::npos;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsCodeChar(char c) {
    return IsDigit(c) || IsLetter(c) || c == '-';
}

// A character that joins a word: a code's, "_", and every byte of a letter
// beyond ASCII. A code is never read out of such a run.
bool IsWordChar(char c) {
    return IsCodeChar(c) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    if (at > text.size() || text.size() - at < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Lower(text[at + i]) != word[i])
            return false;
    return true;
}

// Whether a word that failed as a share code still looks like one, so that
// the user hears of a mistake rather than of no code at all: letters and
// digits, both, either in three or more groups joined by hyphens whose
// inner groups hold 4 or 5 (a part of a code cut inside a group), or within
// two symbols of a code's length.
bool LooksLikeShareCode(std::string_view word) {
    std::size_t hyphens = 0, size = 0, symbols = 0;
    bool digit = false, letter = false, grouped = true;
    for (const char c : word) {
        if (c == '-') {
            grouped = grouped && size >= 1 && size <= 5 && (hyphens == 0 || size >= 4);
            ++hyphens, size = 0;
            continue;
        }
        ++size, ++symbols;
        digit = digit || IsDigit(c);
        letter = letter || IsLetter(c);
    }
    if (!digit || !letter)
        return false;
    if (hyphens > 0)
        return hyphens >= 2 && grouped && size >= 1 && size <= 5;
    for (const std::size_t length : ShareCodeLengths)
        if (symbols + 2 >= length && symbols <= length + 2)
            return true;
    return false;
}

// A map string as it stands among words: 60 printable characters, every
// third a small letter (a rotation: e..j, or a mistaken one the map string's
// reader answers). Random tokens, hashes and numbers of that length are
// thus not taken for one.
bool IsMapStringWord(std::string_view word) {
    if (word.size() != MapStringLength)
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        if (c <= ' ' || c >= 127 || (i % 3 == 2 && (c < 'a' || c > 'z')))
            return false;
    }
    return true;
}

bool RotationsInRange(std::string_view mapString) {
    for (std::size_t r = 2; r < MapStringLength; r += 3)
        if (mapString[r] < 'e' || mapString[r] > 'j')
            return false;
    return true;
}

// What the search met, in the text's order.
struct TMet {
    std::optional<TFoundMapCode> Link, Code, MapString, AnyMapString;
    bool Mistake = false;
};

// A share code or link in one word of code characters (hyphens at its ends
// not counted), starting at `at` in the text.
void ReadCodeWord(std::string_view text, std::size_t at, std::string_view word, TMet& met) {
    while (!word.empty() && word.front() == '-')
        word.remove_prefix(1), ++at;
    while (!word.empty() && word.back() == '-')
        word.remove_suffix(1);
    if (word.empty())
        return;
    std::size_t scheme = at;
    while (scheme > 0 && text[scheme - 1] == '/')
        --scheme;
    const std::size_t schemeSize = ShareLinkScheme.size();
    const bool link = scheme >= schemeSize &&
                      StartsWithNoCase(text, scheme - schemeSize, ShareLinkScheme) &&
                      (scheme == schemeSize || !IsWordChar(text[scheme - schemeSize - 1]));
    auto map = ReadPinnedShareCode(word);
    if (!map) {
        met.Mistake = met.Mistake || link || LooksLikeShareCode(word);
        return;
    }
    auto& slot = link ? met.Link : met.Code;
    if (!slot)
        slot = TFoundMapCode{link ? TMapCodeForm::Link : TMapCodeForm::ShareCode,
                             std::move(map->MapString),
                             {},
                             map->Pins};
}

// A code that a line break or blank cut after (or before) one of its
// hyphens, as chat programs wrap it: the part before the break, to be read
// joined to the part after it.
struct TCarry {
    std::string Word; // empty when the last word did not end its blank-bounded word
    std::size_t At = 0;
    bool TooLong = false; // joined beyond any code's length
    void Clear() { Word.clear(), TooLong = false; }
};

// The words of code characters within one blank-bounded word.
void ReadCodeWords(std::string_view text, std::size_t begin, std::size_t end, TCarry& carry,
                   TMet& met) {
    std::size_t at = begin;
    while (at < end) {
        if (!IsWordChar(text[at])) {
            carry.Clear();
            ++at;
            continue;
        }
        std::size_t stop = at;
        bool code = true;
        while (stop < end && IsWordChar(text[stop]))
            code = code && IsCodeChar(text[stop]), ++stop;
        const std::string_view word = text.substr(at, stop - at);
        if (!code) {
            carry.Clear();
        } else if (at == begin && !carry.Word.empty() &&
                   (carry.Word.back() == '-' || word.front() == '-')) {
            carry.TooLong = carry.TooLong || carry.Word.size() + word.size() > MaxShareCodeChars;
            if (carry.TooLong) {
                carry.Word.assign(word); // only its ends matter now
            } else {
                carry.Word += word;
                ReadCodeWord(text, carry.At, carry.Word, met);
            }
        } else {
            ReadCodeWord(text, at, word, met);
            carry.Word.assign(word), carry.At = at, carry.TooLong = false;
        }
        at = stop;
    }
    if (begin == end || !IsCodeChar(text[end - 1]))
        carry.Clear();
}

// A map string in quotes or brackets, or ending a sentence: the 60
// characters inside, when their rotations are all e..j.
std::optional<std::string_view> WrappedMapString(std::string_view word) {
    constexpr std::string_view opening = "\"'`([{<";
    constexpr std::string_view closing = "\"'`)]}>.,;:!?";
    while (word.size() > MapStringLength && opening.find(word.front()) != std::string_view::npos)
        word.remove_prefix(1);
    while (word.size() > MapStringLength && closing.find(word.back()) != std::string_view::npos)
        word.remove_suffix(1);
    if (IsMapStringWord(word) && RotationsInRange(word))
        return word;
    return std::nullopt;
}

void ScanWords(std::string_view text, TMet& met) {
    TCarry carry;
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsBlank(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !IsBlank(text[end]))
            ++end;
        const std::string_view word = text.substr(at, end - at);
        std::optional<std::string_view> line;
        // No map string starts with "tavrin:": its first rotation would be 'v'.
        if (IsMapStringWord(word) && !StartsWithNoCase(word, 0, ShareLinkScheme))
            line = word;
        else if (word.size() > MapStringLength && word.size() <= MapStringLength + 4)
            line = WrappedMapString(word);
        if (line) {
            const TFoundMapCode found{TMapCodeForm::MapString, std::string(*line), {}};
            if (!met.MapString && RotationsInRange(*line))
                met.MapString = found;
            if (!met.AnyMapString)
                met.AnyMapString = found;
            carry.Clear();
        } else {
            ReadCodeWords(text, at, end, carry, met);
        }
        at = end;
    }
}

// A whole number of decimal digits at `at` (moved past them), or why not.
enum class TNumber { None, Whole, Out };

TNumber NumberAt(std::string_view text, std::size_t& at, std::int64_t min, std::int64_t max,
                 std::int64_t& value) {
    if (at < text.size() && (text[at] == '-' || text[at] == '+') && at + 1 < text.size() &&
        IsDigit(text[at + 1]))
        return TNumber::Out;
    const std::size_t first = at;
    value = 0;
    bool over = false;
    while (at < text.size() && IsDigit(text[at])) {
        value = std::min(value * 10 + (text[at] - '0'), max + 1);
        over = over || value > max;
        ++at;
    }
    if (at == first)
        return TNumber::None;
    // "1e9", "7.5" and "1,000" are no whole numbers of their own.
    const bool fraction =
        at + 1 < text.size() && (text[at] == '.' || text[at] == ',') && IsDigit(text[at + 1]);
    if (over || value < min || fraction || (at < text.size() && IsWordChar(text[at])))
        return TNumber::Out;
    return TNumber::Whole;
}

void SkipAny(std::string_view text, std::size_t& at, std::string_view chars) {
    while (at < text.size() && chars.find(text[at]) != std::string_view::npos)
        ++at;
}

constexpr std::int64_t MaxSeed = 0xffffffffLL;

// "seed N", "seed N, map k", "seed N/k"; then "N/k" standing alone. The
// first that is out of range gives `refusal`.
std::optional<TSeedMap> FindSeed(std::string_view text, const char*& refusal) {
    const auto refuse = [&refusal](const char* why) {
        if (!refusal)
            refusal = why;
    };
    for (std::size_t at = 0; at + 4 <= text.size(); ++at) {
        if (!StartsWithNoCase(text, at, "seed") || (at > 0 && IsWordChar(text[at - 1])))
            continue;
        std::size_t p = at + 4;
        SkipAny(text, p, " \t:#=");
        std::int64_t seed = 0;
        const TNumber seedNumber = NumberAt(text, p, 0, MaxSeed, seed);
        if (seedNumber == TNumber::Out)
            refuse(SeedRangeText);
        if (seedNumber != TNumber::Whole)
            continue;
        std::int64_t map = 1;
        std::size_t q = p;
        SkipAny(text, q, " \t,;");
        TNumber mapNumber = TNumber::Whole;
        if (q < text.size() && text[q] == '/') {
            ++q;
            mapNumber = NumberAt(text, q, 1, MaxSeedMap, map);
            if (mapNumber == TNumber::None)
                mapNumber = TNumber::Out;
        } else if (StartsWithNoCase(text, q, "map") &&
                   (q + 3 == text.size() || !IsWordChar(text[q + 3]))) {
            q += 3;
            SkipAny(text, q, " \t:#");
            mapNumber = NumberAt(text, q, 1, MaxSeedMap, map);
            if (mapNumber == TNumber::None)
                map = 1, mapNumber = TNumber::Whole; // "seed 7, map of the north"
        }
        if (mapNumber == TNumber::Whole)
            return TSeedMap{static_cast<std::uint32_t>(seed), map};
        refuse(MapNumberText);
    }
    for (std::size_t slash = 1; slash + 1 < text.size(); ++slash) {
        if (text[slash] != '/' || !IsDigit(text[slash - 1]) || !IsDigit(text[slash + 1]))
            continue;
        std::size_t first = slash;
        while (first > 0 && IsDigit(text[first - 1]))
            --first;
        if (first > 0 && (IsWordChar(text[first - 1]) || text[first - 1] == '/' ||
                          text[first - 1] == '.' || text[first - 1] == '+'))
            continue;
        std::size_t last = slash + 1;
        while (last < text.size() && IsDigit(text[last]))
            ++last;
        // Not a seed form: a date, a path, a fraction, a word.
        if (last < text.size() && (IsWordChar(text[last]) || text[last] == '/' ||
                                   ((text[last] == '.' || text[last] == ',') &&
                                    last + 1 < text.size() && IsDigit(text[last + 1]))))
            continue;
        std::size_t p = first, q = slash + 1;
        std::int64_t seed = 0, map = 0;
        if (NumberAt(text, p, 0, MaxSeed, seed) != TNumber::Whole)
            refuse(SeedRangeText);
        else if (NumberAt(text, q, 1, MaxSeedMap, map) != TNumber::Whole)
            refuse(MapNumberText);
        else
            return TSeedMap{static_cast<std::uint32_t>(seed), map};
    }
    return std::nullopt;
}

// A code of the earlier form, or its link, as the whole text: grouped as it
// was printed, and holding a map the generator could have made.
std::optional<TFoundMapCode> OldCodeOfWholeText(std::string_view whole) {
    TMapCodeForm form = TMapCodeForm::ShareCode;
    if (StartsWithNoCase(whole, 0, ShareLinkScheme)) {
        whole.remove_prefix(ShareLinkScheme.size());
        while (!whole.empty() && whole.front() == '/')
            whole.remove_prefix(1);
        form = TMapCodeForm::Link;
    }
    if (whole.size() > MaxShareCodeChars || whole.find('-') == std::string_view::npos)
        return std::nullopt;
    if (auto map = MapStringOfOldShareCode(whole); map && MadeLikeAGeneratedMap(*map))
        return TFoundMapCode{form, std::move(*map), {}};
    return std::nullopt;
}

} // namespace

TMapCodeSearch FindMapCode(std::string_view text) {
    TMapCodeSearch search;
    bool cut = false;
    if (text.size() > MaxMapCodeTextBytes) {
        // Cut at a blank, so that no word is read in part; in a text with
        // none, at a character no word holds.
        const std::string_view head = text.substr(0, MaxMapCodeTextBytes + 1);
        std::size_t end = head.find_last_of(Blanks);
        if (end == std::string_view::npos) {
            end = head.size();
            while (end > 0 && IsWordChar(head[end - 1]))
                --end;
            end = end > 0 ? end - 1 : 0;
        }
        text = text.substr(0, end);
        cut = true;
    }
    const std::string_view whole = Trimmed(text, Blanks);
    TMet met;
    ScanWords(text, met);
    if (met.Link) {
        search.Found = std::move(met.Link);
    } else if (met.Code) {
        search.Found = std::move(met.Code);
    } else if (met.MapString) {
        search.Found = std::move(met.MapString);
    } else if (whole.size() == MapStringLength && RotationsInRange(whole)) {
        // As the whole text, a map's columns and rows may be any bytes, as
        // in a map file's line.
        search.Found = TFoundMapCode{TMapCodeForm::MapString, std::string(whole), {}};
    } else if (met.AnyMapString) {
        search.Found = std::move(met.AnyMapString);
    } else if (auto old = OldCodeOfWholeText(whole)) {
        search.Found = std::move(old);
    } else {
        const char* seedRefusal = nullptr;
        if (const auto seed = FindSeed(text, seedRefusal))
            search.Found = TFoundMapCode{TMapCodeForm::Seed, {}, *seed};
        else if (met.Mistake)
            search.Refusal = ShareCodeMistakeText;
        else if (seedRefusal)
            search.Refusal = seedRefusal;
        else if (cut)
            search.Refusal = MapCodeTextTooLongText;
    }
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
