#include "terminal_text.h"

#include <cstdint>

namespace tavrin::cli {
namespace {

// The length of the well-formed UTF-8 sequence at the start of `text` and
// its code point; 0 when the first byte does not begin one (overlong forms
// and surrogates included).
std::size_t DecodeUtf8(std::string_view text, char32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if ((lead & 0xe0) == 0xc0) {
        length = 2, min = 0x80, code = lead & 0x1f;
    } else if ((lead & 0xf0) == 0xe0) {
        length = 3, min = 0x800, code = lead & 0x0f;
    } else if ((lead & 0xf8) == 0xf0) {
        length = 4, min = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80)
            return 0;
        code = code << 6 | (byte(i) & 0x3f);
    }
    if (code < min || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
        return 0;
    return length;
}

bool Invisible(char32_t code) {
    return code < 0x20 || (code >= 0x7f && code <= 0x9f) || code == 0x061c ||
           (code >= 0x200b && code <= 0x200f) || (code >= 0x2028 && code <= 0x202e) ||
           (code >= 0x2060 && code <= 0x2069) || code == 0xfeff;
}

void AppendEscaped(std::string& line, std::uint8_t byte) {
    switch (byte) {
    case 0:
        line += "\\0";
        return;
    case '\t':
        line += "\\t";
        return;
    case '\n':
        line += "\\n";
        return;
    case '\r':
        line += "\\r";
        return;
    default:
        line += "\\x";
        line += "0123456789abcdef"[byte >> 4];
        line += "0123456789abcdef"[byte & 0xf];
    }
}

} // namespace

std::string TerminalLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    while (!text.empty()) {
        char32_t code = 0;
        std::size_t length = DecodeUtf8(text, code);
        if (length != 0 && !Invisible(code)) {
            line.append(text.substr(0, length));
        } else {
            length = length == 0 ? 1 : length;
            for (std::size_t i = 0; i < length; ++i)
                AppendEscaped(line, static_cast<std::uint8_t>(text[i]));
        }
        text.remove_prefix(length);
    }
    return line;
}

} // namespace tavrin::cli
