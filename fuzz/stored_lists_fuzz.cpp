// Fuzz target: the page's kept maps and history as the browser's storage
// holds them, which anything may have written. Checked against the laws:
// - reading stays within the limits, and every map read is one the tiles
//   can take;
// - what is read is written and read back the same.
// A broken law aborts, which the fuzzer reports as a crash.

#include "fuzz_check.h"
#include "stored_lists.h"

#include <cstdint>
#include <string_view>

using namespace tavrin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<TKeptMap> kept = web::ReadKeptMaps(text);
    Check(kept.size() <= KeptMapLimit, "kept maps within the limit");
    for (const TKeptMap& map : kept)
        Check(map.MapString.size() == 60, "a kept map is a map");
    Check(web::ReadKeptMaps(web::KeptMapsText(kept)) == kept, "kept maps read back the same");
    const std::vector<web::TPageHistoryEntry> history = web::ReadHistory(text);
    Check(history.size() <= HistoryLimit, "history within the limit");
    Check(web::ReadHistory(web::HistoryText(history)) == history, "history reads back the same");
    return 0;
}
