#include "map_text_answer.h"

#include "translatable.h"

namespace tavrin {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string TextBytes(std::u32string_view text) {
    bool latin1 = true;
    for (const char32_t c : text)
        latin1 = latin1 && c <= 0xFF;
    std::string bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text) {
        if (latin1)
            bytes += static_cast<char>(c);
        else
            AppendUtf8(bytes, c);
    }
    return bytes;
}

std::string_view NoMapCodeText(TTextSource source) {
    switch (source) {
    case TTextSource::Clipboard:
        return TAVRIN_TEXT("Core", "The clipboard holds no map code");
    case TTextSource::TypedText:
        return TAVRIN_TEXT("Core", "The text holds no map code");
    case TTextSource::Address:
        return TAVRIN_TEXT("Core", "The address holds no map code");
    case TTextSource::Argument:
        return TAVRIN_TEXT("Core", "The argument holds no map code");
    }
    return {};
}

} // namespace tavrin
