// Fuzz target: text pasted into the window or given to tavrin-cli --map, as
// the map code finder reads it, and the same bytes read as a share code.
// Checked against the laws:
// - the finder never throws; a seed it finds asks for map 1..MaxSeedMap;
// - a map it finds is written whole in the text: a map string as its 60
//   bytes, a share code or link as the code ShareCode gives (in either
//   case, with or without hyphens, a line break after a hyphen allowed)
//   bounded by characters no code holds, or the whole text as a code of the
//   earlier form;
// - read word by word (the plain way: every run of code characters between
//   other characters), a text with a code in it gives a code or a link;
// - a share code is refused only with its own error, and a code read is
//   the one ShareCode gives for the map read (no second code per map).
// A broken law aborts, which the fuzzer reports as a crash.

#include "fuzz_check.h"
#include "map_code_text.h"
#include "map_string.h"
#include "old_share_code.h"
#include "share_code.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace tavrin;

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsWordChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' ||
           c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

// The text as a code reads it: lookalikes and either case as the symbol
// they stand for, and (when `joined`) the blanks beside a hyphen gone.
std::string Normalised(std::string_view text, bool joined) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (joined && IsBlank(c)) {
            std::size_t j = i;
            while (j < text.size() && IsBlank(text[j]))
                ++j;
            if ((!out.empty() && out.back() == '-') || (j < text.size() && text[j] == '-')) {
                i = j - 1;
                continue;
            }
        }
        const int value = ShareSymbolValue(c);
        out += value >= 0 ? ShareCodeAlphabet[static_cast<std::size_t>(value)] : c;
    }
    return out;
}

// Whether `word` stands in `text` with no word character on either side
// (hyphens at its ends are no part of it).
bool WrittenWhole(std::string_view text, std::string_view word) {
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        std::size_t before = at, end = at + word.size();
        while (before > 0 && text[before - 1] == '-')
            --before;
        while (end < text.size() && text[end] == '-')
            ++end;
        if ((before == 0 || !IsWordChar(text[before - 1])) &&
            (end == text.size() || !IsWordChar(text[end])))
            return true;
    }
    return false;
}

// A code among the text's words, read one by one, outside 60-byte words
// (which are map strings) and outside what the finder does not read.
bool PlainReadingFindsCode(std::string_view text) {
    if (text.size() > MaxMapCodeTextBytes)
        return false;
    std::size_t at = 0;
    while (at < text.size()) {
        if (!IsWordChar(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && IsWordChar(text[end]))
            ++end;
        std::string_view word = text.substr(at, end - at);
        while (!word.empty() && word.front() == '-')
            word.remove_prefix(1);
        while (!word.empty() && word.back() == '-')
            word.remove_suffix(1);
        if (ReadShareCode(word))
            return true;
        at = end;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TMapCodeSearch search = FindMapCode(text);
    if (search.Found) {
        const TFoundMapCode& found = *search.Found;
        if (found.Form == TMapCodeForm::Seed) {
            Check(found.SeedMap.Map >= 1 && found.SeedMap.Map <= MaxSeedMap,
                  "a seed's map number is in range");
        } else if (found.Form == TMapCodeForm::MapString) {
            Check(found.MapString.size() == MapStringLength, "a map string found is 60 bytes");
            Check(text.find(found.MapString) != std::string_view::npos,
                  "a map string found is in the text");
        } else {
            bool written = false;
            for (const bool joined : {false, true}) {
                const std::string normalised = Normalised(text, joined);
                written = written || WrittenWhole(normalised, ShareCode(found.MapString)) ||
                          WrittenWhole(normalised, ShareCodeSymbols(found.MapString)) ||
                          normalised.find(OldShareCode(found.MapString)) != std::string::npos;
            }
            Check(written, "a code found is written whole in the text");
        }
    }
    // The finder skips what a map string holds and joins what a hyphen at a
    // line's end cuts, so only texts without either compare.
    bool plain = true;
    for (std::size_t at = 0, word = 0; plain && at <= text.size(); ++at) {
        if (at == text.size() || IsBlank(text[at])) {
            plain = word < MapStringLength && (at == 0 || text[at - 1] != '-') &&
                    (at + 1 >= text.size() || text[at + 1] != '-');
            word = 0;
        } else {
            ++word;
        }
    }
    if (plain && PlainReadingFindsCode(text))
        Check(search.Found && (search.Found->Form == TMapCodeForm::ShareCode ||
                               search.Found->Form == TMapCodeForm::Link),
              "a code among words is found");
    if (size > 256)
        return 0;
    try {
        const std::string map = MapStringOfShareCode(text);
        Check(map.size() == MapStringLength, "a share code holds 60 bytes");
        std::string symbols;
        for (const char c : text)
            if (c != '-')
                symbols += ShareCodeAlphabet[static_cast<std::size_t>(ShareSymbolValue(c))];
        Check(symbols == ShareCodeSymbols(map) || text == OldShareCode(map) ||
                  GroupShareSymbols(symbols) == OldShareCode(map),
              "a map has one share code of each form");
    } catch (const EShareCodeMistake&) {
    }
    return 0;
}
