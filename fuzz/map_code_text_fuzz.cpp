// Fuzz target: text pasted into the window or given to tavrin-cli --map, as
// the map code finder reads it, and the same bytes read as a share code.
// Checked against the laws:
// - the finder never throws; a map it finds is 60 bytes whose share code
//   reads back to it; a seed it finds asks for map 1..MaxSeedMap;
// - a share code is refused only with its own error, and a code read is
//   the one ShareCode gives for the map read (no second code per map).
// A broken law aborts, which the fuzzer reports as a crash.

#include "fuzz_check.h"
#include "map_code_text.h"
#include "map_string.h"
#include "share_code.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace tavrin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TMapCodeSearch search = FindMapCode(text);
    if (search.Found) {
        const TFoundMapCode& found = *search.Found;
        if (found.Form == TMapCodeForm::Seed) {
            Check(found.SeedMap.Map >= 1 && found.SeedMap.Map <= MaxSeedMap,
                  "a seed's map number is in range");
        } else {
            Check(found.MapString.size() == MapStringLength, "a map found is 60 bytes");
            Check(MapStringOfShareCode(ShareCode(found.MapString)) == found.MapString,
                  "a map found reads back from its share code");
        }
    }
    if (size > 256)
        return 0;
    try {
        const std::string map = MapStringOfShareCode(text);
        Check(map.size() == MapStringLength, "a share code holds 60 bytes");
        std::string symbols;
        for (const char c : text)
            if (c != '-')
                symbols += ShareCodeAlphabet[static_cast<std::size_t>(ShareSymbolValue(c))];
        Check(symbols == ShareCodeSymbols(map), "a map has one share code");
    } catch (const EShareCodeMistake&) {
    }
    return 0;
}
