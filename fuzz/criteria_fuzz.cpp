// Fuzz target: criteria as a user types them (the window's criteria line,
// tavrin-cli's --where). Checked against the parser's laws:
// - a refused text raises ECriteriaError with one line of bounded length;
// - an accepted text is read back the same from CriteriaText, and matching
//   it against a map's figures answers without failing.
// A broken law aborts, which the fuzzer reports as a crash.

#include "fuzz_check.h"
#include "map_criteria.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace tavrin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TCriteria criteria;
    try {
        criteria = ParseCriteria(text);
    } catch (const ECriteriaError& e) {
        const std::string message = e.what();
        Check(message.find('\n') == std::string::npos, "a refusal is one line");
        Check(message.size() < 400, "a refusal is short");
        return 0;
    }
    Check(ParseCriteria(CriteriaText(criteria)) == criteria, "criteria read back the same");
    TMapFigures figures;
    figures.Reachable = 95;
    figures.MeanRoute = 8.5;
    (void)criteria.Meets(figures);
    return 0;
}
