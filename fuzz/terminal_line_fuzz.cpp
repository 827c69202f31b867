// Fuzz target: what tavrin-cli shows of outside bytes (a file name, a map
// line). Checked laws:
// - the line shown is well-formed UTF-8 with no control character (C0, DEL,
//   C1) and no line or paragraph separator, so it stays one line and cannot
//   drive a terminal;
// - it is never shorter than the bytes, and printable ASCII is shown as it
//   is.
// A broken law aborts, which the fuzzer reports as a crash.

#include "fuzz_check.h"
#include "terminal_text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

// True when `text` is well-formed UTF-8 without a control character or a
// line or paragraph separator.
bool ShownSafely(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
        if (lead >= 0x80 && (lead < 0xc2 || lead > 0xf4))
            return false;
        if (i + length > text.size())
            return false;
        char32_t code = length == 1 ? lead : lead & (0x7f >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + k]);
            if ((next & 0xc0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3f);
        }
        if (code < 0x20 || (code >= 0x7f && code <= 0x9f) || code == 0x2028 || code == 0x2029)
            return false;
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string shown = tavrin::cli::TerminalLine(bytes);
    Check(ShownSafely(shown), "the line shown is printable UTF-8 on one line");
    Check(shown.size() >= bytes.size(), "nothing is dropped");
    bool printableAscii = true;
    for (const char c : bytes)
        printableAscii = printableAscii && c >= 0x20 && c < 0x7f;
    if (printableAscii)
        Check(shown == bytes, "printable text is kept");
    return 0;
}
